#include "model/FilePathBytes.h"

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace {

// Plane 16's last private-use block: no file name a person types lands here, and valid UTF-8
// that does is escaped byte by byte, so decoding stays one-to-one.
constexpr char32_t escapeBase = 0x10FF00;

bool isEscape(char32_t code) { return code >= escapeBase + 0x80 && code <= escapeBase + 0xFF; }

// Length of the valid UTF-8 sequence at data[i], or 0 when it is not one.
int validSequence(const unsigned char* data, qsizetype size, qsizetype i, char32_t& code)
{
    const unsigned char lead = data[i];
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = data[i + k];
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void appendCode(QString& text, char32_t code)
{
    if (code < 0x10000) {
        text.append(QChar(char16_t(code)));
    } else {
        text.append(QChar::highSurrogate(code));
        text.append(QChar::lowSurrogate(code));
    }
}

void appendUtf8(QByteArray& bytes, char32_t code)
{
    if (code >= 0xD800 && code <= 0xDFFF)
        code = 0xFFFD; // a lone surrogate cannot come from decode(); keep the output valid
    if (code < 0x80) {
        bytes.append(char(code));
    } else if (code < 0x800) {
        bytes.append(char(0xC0 | (code >> 6)));
        bytes.append(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        bytes.append(char(0xE0 | (code >> 12)));
        bytes.append(char(0x80 | ((code >> 6) & 0x3F)));
        bytes.append(char(0x80 | (code & 0x3F)));
    } else {
        bytes.append(char(0xF0 | (code >> 18)));
        bytes.append(char(0x80 | ((code >> 12) & 0x3F)));
        bytes.append(char(0x80 | ((code >> 6) & 0x3F)));
        bytes.append(char(0x80 | (code & 0x3F)));
    }
}

} // namespace

QByteArray FilePathBytes::encode(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    const auto units = QStringView(path);
    for (qsizetype i = 0; i < units.size(); ++i) {
        char32_t code = units[i].unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < units.size() && units[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(units[i], units[i + 1]);
            ++i;
        }
        if (isEscape(code)) {
            bytes.append(char(code - escapeBase));
            continue;
        }
        appendUtf8(bytes, code);
    }
    return bytes;
}

QString FilePathBytes::decode(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
            text.append(QChar(char16_t(data[i++])));
            continue;
        }
        char32_t code = 0;
        const int length = validSequence(data, size, i, code);
        if (length > 0 && !isEscape(code)) {
            appendCode(text, code);
            i += length;
        } else {
            appendCode(text, escapeBase + data[i++]);
        }
    }
    return text;
}

QString FilePathBytes::displayForm(const QString& path)
{
    QString shown;
    shown.reserve(path.size());
    const auto units = QStringView(path);
    for (qsizetype i = 0; i < units.size(); ++i) {
        if (units[i].isHighSurrogate() && i + 1 < units.size() && units[i + 1].isLowSurrogate()
            && isEscape(QChar::surrogateToUcs4(units[i], units[i + 1]))) {
            shown.append(QChar::ReplacementCharacter);
            ++i;
            continue;
        }
        shown.append(units[i]);
    }
    return shown;
}

bool FilePathBytes::isFolder(const QString& path)
{
    struct stat status {};
    return !path.isEmpty() && ::stat(encode(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool FilePathBytes::exists(const QString& path)
{
    struct stat status {};
    return !path.isEmpty() && ::stat(encode(path).constData(), &status) == 0;
}

QString FilePathBytes::absolute(const QString& path)
{
    if (path.isEmpty() || path.startsWith(u'/'))
        return path.isEmpty() ? path : QDir::cleanPath(path);
    QByteArray current(PATH_MAX, '\0');
    if (!::getcwd(current.data(), size_t(current.size())))
        return QDir::cleanPath(path);
    current.truncate(qsizetype(qstrlen(current.constData())));
    return QDir::cleanPath(decode(current) + u'/' + path);
}
