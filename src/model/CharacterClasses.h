#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The character classes names and publishers are cut with. Blanks are the horizontal white space
// (space separators and tab); "white space and newlines" adds the line and paragraph breaks.
namespace CharacterClasses {

inline bool isBlank(QChar c)
{
    if (c.unicode() < 0x80)
        return c == u' ' || c == u'\t';
    return c.category() == QChar::Separator_Space;
}

inline bool isSpaceOrNewline(QChar c)
{
    if (c.unicode() < 0x80)
        return c == u' ' || (c >= u'\t' && c <= u'\r');
    return c.isSpace();
}

inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

// Letters, marks and numbers (general categories L, M and N).
inline bool isAlphanumeric(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

inline bool isMark(char32_t codePoint)
{
    const auto category = QChar::category(codePoint);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// Code point starting at index, and how many UTF-16 units it takes. A lone surrogate stands for itself.
inline char32_t codePointAt(QStringView text, qsizetype index, qsizetype* units = nullptr)
{
    const QChar c = text[index];
    if (c.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate()) {
        if (units)
            *units = 2;
        return QChar::surrogateToUcs4(c, text[index + 1]);
    }
    if (units)
        *units = 1;
    return c.unicode();
}

// Code point ending just before index.
inline char32_t codePointBefore(QStringView text, qsizetype index)
{
    const QChar c = text[index - 1];
    if (c.isLowSurrogate() && index >= 2 && text[index - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[index - 2], c);
    return c.unicode();
}

template <typename Predicate> QStringView trimmed(QStringView text, Predicate isTrimmed)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

inline QStringView trimmedBlanks(QStringView text)
{
    return trimmed(text, isBlank);
}

inline QStringView trimmedSpaceAndNewlines(QStringView text)
{
    return trimmed(text, isSpaceOrNewline);
}

// Keeps letters, marks and numbers, in order.
inline QString alphanumericsOnly(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype units = 1;
        if (isAlphanumeric(codePointAt(text, i, &units)))
            result.append(text.mid(i, units));
        i += units;
    }
    return result;
}

// Full Unicode lower-casing, with a quick path for ASCII text.
inline QString lowerCased(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return text.toString().toLower();
        out[i] = asciiLower(c);
    }
    return result;
}

// The same into a buffer kept by the caller, sparing an allocation per text.
inline void lowerCasedInto(QStringView text, QString& buffer)
{
    buffer.resize(text.size());
    QChar* out = buffer.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) {
            buffer = text.toString().toLower();
            return;
        }
        out[i] = QChar(asciiLower(c));
    }
}

// The text without blanks at either end, sharing the text when there are none.
inline QString trimmedBlanksShared(const QString& text)
{
    const QStringView view = trimmedBlanks(QStringView(text));
    return view.size() == text.size() ? text : view.toString();
}

// Lower-cased, keeping only letters, marks and numbers.
inline QString lowerCasedAlphanumerics(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80)
            return alphanumericsOnly(lowerCased(text));
        if ((unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9'))
            result.append(c);
        else if (unit >= u'A' && unit <= u'Z')
            result.append(QChar(unit + 32));
    }
    return result;
}

// Whether both texts are equal once lower-cased, without building the lower-cased copies.
inline bool equalLowerCased(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[j].unicode();
        if (x < 0x80 && y < 0x80) {
            if (asciiLower(x) != asciiLower(y))
                return false;
            ++i;
            ++j;
            continue;
        }
        qsizetype xUnits = 1;
        qsizetype yUnits = 1;
        const char32_t cx = codePointAt(a, i, &xUnits);
        const char32_t cy = codePointAt(b, j, &yUnits);
        // U+0130 is the one character whose full lower-case form is two characters.
        if (cx == 0x130 || cy == 0x130)
            return a.toString().toLower() == b.toString().toLower();
        if (QChar::toLower(cx) != QChar::toLower(cy))
            return false;
        i += xUnits;
        j += yUnits;
    }
    // Whatever is left over lower-cases to at least one character.
    return i == a.size() && j == b.size();
}

// Whether the text equals its lower-cased form.
inline bool isLowerCased(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return text == text.toLower();
        if (c >= u'A' && c <= u'Z')
            return false;
    }
    return true;
}

} // namespace CharacterClasses
