#include "presentation/PublisherPrefix.h"

#include "model/CharacterClasses.h"
#include "store/CanonicalNames.h"

using namespace CharacterClasses;

namespace {

// First user-perceived character: the first code point with the marks that follow it.
QStringView firstCharacter(QStringView word)
{
    qsizetype units = 1;
    codePointAt(word, 0, &units);
    qsizetype end = units;
    while (end < word.size()) {
        qsizetype next = 1;
        if (!isMark(codePointAt(word, end, &next)))
            break;
        end += next;
    }
    return word.left(end);
}

QStringList prefixKeys(const QString& publisher)
{
    QList<QString> words;
    const QStringView view(publisher);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= view.size();) {
        qsizetype units = 1;
        if (i == view.size() || !isAlphanumeric(codePointAt(view, i, &units))) {
            if (i > start)
                words.append(view.mid(start, i - start).toString().toLower());
            if (i == view.size())
                break;
            start = i + units;
        }
        i += units;
    }
    if (words.isEmpty())
        return {};

    QStringList keys{words.join(QString()), words.first()};
    QString initials;
    for (const QString& word : std::as_const(words))
        initials += firstCharacter(word);
    keys.append(initials);
    if (words.size() >= 2) {
        keys.append(words.first() + words.last());
        keys.append(firstCharacter(words.first()).toString() + words.last());
    }
    QStringList result;
    for (const QString& key : std::as_const(keys)) {
        const QString reduced = alphanumericsOnly(key.toLower());
        if (!reduced.isEmpty() && !result.contains(reduced))
            result.append(reduced);
    }
    return result;
}

bool isNameSeparator(QChar c)
{
    return c == u' ' || c == u'_' || c == u'-';
}

} // namespace

PublisherPrefix::PublisherPrefix(const QString& publisher)
    : m_keys(prefixKeys(publisher)), m_publisherAsName(cleanedPluginName(publisher))
{
    for (const QString& key : std::as_const(m_keys))
        if (!m_keyStarts.contains(key.front()))
            m_keyStarts += key.front();
}

QString PublisherPrefix::strip(const QString& name) const
{
    // A bundle without a maker reports its own name as publisher; that is no maker prefix.
    if (m_keys.isEmpty() || equalLowerCased(name, m_publisherAsName))
        return name;
    const QStringView view(name);
    qsizetype at = 0;
    while (at < view.size() && isNameSeparator(view[at]))
        ++at;
    const qsizetype firstStart = at;
    while (at < view.size() && !isNameSeparator(view[at]))
        ++at;
    const QStringView first = view.mid(firstStart, at - firstStart);
    while (at < view.size() && isNameSeparator(view[at]))
        ++at;
    if (at == view.size() || !mayBeKey(first) || !m_keys.contains(lowerCasedAlphanumerics(first)))
        return name;
    QString rest;
    rest.reserve(view.size() - at);
    while (at < view.size()) {
        const qsizetype start = at;
        while (at < view.size() && !isNameSeparator(view[at]))
            ++at;
        if (!rest.isEmpty())
            rest += u' ';
        rest += view.mid(start, at - start);
        while (at < view.size() && isNameSeparator(view[at]))
            ++at;
    }
    return rest;
}

// Spares building the piece's key for most names: an ASCII piece must start like some key.
bool PublisherPrefix::mayBeKey(QStringView piece) const
{
    for (const QChar c : piece) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80)
            return true;
        if ((unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9') ||
            (unit >= u'A' && unit <= u'Z'))
            return m_keyStarts.contains(QChar(asciiLower(unit)));
    }
    return true;
}
