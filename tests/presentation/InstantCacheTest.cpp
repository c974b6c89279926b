#include "model/RowDateFormat.h"
#include "presentation/InstantCache.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

// Runs the test body once per zone, with TZ set and restored.
class InstantCacheTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        m_hadZone = qEnvironmentVariableIsSet("TZ");
        m_savedZone = qgetenv("TZ");
        qputenv("TZ", GetParam());
        tzset();
    }
    void TearDown() override
    {
        if (m_hadZone)
            qputenv("TZ", m_savedZone);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_hadZone = false;
    QByteArray m_savedZone;
};

// Every 20 minutes over the days around both transitions of 2024 and around a UTC new year.
QList<qint64> instants()
{
    QList<qint64> result;
    const QDateTime starts[]{QDateTime(QDate(2024, 3, 8), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2024, 3, 29), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2024, 4, 5), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2024, 10, 25), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2024, 11, 1), QTime(0, 0), Qt::UTC),
                             QDateTime(QDate(2024, 12, 30), QTime(0, 0), Qt::UTC)};
    for (const QDateTime& start : starts)
        for (qint64 step = 0; step < 4 * 24 * 3; ++step)
            result.append(start.toMSecsSinceEpoch() + step * 20 * 60 * 1000 + 1234);
    return result;
}

TEST_P(InstantCacheTest, AgreesWithQtAndTheRowFormatAcrossTransitions)
{
    InstantCache cache;
    cache.revalidate();
    for (const qint64 msecs : instants()) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs);
        ASSERT_EQ(local.timeSpec(), Qt::LocalTime);
        EXPECT_EQ(cache.msecsSinceEpoch(local), msecs) << local.toString(Qt::ISODateWithMs).toStdString();
        EXPECT_EQ(cache.rowDateText(local), formatRowDate(local)) << local.toString(Qt::ISODateWithMs).toStdString();
        const QDateTime utc = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
        EXPECT_EQ(cache.msecsSinceEpoch(utc), msecs);
        EXPECT_EQ(cache.rowDateText(utc), formatRowDate(utc));
    }
    EXPECT_EQ(cache.rowDateText(QDateTime()), QString());
}

INSTANTIATE_TEST_SUITE_P(Zones, InstantCacheTest,
                         ::testing::Values("UTC", "Europe/Berlin", "America/Los_Angeles", "Australia/Lord_Howe",
                                           "Pacific/Kiritimati", "America/St_Johns"));

} // namespace
