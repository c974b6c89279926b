#include "StandardOutputCapture.h"
#include "descriptions/PluginDescriptionService.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString ua = QStringLiteral("Universal Audio");

const PluginDescriptionService& bundled()
{
    static const PluginDescriptionService service =
        PluginDescriptionService::fromResource(PluginDescriptionService::bundledResourcePath(), {});
    return service;
}

PluginDescriptionEntry entryOf(const QString& key)
{
    EXPECT_TRUE(bundled().catalog().contains(key)) << key.toStdString();
    return bundled().catalog().value(key);
}

TEST(BundledDescriptions, LoadedCountMatchesTheEntriesInTheResource)
{
    QStringList lines;
    const auto service = PluginDescriptionService::fromResource(
        PluginDescriptionService::bundledResourcePath(), [&](const QString& line) { lines.append(line); });

    QFile file(PluginDescriptionService::bundledResourcePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject raw = QJsonDocument::fromJson(file.readAll()).object();

    EXPECT_GE(raw.size(), 250);
    EXPECT_EQ(service.catalog().size(), raw.size());
    EXPECT_EQ(lines, QStringList{QStringLiteral("[PluginDescriptionService] Loaded %1 bundled descriptions")
                                     .arg(raw.size())});
}

// The only test that touches the shared instance, so its first use happens here.
TEST(BundledDescriptions, SharedInstanceLoadsOnceOnFirstUse)
{
    StandardOutputCapture firstUse;
    const PluginDescriptionService& shared = PluginDescriptionService::shared();
    EXPECT_EQ(firstUse.finish(), QStringLiteral("[PluginDescriptionService] Loaded %1 bundled descriptions\n")
                                     .arg(bundled().catalog().size()));

    StandardOutputCapture laterUse;
    EXPECT_EQ(&shared, &PluginDescriptionService::shared());
    EXPECT_EQ(laterUse.finish(), QString());
    EXPECT_EQ(shared.catalog(), bundled().catalog());
}

TEST(BundledDescriptions, EveryEntryIsOneCategorisedSentence)
{
    const QRegularExpression sentence(QStringLiteral("^\\p{Lu}[^\\n\\r]*[^.]\\.$"));
    QSet<QString> categories;
    for (auto it = bundled().catalog().cbegin(); it != bundled().catalog().cend(); ++it) {
        const std::string key = it.key().toStdString();
        EXPECT_EQ(it.key().trimmed(), it.key()) << key;
        EXPECT_FALSE(it.value().category.trimmed().isEmpty()) << key;
        EXPECT_TRUE(sentence.match(it.value().description).hasMatch()) << key;
        EXPECT_FALSE(it.value().description.contains(QStringLiteral(". "))) << key;
        categories.insert(it.value().category);
    }
    for (const char* kind : {"Synthesizer", "Equalizer", "Compressor", "Reverb", "Delay", "Saturation", "Mastering",
                             "Utility", "Limiter", "Amp Simulator"})
        EXPECT_TRUE(categories.contains(kind)) << kind;
    EXPECT_LE(categories.size(), 40) << "categories are a short list, not one per plug-in";
}

// Distinct comparison forms mean the shipped data never depends on how ties are settled.
TEST(BundledDescriptions, KeysStayDistinctAfterCaseFoldingAndNormalising)
{
    QSet<QString> lowered;
    QSet<QString> normalised;
    for (const QString& key : bundled().catalog().keys()) {
        EXPECT_FALSE(lowered.contains(key.toLower())) << key.toStdString();
        EXPECT_FALSE(normalised.contains(PluginDescriptionService::normalized(key))) << key.toStdString();
        lowered.insert(key.toLower());
        normalised.insert(PluginDescriptionService::normalized(key));
    }
}

TEST(BundledDescriptions, UniversalAudioEntriesAreKeyedByBundleName)
{
    const QRegularExpression bundleKey(QStringLiteral("^uaudio_[a-z0-9_'-]+$"));
    int count = 0;
    for (const QString& key : bundled().catalog().keys())
        if (key.startsWith(QStringLiteral("uaudio_"))) {
            ++count;
            EXPECT_TRUE(bundleKey.match(key).hasMatch()) << key.toStdString();
        }
    EXPECT_GE(count, 20);
}

struct RealLookup {
    const char* label;
    QString name;
    std::optional<QString> publisher;
    std::optional<QString> key;
};

class BundledLookups : public ::testing::TestWithParam<RealLookup>
{
};

TEST_P(BundledLookups, FindTheExpectedEntry)
{
    const RealLookup& c = GetParam();
    const auto entry = bundled().lookup(c.name, c.publisher);
    if (!c.key) {
        EXPECT_FALSE(entry.has_value()) << c.label;
        return;
    }
    ASSERT_TRUE(entry.has_value()) << c.label;
    EXPECT_EQ(*entry, entryOf(*c.key)) << c.label;
}

const RealLookup realLookups[] = {
    {"exact", "Pro-Q 3", {}, "Pro-Q 3"},
    {"caseInsensitive", "VALHALLAVINTAGEVERB", {}, "ValhallaVintageVerb"},
    {"normalised", "Pro Q3", {}, "Pro-Q 3"},
    {"normalisedColon", "Archetype: Nolly", {}, "Archetype Nolly"},
    {"normalisedSpace", "DC8C 3", {}, "DC8C3"},
    {"prefix", "ser", {}, "Serum"},
    {"prefixVersioned", "Kontakt", {}, "Kontakt 6"},
    {"universalAudio", "LA-2A Classic", ua, "uaudio_la-2a_classic"},
    {"universalAudioLowerCase", "LA-2A Classic", "universal audio", "uaudio_la-2a_classic"},
    {"universalAudioNormalised", "Dream '65 Reverb Amplifier", ua, "uaudio_dream_65_reverb_amplifier"},
    {"universalAudioSpelling", "1176 AE", ua, "uaudio_1176ae"},
    {"universalAudioOtherPublisher", "LA-2A Classic", "Waves", std::nullopt},
    {"universalAudioNoPublisher", "Fairchild 670", std::nullopt, std::nullopt},
    {"unknown", "Definitely Not A Plug-in", ua, std::nullopt},
    {"emptyName", "", ua, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(PluginDescriptionService, BundledLookups, ::testing::ValuesIn(realLookups),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
