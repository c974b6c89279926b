#include "descriptions/PluginDescriptionService.h"

#include "model/Diagnostics.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdio>

// The catalogue is compiled into this static library; nothing else refers to its object file, so the
// linker would drop it unless the registration is called explicitly.
static void registerBundledResource()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(descriptions);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

const QString notFoundLine = QStringLiteral("[PluginDescriptionService] PluginDescriptions.json not found in bundle");

void report(const PluginDescriptionService::LineSink& sink, QString line)
{
    if (!sink)
        return;
    // Keys quoted in an error may hold line breaks; a diagnostic stays one line.
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    sink(line);
}

// User-perceived characters, so a key with a combining accent is no longer than its precomposed twin.
qsizetype characterCount(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

std::optional<QString> requiredText(const QJsonObject& entry, const QString& key, QLatin1StringView member,
                                    QString& error)
{
    const QJsonValue value = entry.value(member);
    if (value.isString())
        return value.toString();
    error = value.isUndefined()
                ? QStringLiteral("entry \"%1\" has no \"%2\"").arg(key, member)
                : QStringLiteral("entry \"%1\" has a \"%2\" that is not a string").arg(key, member);
    return std::nullopt;
}

// All or nothing: one bad entry rejects the whole catalogue.
std::optional<QMap<QString, PluginDescriptionEntry>> decodeCatalog(const QByteArray& json, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QStringLiteral("the catalogue is not a JSON object");
        return std::nullopt;
    }
    QMap<QString, PluginDescriptionEntry> catalog;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isObject()) {
            error = QStringLiteral("entry \"%1\" is not an object").arg(it.key());
            return std::nullopt;
        }
        const QJsonObject entry = it.value().toObject();
        const auto category = requiredText(entry, it.key(), QLatin1StringView("category"), error);
        if (!category)
            return std::nullopt;
        const auto description = requiredText(entry, it.key(), QLatin1StringView("description"), error);
        if (!description)
            return std::nullopt;
        catalog.insert(it.key(), PluginDescriptionEntry{*category, *description});
    }
    return catalog;
}

} // namespace

QString PluginDescriptionService::bundledResourcePath()
{
    return QStringLiteral(":/PluginDescriptions.json");
}

const PluginDescriptionService& PluginDescriptionService::shared()
{
    static const PluginDescriptionService instance = fromResource(bundledResourcePath());
    return instance;
}

PluginDescriptionService PluginDescriptionService::fromResource(const QString& path, const LineSink& sink)
{
    registerBundledResource();
    PluginDescriptionService service;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(sink, notFoundLine);
        return service;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report(sink, notFoundLine);
        return service;
    }
    service.load(bytes, sink);
    return service;
}

PluginDescriptionService PluginDescriptionService::fromBytes(const QByteArray& json, const LineSink& sink)
{
    PluginDescriptionService service;
    service.load(json, sink);
    return service;
}

void PluginDescriptionService::load(const QByteArray& json, const LineSink& sink)
{
    QString error;
    auto decoded = decodeCatalog(json, error);
    if (!decoded) {
        report(sink, QStringLiteral("[PluginDescriptionService] Failed to decode: ") + error);
        return;
    }
    m_catalog = std::move(*decoded);
    m_keys.reserve(std::size_t(m_catalog.size()));
    for (auto it = m_catalog.cbegin(); it != m_catalog.cend(); ++it)
        m_keys.push_back({it.key(), it.key().toLower(), normalized(it.key()), characterCount(it.key()), it.value()});
    for (qsizetype index = 0; index < qsizetype(m_keys.size()); ++index) {
        const IndexedKey& key = m_keys[std::size_t(index)];
        if (!m_firstByLowered.contains(key.lowered))
            m_firstByLowered.insert(key.lowered, index);
        const auto shortest = m_shortestByNormalized.find(key.normalized);
        if (shortest == m_shortestByNormalized.end())
            m_shortestByNormalized.insert(key.normalized, index);
        else if (isShorter(index, *shortest))
            *shortest = index;
        m_byLowered.push_back(index);
    }
    std::stable_sort(m_byLowered.begin(), m_byLowered.end(), [this](qsizetype a, qsizetype b) {
        return m_keys[std::size_t(a)].lowered < m_keys[std::size_t(b)].lowered;
    });
    report(sink, QStringLiteral("[PluginDescriptionService] Loaded %1 bundled descriptions").arg(m_catalog.size()));
}

QString PluginDescriptionService::normalized(QStringView text)
{
    const QString lowered = text.toString().toLower();
    std::vector<char32_t> kept;
    kept.reserve(std::size_t(lowered.size()));
    for (const uint codePoint : QStringView(lowered).toUcs4()) {
        const auto c = char32_t(codePoint);
        if (QChar::isLetterOrNumber(c) || QChar::isMark(c))
            kept.push_back(c);
    }
    return QString::fromUcs4(kept.data(), qsizetype(kept.size()));
}

bool PluginDescriptionService::isShorter(qsizetype candidate, qsizetype best) const
{
    if (best < 0)
        return true;
    const qsizetype candidateCharacters = m_keys[std::size_t(candidate)].characters;
    const qsizetype bestCharacters = m_keys[std::size_t(best)].characters;
    return candidateCharacters < bestCharacters || (candidateCharacters == bestCharacters && candidate < best);
}

std::optional<PluginDescriptionEntry> PluginDescriptionService::entryAt(qsizetype index) const
{
    if (index < 0)
        return std::nullopt;
    return m_keys[std::size_t(index)].entry;
}

std::optional<PluginDescriptionEntry> PluginDescriptionService::shortestPrefixedBy(const QString& lowered) const
{
    auto it = std::lower_bound(m_byLowered.cbegin(), m_byLowered.cend(), lowered,
                               [this](qsizetype index, const QString& text) { return m_keys[std::size_t(index)].lowered < text; });
    qsizetype best = -1;
    for (; it != m_byLowered.cend() && m_keys[std::size_t(*it)].lowered.startsWith(lowered); ++it)
        if (isShorter(*it, best))
            best = *it;
    return entryAt(best);
}

std::optional<PluginDescriptionEntry> PluginDescriptionService::lookup(const QString& name,
                                                                       const std::optional<QString>& publisher) const
{
    // A name with nothing to compare would match every key by prefix.
    const QString normalizedName = normalized(name);
    if (normalizedName.isEmpty())
        return std::nullopt;

    if (const auto exact = m_catalog.constFind(name); exact != m_catalog.cend())
        return *exact;

    const QString loweredName = name.toLower();
    if (auto hit = entryAt(m_firstByLowered.value(loweredName, -1)))
        return hit;

    if (auto hit = entryAt(m_shortestByNormalized.value(normalizedName, -1)))
        return hit;

    if (auto hit = shortestPrefixedBy(loweredName))
        return hit;

    if (publisher && publisher->compare(QLatin1StringView("Universal Audio"), Qt::CaseInsensitive) == 0) {
        // Its native bundles are named like "uaudio_la-2a_classic".
        QString bundleKey = QStringLiteral("uaudio_") + loweredName;
        bundleKey.replace(QLatin1Char(' '), QLatin1Char('_'));
        if (const auto exact = m_catalog.constFind(bundleKey); exact != m_catalog.cend())
            return *exact;
        if (auto hit = entryAt(m_shortestByNormalized.value(normalized(bundleKey), -1)))
            return hit;
    }
    return std::nullopt;
}

void PluginDescriptionService::writeToStandardOutput(const QString& line)
{
    Diagnostics::print(line);
}
