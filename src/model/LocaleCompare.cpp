#include "model/LocaleCompare.h"

#include <QLocale>

#include <optional>

namespace {

// QCollator is not safe to share between threads and costly to set up, so each thread keeps
// its own pair and rebuilds them only when the default locale changes.
struct Collators {
    QLocale locale;
    std::optional<QCollator> plain;
    std::optional<QCollator> numeric;
};

Collators& collators()
{
    thread_local Collators cache{QLocale::c(), std::nullopt, std::nullopt};
    const QLocale current;
    if (!cache.plain || !(cache.locale == current)) {
        // The C locale collates by code unit, which would put "Éclair" after "Zebra".
        const QLocale collation =
            current.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : current;
        cache.locale = current;
        cache.plain.emplace(collation);
        cache.plain->setCaseSensitivity(Qt::CaseInsensitive);
        cache.numeric.emplace(collation);
        cache.numeric->setCaseSensitivity(Qt::CaseInsensitive);
        cache.numeric->setNumericMode(true);
    }
    return cache;
}

} // namespace

int localizedCaseInsensitiveCompare(const QString& a, const QString& b)
{
    return collators().plain->compare(a, b);
}

int localizedStandardCompare(const QString& a, const QString& b)
{
    return collators().numeric->compare(a, b);
}

QCollator localizedCaseInsensitiveCollator()
{
    return *collators().plain;
}
