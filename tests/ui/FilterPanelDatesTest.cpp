#include "ui/FilterPanelDates.h"

#include <gtest/gtest.h>

namespace {

// The panel's own test types and switches dates; these are the calendar's edges it cannot reach.
TEST(FilterPanelDatesTest, AYearBeforeALeapDayIsTheLastOfFebruaryAtTheSameTime)
{
    EXPECT_EQ(FilterPanelDates::yearBefore(QDateTime(QDate(2024, 2, 29), QTime(8, 0, 30))),
              QDateTime(QDate(2023, 2, 28), QTime(8, 0, 30)));
    const QDateTime shown(QDate(2024, 7, 9), QTime(16, 5, 30));
    EXPECT_EQ(FilterPanelDates::withDay(shown, 2021, 12, 31), QDateTime(QDate(2021, 12, 31), QTime(16, 5, 30)));
    const QDateTime set(QDate(2020, 1, 2), QTime(3, 4));
    EXPECT_EQ(FilterPanelDates::shownFrom(set), set);
    EXPECT_EQ(FilterPanelDates::shownTo(set), set);
}

} // namespace
