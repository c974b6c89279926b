#include "model/RowDateFormat.h"
#include "presentation/InstantCache.h"

#include "support/QtPrinters.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

// Every 20 minutes over the days around both transitions of 2024 and around a UTC new year.
QList<qint64> instants()
{
    QList<qint64> result;
    for (const QDate day : {QDate(2024, 3, 8), QDate(2024, 3, 29), QDate(2024, 4, 5), QDate(2024, 10, 25),
                            QDate(2024, 11, 1), QDate(2024, 12, 30)}) {
        const qint64 start = QDateTime(day, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
        for (qint64 step = 0; step < 4 * 24 * 3; ++step)
            result.append(start + step * 20 * 60 * 1000 + 1234);
    }
    return result;
}

// In zones with odd offsets and transitions, with TZ put back afterwards.
TEST(InstantCacheTest, AgreesWithQtAndTheRowFormatAcrossTransitions)
{
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    const QByteArray savedZone = qgetenv("TZ");
    const auto restore = qScopeGuard([&] {
        if (hadZone)
            qputenv("TZ", savedZone);
        else
            qunsetenv("TZ");
        tzset();
    });
    for (const char* zone : {"UTC", "Europe/Berlin", "America/Los_Angeles", "Australia/Lord_Howe", "Pacific/Kiritimati",
                             "America/St_Johns"}) {
        SCOPED_TRACE(zone);
        qputenv("TZ", zone);
        tzset();
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
}

} // namespace
