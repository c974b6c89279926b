#include "CatalogBuilder.h"
#include "StandardOutputCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString loadedPrefix = QStringLiteral("[PluginDescriptionService] Loaded ");
const QString decodePrefix = QStringLiteral("[PluginDescriptionService] Failed to decode: ");
const QString notFound = QStringLiteral("[PluginDescriptionService] PluginDescriptions.json not found in bundle");

struct Recorded {
    QStringList lines;
    PluginDescriptionService::LineSink sink()
    {
        return [this](const QString& line) { lines.append(line); };
    }
};

TEST(PluginDescriptionLoading, ReportsTheNumberOfEntriesLoaded)
{
    Recorded out;
    const auto service = PluginDescriptionService::fromBytes(R"({
        "Serum": {"category": "Synthesizer", "description": "Wavetable synthesizer."},
        "Pro-Q 3": {"category": "Equalizer", "description": "Parametric equalizer."}
    })",
                                                             out.sink());
    EXPECT_EQ(out.lines, QStringList{"[PluginDescriptionService] Loaded 2 bundled descriptions"});
    const QMap<QString, PluginDescriptionEntry> expected{
        {"Serum", {"Synthesizer", "Wavetable synthesizer."}},
        {"Pro-Q 3", {"Equalizer", "Parametric equalizer."}},
    };
    EXPECT_EQ(service.catalog(), expected);
}

TEST(PluginDescriptionLoading, EmptyObjectLoadsNothing)
{
    Recorded out;
    const auto service = PluginDescriptionService::fromBytes("{}", out.sink());
    EXPECT_EQ(out.lines, QStringList{"[PluginDescriptionService] Loaded 0 bundled descriptions"});
    EXPECT_TRUE(service.catalog().isEmpty());
}

TEST(PluginDescriptionLoading, IgnoresOtherMembersOfAnEntry)
{
    Recorded out;
    const auto service = PluginDescriptionService::fromBytes(
        R"({"Serum": {"category": "Synth", "description": "Wavetable.", "tags": ["a"], "year": 2014}})",
        out.sink());
    EXPECT_EQ(out.lines, QStringList{"[PluginDescriptionService] Loaded 1 bundled descriptions"});
    EXPECT_EQ(service.catalog().value("Serum"), (PluginDescriptionEntry{"Synth", "Wavetable."}));
}

TEST(PluginDescriptionLoading, KeepsTextsExactly)
{
    const auto service = PluginDescriptionService::fromBytes(
        R"({" Odd  Key ": {"category": "", "description": "Line one.\nLine \"two\" \u00e9."}})", {});
    ASSERT_TRUE(service.catalog().contains(" Odd  Key "));
    EXPECT_EQ(service.catalog().value(" Odd  Key "),
              (PluginDescriptionEntry{"", QStringLiteral("Line one.\nLine \"two\" \u00e9.")}));
}

struct DecodeFailure {
    const char* label;
    QByteArray json;
    QString reason; // empty: the parser's own wording, not pinned
};

class DecodeFailures : public ::testing::TestWithParam<DecodeFailure>
{
};

TEST_P(DecodeFailures, LeaveAnEmptyCatalogueAndOneLine)
{
    const DecodeFailure& c = GetParam();
    Recorded out;
    const auto service = PluginDescriptionService::fromBytes(c.json, out.sink());
    ASSERT_EQ(out.lines.size(), 1);
    const QString& line = out.lines.first();
    EXPECT_TRUE(line.startsWith(decodePrefix)) << line.toStdString();
    EXPECT_GT(line.size(), decodePrefix.size()) << "the error's description follows";
    EXPECT_FALSE(line.contains('\n'));
    if (!c.reason.isEmpty()) {
        EXPECT_EQ(line, decodePrefix + c.reason);
    }
    EXPECT_TRUE(service.catalog().isEmpty());
    EXPECT_FALSE(service.lookup("A").has_value());
    EXPECT_FALSE(service.lookup("Serum").has_value());
}

