#include "CatalogBuilder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString decodePrefix = QStringLiteral("[PluginDescriptionService] Failed to decode: ");
const QString notFound = QStringLiteral("[PluginDescriptionService] PluginDescriptions.json not found in bundle");

struct Recorded {
    QStringList lines;
    PluginDescriptionService::LineSink sink()
    {
        return [this](const QString& line) { lines.append(line); };
    }
};

TEST(PluginDescriptionLoading, KeepsEntriesExactlyAndCountsThem)
{
    const struct {
        QByteArray json;
        QMap<QString, PluginDescriptionEntry> expected;
    } cases[] = {
        {"{}", {}},
        {R"({"Serum": {"category": "Synthesizer", "description": "Wavetable synthesizer."},
             "Pro-Q 3": {"category": "Equalizer", "description": "Parametric equalizer."}})",
         {{"Serum", {"Synthesizer", "Wavetable synthesizer."}}, {"Pro-Q 3", {"Equalizer", "Parametric equalizer."}}}},
        // Other members are ignored; keys and texts are kept as they stand.
        {R"({"Serum": {"category": "Synth", "description": "Wavetable.", "tags": ["a"], "year": 2014}})",
         {{"Serum", {"Synth", "Wavetable."}}}},
        {R"({" Odd  Key ": {"category": "", "description": "Line one.\nLine \"two\" \u00e9."}})",
         {{" Odd  Key ", {"", QStringLiteral("Line one.\nLine \"two\" \u00e9.")}}}},
    };
    for (const auto& c : cases) {
        Recorded out;
        const auto service = PluginDescriptionService::fromBytes(c.json, out.sink());
        EXPECT_EQ(out.lines, QStringList{QStringLiteral("[PluginDescriptionService] Loaded %1 bundled descriptions")
                                             .arg(c.expected.size())});
        EXPECT_EQ(service.catalog(), c.expected) << c.json.constData();
    }
}

struct DecodeFailure {
    const char* label;
    QByteArray json;
    QString reason; // empty: the parser's own wording, not pinned
};

TEST(PluginDescriptionLoading, DecodeFailuresLeaveAnEmptyCatalogueAndOneLine)
{
    const DecodeFailure decodeFailures[] = {
        {"emptyBytes", "", ""},
        {"notUtf8Json", "\xff\xfe{", ""},
        {"topLevelArray", R"([{"category": "EQ", "description": "d"}])", "the catalogue is not a JSON object"},
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
    for (const DecodeFailure& c : decodeFailures) {
        SCOPED_TRACE(c.label);
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
    }
}

TEST(PluginDescriptionLoading, ReadsFilesAndSaysWhatIsMissingOrUnreadable)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString good = write("good.json", catalogJson({"Serum", "Massive", "Diva"}));
    const QString bad = write("bad.json", catalogJson({"Serum"}).chopped(1));

    Recorded out;
    const auto loaded = PluginDescriptionService::fromResource(good, out.sink());
    EXPECT_EQ(foundKey(loaded, "diva"), "Diva");
    const auto malformed = PluginDescriptionService::fromResource(bad, out.sink());
    EXPECT_TRUE(malformed.catalog().isEmpty());
    // A missing resource, a missing file, a folder, and a file whose first read fails.
    for (const QString& path : {QStringLiteral(":/NoSuchCatalogue.json"), dir.filePath("PluginDescriptions.json"),
                                dir.path(), QStringLiteral("/proc/self/mem")}) {
        const auto missing = PluginDescriptionService::fromResource(path, out.sink());
        EXPECT_TRUE(missing.catalog().isEmpty()) << path.toStdString();
    }
    ASSERT_EQ(out.lines.size(), 6);
    EXPECT_EQ(out.lines[0], "[PluginDescriptionService] Loaded 3 bundled descriptions");
    EXPECT_TRUE(out.lines[1].startsWith(decodePrefix));
    EXPECT_EQ(out.lines.mid(2), QStringList(4, notFound));
}

// The default sink's lines on standard output are pinned with the shared instance.
TEST(PluginDescriptionLoading, NoSinkMeansSilence)
{
    ::testing::internal::CaptureStdout();
    const auto quietLoad = PluginDescriptionService::fromBytes(catalogJson({"Serum"}), {});
    const auto quietFailure = PluginDescriptionService::fromBytes("{", {});
    const auto quietMissing = PluginDescriptionService::fromResource(":/NoSuchCatalogue.json", {});
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(quietLoad.catalog().size(), 1);
}

} // namespace
