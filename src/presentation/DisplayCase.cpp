#include "presentation/DisplayCase.h"

#include "model/CharacterClasses.h"

#include <QSet>

using namespace CharacterClasses;

namespace {

bool isAsciiLower(char32_t c)
{
    return c >= U'a' && c <= U'z';
}

bool isAsciiLowerOrDigit(char32_t c)
{
    return isAsciiLower(c) || (c >= U'0' && c <= U'9');
}

// Decimal digits of any script, as a regular expression's \d matches them.
bool isDecimalDigit(char32_t c)
{
    return QChar::category(c) == QChar::Number_DecimalDigit;
}

template <typename Predicate> qsizetype skipWhile(QStringView text, qsizetype at, Predicate matches)
{
    while (at < text.size()) {
        qsizetype units = 1;
        if (!matches(codePointAt(text, at, &units)))
            break;
        at += units;
    }
    return at;
}

// ^[a-z]{1,4}\d+[a-z0-9]*$ : "la2a", "vst3", "ssl4000e".
bool isLettersThenModelNumber(QStringView word)
{
    const qsizetype letters = skipWhile(word, 0, isAsciiLower);
    if (letters < 1 || letters > 4)
        return false;
    const qsizetype digits = skipWhile(word, letters, isDecimalDigit);
    if (digits == letters)
        return false;
    return skipWhile(word, digits, isAsciiLowerOrDigit) == word.size();
}

// ^\d+[a-z]{1,3}$ : "76ln".
bool isNumberThenLetters(QStringView word)
{
    const qsizetype digits = skipWhile(word, 0, isDecimalDigit);
    if (digits == 0)
        return false;
    const qsizetype letters = skipWhile(word, digits, isAsciiLower);
    return letters == word.size() && letters - digits >= 1 && letters - digits <= 3;
}

bool isAcronym(const QString& lowerWord)
{
    static const QSet<QString> acronyms{QStringLiteral("au"),  QStringLiteral("vst"),  QStringLiteral("vst3"),
                                        QStringLiteral("aax"), QStringLiteral("clap"), QStringLiteral("fx"),
                                        QStringLiteral("eq"),  QStringLiteral("api"),  QStringLiteral("ssl"),
                                        QStringLiteral("dbx"), QStringLiteral("bx"),   QStringLiteral("ua"),
                                        QStringLiteral("ni"),  QStringLiteral("ik"),   QStringLiteral("mk1"),
                                        QStringLiteral("mk2"), QStringLiteral("mkii"), QStringLiteral("ips")};
    return acronyms.contains(lowerWord);
}

bool isAllLowerCase(const QString& text)
{
    return isLowerCased(text);
}

} // namespace

QString titleCaseToken(const QString& word)
{
    const QString trimmed = trimmedSpaceAndNewlines(word).toString();
    if (trimmed.isEmpty() || trimmed == trimmed.toUpper())
        return trimmed;
    const QString lower = trimmed.toLower();
    if (isAcronym(lower) || isLettersThenModelNumber(lower) || isNumberThenLetters(lower))
        return lower.toUpper();
    qsizetype firstUnits = 1;
    codePointAt(lower, 0, &firstUnits);
    return lower.left(firstUnits).toUpper() + lower.mid(firstUnits);
}

QString titleCaseWords(const QString& text)
{
    QStringList words;
    const QStringView view(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= view.size(); ++i) {
        if (i == view.size() || isBlank(view[i])) {
            if (i > start)
                words.append(titleCaseToken(view.mid(start, i - start).toString()));
            start = i + 1;
        }
    }
    return words.join(u' ');
}

QString displayCase(const QString& text)
{
    const QStringView view = trimmedSpaceAndNewlines(text);
    QString trimmed = view.size() == text.size() ? text : view.toString();
    if (trimmed.isEmpty())
        return trimmed;
    if (trimmed.contains(u'_'))
        return titleCaseWords(trimmed.replace(u'_', u' '));
    if (trimmed.contains(u' '))
        return isAllLowerCase(trimmed) ? titleCaseWords(trimmed) : trimmed;
    if (trimmed.contains(u'-'))
        return isAllLowerCase(trimmed) ? titleCaseWords(trimmed.replace(u'-', u' ')) : trimmed;
    return isAllLowerCase(trimmed) ? titleCaseToken(trimmed) : trimmed;
}
