#pragma once

#include <QDateTime>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The install-date bounds the filter panel shows and sets. Dates are local; the pickers change
// only the day of a bound and keep its time.
class FilterPanelDates : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit FilterPanelDates(QObject* parent = nullptr);

    // What "Use start date" sets: this moment one calendar year back.
    [[nodiscard]] Q_INVOKABLE static QDateTime startDefault();
    // What "Use end date" sets: this moment.
    [[nodiscard]] Q_INVOKABLE static QDateTime endDefault();
    // No bound.
    [[nodiscard]] Q_INVOKABLE static QDateTime unset() { return {}; }
    // What the pickers show while their bound is unset: the bounds their switches would set
    // (a year ago, and now).
    [[nodiscard]] Q_INVOKABLE static QDateTime shownFrom(const QDateTime& from);
    [[nodiscard]] Q_INVOKABLE static QDateTime shownTo(const QDateTime& to);
    // `shown` moved to another day (month 1..12) at the same local time; `shown` itself when the
    // day does not exist.
    [[nodiscard]] Q_INVOKABLE static QDateTime withDay(const QDateTime& shown, int year, int month, int day);

    // The same day and time a year earlier; 29 February becomes the 28th.
    [[nodiscard]] static QDateTime yearBefore(const QDateTime& moment);
};
