#include "store/CanonicalNames.h"

#include "model/CharacterClasses.h"

#include <QHash>

#include <array>
#include <initializer_list>
#include <utility>

using namespace CharacterClasses;

namespace {

struct PublisherRow {
    const char* display;
    std::initializer_list<const char*> aliases;
};

// Rows and aliases in this order; every key is distinct, so no entry replaces another.
const std::array<PublisherRow, 20> publisherRows{{
    {"Analog Obsession", {"Analog Obsession", "AnalogObsession"}},
    {"Audio Damage", {"Audio Damage", "Audio Damage, Inc."}},
    {"Cherry Audio", {"Cherry Audio", "Cherryaudio"}},
    {"Velmora Audio", {"Velmora Audio", "Velmora", "Velmora Audio LLC", "VelmoraAudio", "Velmoraaudio"}},
    {"DDMF", {"DDMF", "Ddmf"}},
    {"Full Bucket Music", {"Full Bucket Music", "Fullbucket"}},
    {"GS DSP", {"GS DSP", "Gs Dsp"}},
    {"Genuine Soundware", {"Genuine Soundware", "GenuineSoundware"}},
    {"Green Oak Software", {"Green Oak Software", "Greenoak"}},
    {"Moog Music", {"Moog", "Moogmusic", "Moog Music"}},
    {"Plugin Boutique", {"Plugin Boutique", "Pluginboutique"}},
    {"Polyverse Music", {"Polyverse", "Polyverse Music"}},
    {"Scaler Music", {"Scaler Music", "Scalermusic"}},
    {"SoundGhosts", {"SoundGhost", "SoundGhosts"}},
    {"The Crow Hill Company", {"Crow Hill", "The Crow Hill Company", "Thecrowhillcompany"}},
    {"Universal Audio", {"Universal Audio", "Universal Audio (UADx)"}},
    {"Valhalla DSP", {"Valhalla DSP", "Valhalla DSP, LLC"}},
    {"Vital Audio", {"Vital", "Vital Audio"}},
    {"XILS-lab", {"XILS 3.2", "Xils Lab", "Xilslab"}},
    {"Yamaha", {"Yamaha", "Yamaha Corporation"}},
}};

// Removed only as separate trailing words; the order does not matter.
constexpr std::array<const char16_t*, 11> wordSuffixes{
    u"llc", u"inc", u"ltd", u"corp", u"corporation", u"co", u"gmbh", u"ag", u"sa", u"bv", u"kk"};
// Removed when glued to the end; "corporation" is missing on purpose and "co" comes last.
constexpr std::array<const char16_t*, 10> joinedSuffixes{u"llc", u"inc", u"ltd", u"corp", u"gmbh",
                                                         u"ag",  u"sa",  u"bv",  u"kk",   u"co"};

// Tried in this order; matched against the lower-cased name.
constexpr std::array<const char16_t*, 15> spacedNameSuffixes{
    u" Audio Unit", u" AU64",     u" AU",     u" VST 3", u" VST3", u" VSTi", u" VST", u" AAX",
    u" CLAP",       u" Surround", u" Stereo", u" Mono",  u" FX",   u"_x64",  u"AU64"};
constexpr std::array<const char16_t*, 3> gluedNameSuffixes{u"AU", u"VST", u"VSTi"};

template <std::size_t N> std::array<QString, N> lowerCased(const std::array<const char16_t*, N>& texts)
{
    std::array<QString, N> result;
    for (std::size_t i = 0; i < N; ++i)
        result[i] = QString::fromUtf16(texts[i]).toLower();
    return result;
}

const QHash<QString, QString>& displayMap()
{
    static const QHash<QString, QString> map = [] {
        QHash<QString, QString> built;
        for (const PublisherRow& row : publisherRows)
            for (const char* alias : row.aliases)
                built.insert(publisherKey(QString::fromUtf8(alias)), QString::fromUtf8(row.display));
        return built;
    }();
    return map;
}

bool isLowerCaseLetterBefore(QStringView text, qsizetype index)
{
    return index > 0 && QChar::category(codePointBefore(text, index)) == QChar::Letter_Lowercase;
}

// How many characters one step of the name cleaning removes from the end, 0 when none applies.
// endsWith(suffix) tells whether the lower-cased name ends with the lower-case suffix.
template <typename EndsWith> qsizetype nameSuffixLength(QStringView name, EndsWith endsWith)
{
    static const auto spaced = lowerCased(spacedNameSuffixes);
    static const auto glued = lowerCased(gluedNameSuffixes);
    static const QString inst = QStringLiteral("inst");
    for (const QString& suffix : spaced)
        if (suffix.size() < name.size() && endsWith(suffix))
            return suffix.size();
    for (const QString& suffix : glued)
        if (suffix.size() < name.size() && endsWith(suffix) &&
            isLowerCaseLetterBefore(name, name.size() - suffix.size()))
            return suffix.size();
    if (name.size() >= 5 && endsWith(inst))
        return 4;
    return 0;
}

bool isAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QString publisherKey(const QString& text)
{
    QStringView view(text);
    if (const qsizetype paren = view.indexOf(u'('); paren >= 0)
        view = view.left(paren);
    if (const qsizetype comma = view.indexOf(u','); comma >= 0)
        view = view.left(comma);
    QString key = trimmedSpaceAndNewlines(view).toString().toLower();
    if (key.startsWith(u"the "))
        key.remove(0, 4);

    for (bool removed = true; removed;) {
        removed = false;
        for (const char16_t* suffix : wordSuffixes) {
            const QStringView word(suffix);
            if (key.size() > word.size() && key.endsWith(word) && key[key.size() - word.size() - 1] == u' ') {
                key.chop(word.size() + 1);
                key = trimmedBlanks(key).toString();
                removed = true;
            }
        }
    }

    key = alphanumericsOnly(key);

    for (bool removed = true; removed;) {
        removed = false;
        for (const char16_t* suffix : joinedSuffixes) {
            const QStringView joined(suffix);
            if (key.size() > joined.size() + 2 && key.endsWith(joined)) {
                key.chop(joined.size());
                removed = true;
            }
        }
    }
    return key;
}

QString displayPublisher(const QString& text)
{
    const auto& map = displayMap();
    const auto found = map.constFind(publisherKey(text));
    return found == map.cend() ? text : found.value();
}

QString cleanedPluginName(const QString& text)
{
    QStringView name = trimmedBlanks(text);
    if (isAscii(name)) {
        // Lower-casing ASCII keeps every position, so the suffixes are compared in place.
        const auto endsWith = [&name](const QString& suffix) {
            const qsizetype offset = name.size() - suffix.size();
            if (offset < 0)
                return false;
            for (qsizetype k = suffix.size() - 1; k >= 0; --k)
                if (asciiLower(name[offset + k].unicode()) != suffix[k].unicode())
                    return false;
            return true;
        };
        while (const qsizetype cut = nameSuffixLength(name, endsWith))
            name = trimmedBlanks(name.chopped(cut));
        return name.size() == text.size() ? text : name.toString();
    }
    QString current = name.toString();
    for (;;) {
        const QString lower = current.toLower();
        const qsizetype cut =
            nameSuffixLength(current, [&lower](const QString& suffix) { return lower.endsWith(suffix); });
        if (cut == 0)
            return current;
        current = trimmedBlanks(QStringView(current).chopped(cut)).toString();
    }
}

RecordKey recordKey(const QString& name, const QString& publisher)
{
    return {trimmedBlanksShared(lowerCased(cleanedPluginName(name))),
            publisherKey(displayPublisher(publisher))};
}
