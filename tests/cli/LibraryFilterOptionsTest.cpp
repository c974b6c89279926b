#include "cli/LibraryFilterOptions.h"
#include "presentation/FilterState.h"
#include "support/QtPrinters.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

class LibraryFilterOptionsTest : public testing::Test {
protected:
    void SetUp() override {
        m_hadTimeZone = qEnvironmentVariableIsSet("TZ");
        m_savedTimeZone = qgetenv("TZ");
        qputenv("TZ", "UTC");
        tzset();
    }
    void TearDown() override {
        if (m_hadTimeZone)
            qputenv("TZ", m_savedTimeZone);
        else
            qunsetenv("TZ");
        tzset();
    }

    // The error text; the filter is left in m_filter.
    QString apply(const QStringList& options) {
        QCommandLineParser parser;
        const LibraryFilterOptions filterOptions;
        filterOptions.addTo(parser);
        EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("zuzuze-vizozod")} + options))
            << parser.errorText().toStdString();
        return filterOptions.apply(parser, m_filter);
    }

    static QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), QTimeZone::utc());
    }

    FilterState m_filter;
    QByteArray m_savedTimeZone;
    bool m_hadTimeZone = false;
};

TEST_F(LibraryFilterOptionsTest, NoOptionsLeaveTheDefaults) {
    EXPECT_EQ(apply({}), QString());
    EXPECT_FALSE(m_filter.hasActiveFilters());
    EXPECT_EQ(m_filter.groupingMode(), GroupingMode::alphabetical);
}

TEST_F(LibraryFilterOptionsTest, EveryOptionSetsItsField) {
    EXPECT_EQ(
        apply({"--search", "Pro Q", "--format", "VST3", "--format", "clap", "--arch", "Intel 64", "--arch",
               "universal", "--favorites", "--tag", " Mixing ", "--tag", "eq", "--group-by", "architecture"}),
        QString());
    EXPECT_EQ(m_filter.searchText(), QStringLiteral("Pro Q"));
    EXPECT_EQ(m_filter.selectedFormats(), (QSet<PluginFormat>{PluginFormat::vst3, PluginFormat::clap}));
    EXPECT_EQ(m_filter.selectedArchitectures(),
              (QSet<PluginArchitecture>{PluginArchitecture::x86_64, PluginArchitecture::universal}));
    EXPECT_TRUE(m_filter.favoritesOnly());
    EXPECT_EQ(m_filter.selectedTags(), (QSet<QString>{"mixing", "eq"}));
    EXPECT_EQ(m_filter.groupingMode(), GroupingMode::byArchitecture);
}

TEST_F(LibraryFilterOptionsTest, ADayBoundTakesInTheWholeDay) {
    struct Case {
        QStringList options;
        QDateTime from;
        QDateTime to;
    };
    const QList<Case> cases{
        {{"--installed-from", "2024-01-31"}, utc(2024, 1, 31, 0, 0), {}},
        {{"--installed-to", "2024-01-31"}, {}, utc(2024, 1, 31, 23, 59, 59, 999)},
        {{"--installed-from", "2024-01-31T08:30", "--installed-to", "2024-02-01T10:00:05Z"},
         utc(2024, 1, 31, 8, 30),
         utc(2024, 2, 1, 10, 0, 5)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(apply(c.options), QString()) << c.options.join(u' ').toStdString();
        EXPECT_EQ(m_filter.installDateFrom(), c.from) << c.options.join(u' ').toStdString();
        EXPECT_EQ(m_filter.installDateTo(), c.to) << c.options.join(u' ').toStdString();
        m_filter.reset();
    }
}

TEST_F(LibraryFilterOptionsTest, BadValuesNameWhatIsAllowed) {
    struct Case {
        QStringList options;
        const char* error;
    };
    const QList<Case> cases{
        {{"--format", "VST2"}, "--format \"VST2\" is not one of AU, VST, VST3, AAX, CLAP, LV2 or LADSPA."},
        {{"--arch", "arm64"},
         "--arch \"arm64\" is not one of \"Apple Silicon\", \"Intel 64\", \"Universal\", \"Unknown\", \"Intel 32\", "
         "\"ARM 64\", \"ARM 32\" or \"ARM64EC\"."},
        {{"--group-by", "vendor"},
         "--group-by \"vendor\" is not one of name, publisher, format, architecture or type."},
        {{"--installed-from", "31/01/2024"},
         "--installed-from \"31/01/2024\" is not a date; write YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS."},
        {{"--installed-to", "2024-02-30"},
         "--installed-to \"2024-02-30\" is not a date; write YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS."},
        {{"--tag", " \t"}, "--tag needs a tag name."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(apply(c.options), QString::fromUtf8(c.error));
}

} // namespace
