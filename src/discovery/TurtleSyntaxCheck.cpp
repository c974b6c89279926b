#include "discovery/TurtleSyntaxCheck.h"

#include "discovery/BoundedFile.h"
#include "model/FilePathBytes.h"

#include <serd/serd.h>

#include <memory>

namespace {

// Prefixes as the file declares them, so that a prefixed name with an undeclared prefix counts
// as the error it is for lilv, which expands every name it stores.
struct Check {
    SerdEnv* env = serd_env_new(nullptr);
    int errors = 0;

    ~Check() { serd_env_free(env); }

    // An IRI with a colon in its first segment must start with a scheme; sord mishandles (and
    // leaks) the ones that do not, so they count as the errors they are.
    void checkIri(const SerdNode* node)
    {
        if (!node || node->type != SERD_URI)
            return;
        const QByteArrayView iri(reinterpret_cast<const char*>(node->buf), qsizetype(node->n_bytes));
        const qsizetype colon = iri.indexOf(':');
        if (colon < 0)
            return;
        for (qsizetype i = 0; i < colon; ++i) {
            const char c = iri[i];
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
            if (c == '/' || c == '?' || c == '#')
                return;
            if (!letter && (i == 0 || !other)) {
                ++errors;
                return;
            }
        }
        if (colon == 0)
            ++errors;
    }

    void expand(const SerdNode* node)
    {
        checkIri(node);
        SerdChunk prefix{}, suffix{};
        if (node && node->type == SERD_CURIE && serd_env_expand(env, node, &prefix, &suffix) != SERD_SUCCESS)
            ++errors;
    }
};

SerdStatus countError(void* handle, const SerdError*)
{
    ++static_cast<Check*>(handle)->errors;
    return SERD_SUCCESS;
}

SerdStatus setBase(void* handle, const SerdNode* uri)
{
    static_cast<Check*>(handle)->checkIri(uri);
    return serd_env_set_base_uri(static_cast<Check*>(handle)->env, uri);
}

SerdStatus setPrefix(void* handle, const SerdNode* name, const SerdNode* uri)
{
    static_cast<Check*>(handle)->checkIri(uri);
    return serd_env_set_prefix(static_cast<Check*>(handle)->env, name, uri);
}

SerdStatus statement(void* handle, SerdStatementFlags, const SerdNode*, const SerdNode* subject,
                     const SerdNode* predicate, const SerdNode* object, const SerdNode* datatype, const SerdNode*)
{
    Check& check = *static_cast<Check*>(handle);
    for (const SerdNode* node : {subject, predicate, object, datatype})
        check.expand(node);
    return SERD_SUCCESS;
}

// serd parses nested blank nodes and collections by recursion: a few thousand levels overflow
// the stack. Real data nests a handful deep.
constexpr int maxNesting = 64;
constexpr qint64 maxFileBytes = 8 * 1024 * 1024;

// Whether brackets and parentheses outside strings, IRIs and comments stay within the limit.
bool nestingWithinLimit(QByteArrayView text)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '#') {
            while (i < text.size() && text[i] != '\n' && text[i] != '\r')
                ++i;
        } else if (c == '<') {
            while (i + 1 < text.size() && text[i + 1] != '>')
                ++i;
            ++i;
        } else if (c == '"' || c == '\'') {
            const bool isLong = i + 2 < text.size() && text[i + 1] == c && text[i + 2] == c;
            i += isLong ? 3 : 1;
            for (; i < text.size(); ++i) {
                if (text[i] == '\\') {
                    ++i;
                } else if (text[i] == c && (!isLong || (i + 2 < text.size() && text[i + 1] == c && text[i + 2] == c))) {
                    i += isLong ? 2 : 0;
                    break;
                }
            }
        } else if (c == '[' || c == '(') {
            if (++depth > maxNesting)
                return false;
        } else if ((c == ']' || c == ')') && depth > 0) {
            --depth;
        }
    }
    return true;
}

struct ReaderDeleter {
    void operator()(SerdReader* reader) const { serd_reader_free(reader); }
};

} // namespace

namespace TurtleSyntaxCheck {

bool isClean(const QString& filePath)
{
    BoundedFile text(filePath, maxFileBytes + 1);
    if (!text.isOpen() || text.size() > maxFileBytes || !nestingWithinLimit(text.readUpTo(0, quint64(text.size()))))
        return false;

    Check check;
    std::unique_ptr<SerdReader, ReaderDeleter> reader(
        serd_reader_new(SERD_TURTLE, &check, nullptr, setBase, setPrefix, statement, nullptr));
    if (!reader || !check.env)
        return false;
    // Strict: IRIs with characters Turtle does not allow are errors, not something to repair.
    serd_reader_set_strict(reader.get(), true);
    serd_reader_set_error_sink(reader.get(), countError, &check);
    const QByteArray path = FilePathBytes::encode(filePath);
    const SerdStatus status = serd_reader_read_file(reader.get(), reinterpret_cast<const uint8_t*>(path.constData()));
    return status == SERD_SUCCESS && check.errors == 0;
}

} // namespace TurtleSyntaxCheck
