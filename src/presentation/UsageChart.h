#pragma once

#include <QList>
#include <QString>

// One disk-usage chart of the dashboard: bars in the order shown, largest first.
struct UsageChart {
    struct Bar {
        QString label;
        qint64 bytes = 0;

        bool operator==(const Bar&) const = default;
    };

    QString title;
    QList<Bar> bars;

    bool operator==(const UsageChart&) const = default;
};
