#pragma once

#include <QString>

// One figure of the dashboard's card grid, as shown.
struct StatCard {
    QString title;
    QString value;
    QString symbol;
    // "blue", "indigo", "teal", "mint", "green" or "orange".
    QString tint;

    bool operator==(const StatCard&) const = default;
};
