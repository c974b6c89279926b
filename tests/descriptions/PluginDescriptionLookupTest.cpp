#include "CatalogBuilder.h"

#include <gtest/gtest.h>

namespace {

using Found = std::optional<QString>;
const QString ua = QStringLiteral("Universal Audio");

struct LookupCase {
    const char* label;
    QStringList keys;
    QString name;
    std::optional<QString> publisher;
    Found expected;
};

TEST(PluginDescriptionLookup, StepsFindTheExpectedKey)
{
    const LookupCase lookupCases[] = {
        // 1. exact key, even when a case variant sorts first
        {"exact", {"COMP", "Comp"}, "Comp", {}, "Comp"},
        // 2. case-insensitive key
        {"caseVariantsTieBySortedKey", {"Comp", "COMP"}, "comp", {}, "COMP"},
        {"caseBeforeNormalised", {"Pro-Q 3", "proq3"}, "PRO-Q 3", {}, "Pro-Q 3"},
        // 3. normalised key, the shortest
        {"normalisedShortest", {"Pro-Q 3", "ProQ3", "Pro - Q - 3"}, "pro q 3", {}, "ProQ3"},
        {"normalisedBeforePrefix", {"Pro-Q 3", "pro q3 extra"}, "pro q3", {}, "Pro-Q 3"},
        {"normalisedAccentsDiffer", {"Café"}, "Cafe", {}, std::nullopt},
        // 4. prefix of the lower-cased key, the shortest
        {"prefixShortest", {"Serum", "Serum FX"}, "ser", {}, "Serum"},
        {"prefixTieBySortedKey", {"Serum B", "Serum A"}, "ser", {}, "Serum A"},
        {"prefixTieByKeyNotLowerCased", {"Serum A", "SERUM X"}, "ser", {}, "SERUM X"},
        {"prefixCountsCharactersNotCodeUnits", {"Seres", QStringLiteral("Sere\u0301")}, "ser", {},
         QStringLiteral("Sere\u0301")},
        {"prefixIsNotNormalised", {"Pro-Q 3"}, "proq", {}, std::nullopt},
        {"prefixKeepsPunctuation", {"Pro-Q 3"}, "PRO-Q", {}, "Pro-Q 3"},
        {"nameLongerThanKey", {"Ser"}, "Serum", {}, std::nullopt},
        // 5. Universal Audio bundle naming
        {"uaExact", {"uaudio_la-2a_classic"}, "LA-2A Classic", ua, "uaudio_la-2a_classic"},
        {"uaPublisherLowerCase", {"uaudio_la-2a_classic"}, "LA-2A Classic", "universal audio",
         "uaudio_la-2a_classic"},
        {"uaNormalisedShortest", {"UAudio: LA-2A Classic", "uaudio-la2a-classic"}, "LA2A Classic", ua,
         "uaudio-la2a-classic"},
        {"uaExactBeforeShorterNormalised", {"uaudio_la-2a_classic", "uaudiola2aclassic"}, "LA-2A Classic", ua,
         "uaudio_la-2a_classic"},
        {"uaAfterEarlierSteps", {"LA-2A Classic", "uaudio_la-2a_classic"}, "LA-2A Classic", ua, "LA-2A Classic"},
        {"uaOtherPublisher", {"uaudio_la-2a_classic"}, "LA-2A Classic", "Waves", std::nullopt},
        {"uaPublisherWithSuffix", {"uaudio_la-2a_classic"}, "LA-2A Classic", "Universal Audio Inc.", std::nullopt},
        {"uaNoPublisher", {"uaudio_la-2a_classic"}, "LA-2A Classic", std::nullopt, std::nullopt},
        {"uaUnderscoreInName", {"uaudio_la-2a_classic"}, "LA-2A_Classic", ua, "uaudio_la-2a_classic"},
        {"uaOnlySpacesBecomeUnderscores", {"uaudio_la-2a_classic", "uaudiola2aclassic"}, "LA-2A\tClassic", ua,
         "uaudiola2aclassic"},
        // 6. nothing
        {"unknown", {"Serum"}, "Massive", ua, std::nullopt},
        // A name with nothing to compare finds nothing, not an arbitrary key.
        {"emptyName", {"Serum", "Massive"}, "", {}, std::nullopt},
        {"punctuationName", {"Serum", "- Serum"}, "- ", {}, std::nullopt},
        {"emptyNameUniversalAudio", {"uaudio_", "uaudio"}, "", ua, std::nullopt},
        {"emptyKeyNeverMatches", {""}, "", {}, std::nullopt},
    };
    for (const LookupCase& c : lookupCases) {
        const auto service = catalogOf(c.keys);
        ASSERT_EQ(service.catalog().size(), c.keys.size()) << c.label;
        EXPECT_EQ(foundKey(service, c.name, c.publisher), c.expected) << c.label;
    }
}

struct NormalisedCase {
    QString text;
    QString expected;
};

TEST(PluginDescriptionLookup, NormalisedKeepsLowerCasedLettersMarksAndDigits)
{
    const NormalisedCase cases[] = {
        {"Pro-Q 3", "proq3"},
        {QStringLiteral("Ça Va!"), QStringLiteral("çava")},
        {QStringLiteral("Cafe\u0301 Noir"), QStringLiteral("cafe\u0301noir")},
        {QStringLiteral("½ Speed"), QStringLiteral("½speed")},
        {QStringLiteral("\U0001F3B9 Keys & Co."), "keysco"},
        {QStringLiteral("\U00010400x 2"), QStringLiteral("\U00010428x2")},
        {"", ""},
        {" -_./\t", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PluginDescriptionService::normalized(c.text), c.expected) << c.text.toStdString();
}

} // namespace