const DecodeFailure decodeFailures[] = {
    {"emptyBytes", "", ""},
    {"unterminated", "{", ""},
    {"trailingGarbage", "{} x", ""},
    {"truncated", R"({"A": {"category": "EQ", "descr)", ""},
    {"notUtf8Json", "\xff\xfe{", ""},
    {"topLevelArray", "[]", "the catalogue is not a JSON object"},
    {"topLevelArrayOfEntries", R"([{"category": "EQ", "description": "d"}])", "the catalogue is not a JSON object"},
    {"entryNotObject", R"({"A": 1})", R"(entry "A" is not an object)"},
    {"entryIsString", R"({"A": "Equalizer"})", R"(entry "A" is not an object)"},
    {"missingDescription", R"({"A": {"category": "EQ"}})", R"(entry "A" has no "description")"},
    {"missingCategory", R"({"A": {"description": "d"}})", R"(entry "A" has no "category")"},
    {"categoryNumber", R"({"A": {"category": 3, "description": "d"}})",
     R"(entry "A" has a "category" that is not a string)"},
    {"descriptionNull", R"({"A": {"category": "EQ", "description": null}})",
     R"(entry "A" has a "description" that is not a string)"},
    {"oneBadEntryAmongGood",
     R"({"A": {"category": "EQ", "description": "d"}, "B": {"category": "EQ"}, "C": {"category": "EQ", "description": "d"}})",
     R"(entry "B" has no "description")"},
    {"lineBreakInKey", R"({"Line\nBreak": 1})", R"(entry "Line Break" is not an object)"},
};

INSTANTIATE_TEST_SUITE_P(PluginDescriptionService, DecodeFailures, ::testing::ValuesIn(decodeFailures),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(PluginDescriptionLoading, MissingResourceIsNotFound)
{
    Recorded out;
    const auto service = PluginDescriptionService::fromResource(":/NoSuchCatalogue.json", out.sink());
    EXPECT_EQ(out.lines, QStringList{notFound});
    EXPECT_TRUE(service.catalog().isEmpty());
    EXPECT_FALSE(service.lookup("Serum").has_value());
}

TEST(PluginDescriptionLoading, MissingFileAndFolderAreNotFound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& path : {dir.filePath("PluginDescriptions.json"), dir.path()}) {
        Recorded out;
        const auto service = PluginDescriptionService::fromResource(path, out.sink());
        EXPECT_EQ(out.lines, QStringList{notFound}) << path.toStdString();
        EXPECT_TRUE(service.catalog().isEmpty());
    }
}

TEST(PluginDescriptionLoading, UnreadableBytesAreNotFound)
{
    // A file that opens but whose first read fails.
    const QString unreadable = QStringLiteral("/proc/self/mem");
    if (!QFile::exists(unreadable))
        GTEST_SKIP() << "needs /proc";
    Recorded out;
    const auto service = PluginDescriptionService::fromResource(unreadable, out.sink());
    EXPECT_EQ(out.lines, QStringList{notFound});
    EXPECT_TRUE(service.catalog().isEmpty());
}

TEST(PluginDescriptionLoading, ReadsAFileInPlaceOfTheResource)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("catalogue.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(catalogJson({"Serum", "Massive", "Diva"}));
    file.close();

    Recorded out;
    const auto service = PluginDescriptionService::fromResource(file.fileName(), out.sink());
    EXPECT_EQ(out.lines, QStringList{"[PluginDescriptionService] Loaded 3 bundled descriptions"});
    EXPECT_EQ(foundKey(service, "diva"), "Diva");
}

TEST(PluginDescriptionLoading, MalformedFileIsADecodeFailure)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("catalogue.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(catalogJson({"Serum"}).chopped(1));
    file.close();

    Recorded out;
    const auto service = PluginDescriptionService::fromResource(file.fileName(), out.sink());
    ASSERT_EQ(out.lines.size(), 1);
    EXPECT_TRUE(out.lines.first().startsWith(decodePrefix));
    EXPECT_TRUE(service.catalog().isEmpty());
}

TEST(PluginDescriptionLoading, WithoutASinkLoadsSilently)
{
    StandardOutputCapture capture;
    const auto loaded = PluginDescriptionService::fromBytes(catalogJson({"Serum"}), {});
    const auto failed = PluginDescriptionService::fromBytes("{", {});
    const auto missing = PluginDescriptionService::fromResource(":/NoSuchCatalogue.json", {});
    EXPECT_EQ(capture.finish(), QString());
    EXPECT_EQ(loaded.catalog().size(), 1);
}

TEST(PluginDescriptionLoading, DiagnosticsGoToStandardOutputAsLines)
{
    StandardOutputCapture capture;
    const auto loaded = PluginDescriptionService::fromBytes(catalogJson({"Serum", "Diva"}));
    const auto failed = PluginDescriptionService::fromBytes(R"({"A": 1})");
    const auto missing = PluginDescriptionService::fromResource(":/NoSuchCatalogue.json");
    EXPECT_EQ(capture.finish(), "[PluginDescriptionService] Loaded 2 bundled descriptions\n"
                                "[PluginDescriptionService] Failed to decode: entry \"A\" is not an object\n"
                                "[PluginDescriptionService] PluginDescriptions.json not found in bundle\n");
}

} // namespace
