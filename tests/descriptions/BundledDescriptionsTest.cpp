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

// The only test that touches the shared instance, so its first use happens here.
TEST(BundledDescriptions, SharedInstanceLoadsEveryEntryOnceOnFirstUse)
{
    QFile file(PluginDescriptionService::bundledResourcePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject raw = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_GE(raw.size(), 250);

    ::testing::internal::CaptureStdout();
    const PluginDescriptionService& shared = PluginDescriptionService::shared();
    EXPECT_EQ(QString::fromStdString(::testing::internal::GetCapturedStdout()),
              QStringLiteral("[PluginDescriptionService] Loaded %1 bundled descriptions\n").arg(raw.size()));
    EXPECT_EQ(shared.catalog().size(), raw.size());

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(&shared, &PluginDescriptionService::shared());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(shared.catalog(), bundled().catalog());
}

// One categorised sentence per entry, and keys that stay distinct after case folding and
// normalising, so the shipped data never depends on how ties are settled.
TEST(BundledDescriptions, EntriesAreDistinctCategorisedSentences)
{
    const QRegularExpression sentence(QStringLiteral("^\\p{Lu}[^\\n\\r]*[^.]\\.$"));
    const QRegularExpression bundleKey(QStringLiteral("^uaudio_[a-z0-9_'-]+$"));
    QSet<QString> categories, lowered, normalised;
    int universalAudio = 0;
    for (auto it = bundled().catalog().cbegin(); it != bundled().catalog().cend(); ++it) {
        const QString& key = it.key();
        const std::string label = key.toStdString();
        EXPECT_EQ(key.trimmed(), key) << label;
        EXPECT_FALSE(it.value().category.trimmed().isEmpty()) << label;
        EXPECT_TRUE(sentence.match(it.value().description).hasMatch()) << label;
        EXPECT_FALSE(it.value().description.contains(QStringLiteral(". "))) << label;
        EXPECT_FALSE(lowered.contains(key.toLower())) << label;
        EXPECT_FALSE(normalised.contains(PluginDescriptionService::normalized(key))) << label;
        if (key.startsWith(QStringLiteral("uaudio_"))) {
            ++universalAudio;
            EXPECT_TRUE(bundleKey.match(key).hasMatch()) << label;
        }
        categories.insert(it.value().category);
        lowered.insert(key.toLower());
        normalised.insert(PluginDescriptionService::normalized(key));
    }
    for (const char* kind : {"Synthesizer", "Equalizer", "Compressor", "Reverb", "Delay", "Saturation", "Mastering",
                             "Utility", "Limiter", "Amp Simulator"})
        EXPECT_TRUE(categories.contains(kind)) << kind;
    EXPECT_LE(categories.size(), 40) << "categories are a short list, not one per plug-in";
    EXPECT_GE(universalAudio, 20);
}

struct RealLookup {
    const char* label;
    QString name;
    std::optional<QString> publisher;
    std::optional<QString> key;
};

// The steps themselves are pinned on small catalogues; these pin what the shipped data answers.
TEST(BundledDescriptions, LookupsFindTheExpectedEntry)
{
    const RealLookup realLookups[] = {
        {"caseInsensitive", "VALHALLAVINTAGEVERB", {}, "ValhallaVintageVerb"},
        {"normalisedSpace", "DC8C 3", {}, "DC8C3"},
        {"prefixVersioned", "Kontakt", {}, "Kontakt 6"},
        {"universalAudioNormalised", "Dream '65 Reverb Amplifier", ua, "uaudio_dream_65_reverb_amplifier"},
        {"universalAudioSpelling", "1176 AE", ua, "uaudio_1176ae"},
        {"unknown", "Definitely Not A Plug-in", ua, std::nullopt},
    };
    for (const RealLookup& c : realLookups) {
        const auto entry = bundled().lookup(c.name, c.publisher);
        EXPECT_EQ(entry.has_value(), c.key.has_value()) << c.label;
        if (entry && c.key) {
            EXPECT_EQ(*entry, bundled().catalog().value(*c.key)) << c.label;
        }
    }
}

} // namespace
