#include "ui/FilterPanelDates.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterPanelDatesTest, AYearBeforeKeepsTheDayAndTime)
{
    const QDateTime moment(QDate(2024, 7, 9), QTime(16, 5, 30));
    EXPECT_EQ(FilterPanelDates::yearBefore(moment), QDateTime(QDate(2023, 7, 9), QTime(16, 5, 30)));
    // A leap day a year back is the last day of that February.
    EXPECT_EQ(FilterPanelDates::yearBefore(QDateTime(QDate(2024, 2, 29), QTime(8, 0))),
              QDateTime(QDate(2023, 2, 28), QTime(8, 0)));
}

TEST(FilterPanelDatesTest, APickedDayKeepsTheShownTime)
{
    const QDateTime shown(QDate(2024, 7, 9), QTime(16, 5, 30));
    EXPECT_EQ(FilterPanelDates::withDay(shown, 2021, 12, 31), QDateTime(QDate(2021, 12, 31), QTime(16, 5, 30)));
    EXPECT_EQ(FilterPanelDates::withDay(shown, 2021, 2, 30), shown);
}

TEST(FilterPanelDatesTest, UnsetBoundsShowAYearAgoAndNow)
{
    const QDateTime before = QDateTime::currentDateTime();
    const QDate from = FilterPanelDates::shownFrom({}).date();
    EXPECT_TRUE(from == before.date().addYears(-1) || from == QDate::currentDate().addYears(-1)) << from.toString().toStdString();
    const QDateTime shown = FilterPanelDates::shownTo({});
    EXPECT_GE(shown, before);
    EXPECT_LE(shown, QDateTime::currentDateTime());
    const QDateTime set(QDate(2020, 1, 2), QTime(3, 4));
    EXPECT_EQ(FilterPanelDates::shownFrom(set), set);
    EXPECT_EQ(FilterPanelDates::shownTo(set), set);
}

} // namespace
