#include "model/ByteCountFormat.h"
#include "model/LocaleCompare.h"
#include "model/RowDateFormat.h"

#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Sets the process's default locale for one test and puts the previous one back.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_previous); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale m_previous;
};

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

TEST(ByteCountTest, WritesFileStyleText)
{
    const std::pair<qint64, const char*> cases[] = {
        {0, "Zero KB"}, {1, "1 byte"}, {2, "2 bytes"}, {999, "999 bytes"}, {1000, "1 KB"}, {1499, "1 KB"},
        {1500, "2 KB"}, {3548, "4 KB"}, {999'499, "999 KB"}, {999'500, "1 MB"}, {1'000'000, "1 MB"},
        {1'049'999, "1 MB"}, {1'050'000, "1.1 MB"}, {1'500'000, "1.5 MB"}, {12'345'678, "12.3 MB"},
        {999'949'999, "999.9 MB"}, {999'950'000, "1 GB"}, {1'005'000'000, "1.01 GB"}, {1'234'567'890, "1.23 GB"},
        {1'500'000'000, "1.5 GB"}, {1'000'000'000'000, "1 TB"}, {1'234'567'890'123, "1.23 TB"},
        {std::numeric_limits<qint64>::max(), "9.22 EB"}, {-1, "-1 byte"}, {-1500, "-2 KB"},
        {std::numeric_limits<qint64>::min(), "-9.22 EB"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(formatByteCount(bytes), QString::fromUtf8(text)) << bytes;
}

TEST(SizeTextTest, ReadsBytes)
{
    const std::pair<const char*, qint64> cases[] = {
        {"2048", 2048}, {"1.5 KB", 1500}, {"abc", 0}, {"12abc", 0}, {"12  MB", 12}, {"", 0}, {"   ", 0},
        {"Zero KB", 0}, {"1 byte", 1}, {"999 bytes", 999}, {"1.5 MB", 1'500'000}, {"1.23 GB", 1'230'000'000},
        {"2 gb", 2'000'000'000}, {"7 kb", 7000}, {" \t3 KB\n", 3000}, {"2.5 TB", 2'500'000'000'000}, {"1.5 XB", 1},
        {"-1.5 KB", -1500}, {"1e3", 1000}, {"0.9", 0}, {"12\tMB", 0}, {"nan", 0}, {"1,5 MB", 0},
        {"1e30 GB", std::numeric_limits<qint64>::max()}};
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(parseSizeText(QString::fromUtf8(text)), bytes) << text;
}

TEST(LocaleCompareTest, AccentedNamesSortBesideBaseLettersCaseAside)
{
    const DefaultLocale c(QLocale::c());
    QStringList names{QStringLiteral("Zebra"), QStringLiteral("Éclair"), QStringLiteral("apple"),
                      QStringLiteral("Foxtrot"), QStringLiteral("delta")};
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return localizedCaseInsensitiveCompare(a, b) < 0; });
    EXPECT_EQ(names, (QStringList{QStringLiteral("apple"), QStringLiteral("delta"), QStringLiteral("Éclair"),
                                  QStringLiteral("Foxtrot"), QStringLiteral("Zebra")}));
    // Case aside; only the standard compare reads numbers as numbers.
    EXPECT_EQ(localizedCaseInsensitiveCompare(QStringLiteral("reverb"), QStringLiteral("REVERB")), 0);
    EXPECT_LT(localizedStandardCompare(QStringLiteral("Vol 2"), QStringLiteral("vol 10")), 0);
    EXPECT_GT(localizedCaseInsensitiveCompare(QStringLiteral("Vol 2"), QStringLiteral("vol 10")), 0);
    EXPECT_EQ(localizedStandardCompare(QStringLiteral("Strings"), QStringLiteral("STRINGS")), 0);
}

TEST(LocaleCompareTest, CollatorAgreesWithCompareAndFollowsTheLocale)
{
    const QStringList names{QStringLiteral("Éclair"), QStringLiteral("eclair"), QStringLiteral("ECLAIR 2"),
                            QStringLiteral("Zebra"),  QStringLiteral("apple"),  QStringLiteral("Apple")};
    const QCollator collator = localizedCaseInsensitiveCollator();
    for (const QString& a : names) {
        for (const QString& b : names) {
            const int direct = localizedCaseInsensitiveCompare(a, b);
            const int viaCollator = collator.compare(a, b);
            EXPECT_EQ(direct < 0, viaCollator < 0) << a.toStdString() << " " << b.toStdString();
            EXPECT_EQ(direct == 0, viaCollator == 0) << a.toStdString() << " " << b.toStdString();
        }
    }
    // Swedish puts "ö" after "z", English beside "o": both follow a change of the default locale.
    {
        const DefaultLocale swedish(QLocale(QLocale::Swedish, QLocale::Sweden));
        EXPECT_GT(localizedCaseInsensitiveCompare(QStringLiteral("öl"), QStringLiteral("zz")), 0);
        EXPECT_GT(localizedCaseInsensitiveCollator().compare(QStringLiteral("öl"), QStringLiteral("zz")), 0);
    }
    const DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_LT(localizedCaseInsensitiveCompare(QStringLiteral("öl"), QStringLiteral("zz")), 0);
}

TEST(RowDateFormatTest, WritesDayMonthAndTwoDigitYearInEnglish)
{
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ((QStringList{formatRowDate(utc(2026, 12, 5, 10, 30)), formatRowDate(utc(2001, 1, 9)),
                           formatRowDate(utc(1999, 3, 17)), formatRowDate(utc(2100, 5, 31)), formatRowDate(QDateTime())}),
              (QStringList{u"5-Dec-26"_s, u"9-Jan-01"_s, u"17-Mar-99"_s, u"31-May-00"_s, QString()}));
    // The day in UTC, not in the date's own zone.
    EXPECT_EQ(formatRowDate(QDateTime(QDate(2026, 12, 6), QTime(0, 30), QTimeZone(2 * 3600))), QStringLiteral("5-Dec-26"));
}

TEST(RowDateFormatTest, TwoDigitYearsFallInTheCenturyStartingEightyYearsAgoAndMalformedTextsAreRefused)
{
    const QDate windowStart = rowDateWindowStart(utc(2026, 12, 6, 12));
    // The window opens on 6 Dec 1946 and closes before 6 Dec 2046.
    const std::pair<const char*, QDate> cases[] = {
        {"5-Dec-26", {2026, 12, 5}}, {"17-Mar-99", {1999, 3, 17}}, {"1-Jan-00", {2000, 1, 1}},
        {"6-Dec-46", {1946, 12, 6}}, {"5-Dec-46", {2046, 12, 5}}, {"1-Jan-47", {1947, 1, 1}},
        {"31-Dec-45", {2045, 12, 31}}, {"05-Dec-26", {2026, 12, 5}}, {"5-DEC-26", {2026, 12, 5}},
        {"5-Dec-1926", {1926, 12, 5}}, {"29-Feb-24", {2024, 2, 29}}};
    for (const auto& [text, day] : cases)
        EXPECT_EQ(parseRowDay(QString::fromUtf8(text), windowStart), day) << text;
    for (const char* text : {"", "5-Dec", "5-Dec-", "32-Dec-26", "29-Feb-25", "5-Foo-26", "5 Dec 26",
                             "5-Dec-26x", "x5-Dec-26", "123-Dec-26", "5-Dez-26", "5-Dec-12345"})
        EXPECT_FALSE(parseRowDay(QString::fromUtf8(text), windowStart).isValid()) << text;
}

TEST(RowDateFormatTest, RoundTripsWithinTheWindow)
{
    const QDate windowStart = rowDateWindowStart(utc(2026, 12, 6));
    for (QDate day(1947, 1, 1); day < QDate(2046, 12, 1); day = day.addDays(97)) {
        const QString text = formatRowDate(QDateTime(day, QTime(0, 0), Qt::UTC));
        EXPECT_EQ(parseRowDay(text, windowStart), day) << text.toStdString();
    }
}

TEST(RowDateFormatTest, DisplayFormUsesTheCurrentLocalesMonthNames)
{
    {
        const DefaultLocale c(QLocale::c());
        EXPECT_EQ(formatDisplayRowDate(utc(2026, 12, 5)), QStringLiteral("5-Dec-26"));
    }
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    const QString text = formatDisplayRowDate(utc(2026, 3, 5));
    EXPECT_TRUE(text.startsWith(QStringLiteral("5-M"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("rz"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("-26"))) << text.toStdString();
    EXPECT_EQ(formatDisplayRowDate(QDateTime()), QString());
}

} // namespace
