#include "model/RowDateFormat.h"

#include "model/CharacterClasses.h"

#include <QLocale>

#include <array>

using CharacterClasses::asciiLower;

namespace {

constexpr std::array<const char16_t*, 12> englishMonths{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                        u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

// Grouping formats thousands of dates, so the month names of the current locale are looked up
// once per locale and thread rather than per date.
struct MonthNames {
    QLocale locale;
    std::array<QString, 12> names;
    bool filled = false;
};

const std::array<QString, 12>& currentMonthNames()
{
    thread_local MonthNames cache{QLocale::c(), {}, false};
    const QLocale current;
    if (!cache.filled || !(cache.locale == current)) {
        for (int month = 1; month <= 12; ++month)
            cache.names[month - 1] = current.monthName(month, QLocale::ShortFormat);
        cache.locale = current;
        cache.filled = true;
    }
    return cache.names;
}

QString formatWith(QDate day, QStringView month)
{
    int year = 0;
    int monthNumber = 0;
    int dayNumber = 0;
    day.getDate(&year, &monthNumber, &dayNumber);
    year = qAbs(year) % 100;
    // Built in place: grouping writes two of these per group.
    QString text(6 + month.size(), Qt::Uninitialized);
    QChar* out = text.data();
    if (dayNumber >= 10)
        *out++ = QChar(u'0' + dayNumber / 10);
    *out++ = QChar(u'0' + dayNumber % 10);
    *out++ = u'-';
    for (const QChar c : month)
        *out++ = c;
    *out++ = u'-';
    *out++ = QChar(u'0' + year / 10);
    *out++ = QChar(u'0' + year % 10);
    text.truncate(out - text.constData());
    return text;
}

// Gregorian days, worked out here because thousands of row dates are read per grouping.
bool isValidDay(int year, int month, int day)
{
    constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= lengths[std::size_t(month - 1)] + (month == 2 && leap ? 1 : 0);
}

qint64 julianDay(int year, int month, int day)
{
    const int a = (14 - month) / 12;
    const qint64 y = qint64(year) + 4800 - a;
    const qint64 m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// Reads a run of ASCII digits; returns how many were read.
qsizetype readDigits(QStringView text, qsizetype from, int* value)
{
    qsizetype at = from;
    *value = 0;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9' && at - from < 4) {
        *value = *value * 10 + (text[at].unicode() - u'0');
        ++at;
    }
    return at - from;
}

} // namespace

QString formatRowDate(const QDateTime& date)
{
    if (!date.isValid())
        return {};
    const QDate day = date.toUTC().date();
    return formatWith(day, QStringView(englishMonths[day.month() - 1]));
}

QString formatDisplayRowDate(const QDateTime& date)
{
    return date.isValid() ? formatDisplayRowDay(date.toUTC().date()) : QString();
}

QString formatDisplayRowDay(QDate day)
{
    return day.isValid() ? formatWith(day, currentMonthNames()[day.month() - 1]) : QString();
}

QDate rowDateWindowStart(const QDateTime& now)
{
    return now.toUTC().date().addYears(-80);
}

QDate parseRowDay(QStringView view, QDate windowStart)
{
    int day = 0;
    qsizetype at = readDigits(view, 0, &day);
    if (at < 1 || at > 2 || at >= view.size() || view[at] != u'-')
        return {};
    ++at;
    if (at + 3 >= view.size() || view[at + 3] != u'-')
        return {};
    int month = 0;
    for (int i = 0; i < 12 && month == 0; ++i) {
        const char16_t* name = englishMonths[i];
        if (view[at].unicode() < 0x80 && view[at + 1].unicode() < 0x80 && view[at + 2].unicode() < 0x80 &&
            asciiLower(view[at].unicode()) == asciiLower(name[0]) &&
            asciiLower(view[at + 1].unicode()) == name[1] && asciiLower(view[at + 2].unicode()) == name[2])
            month = i + 1;
    }
    if (month == 0)
        return {};
    at += 4;
    int year = 0;
    const qsizetype yearDigits = readDigits(view, at, &year);
    if (yearDigits < 1 || at + yearDigits != view.size())
        return {};

    if (yearDigits == 2) {
        // The two-digit year lands in [start, start + 100 years).
        // Callers read many dates against one window: keep its year.
        thread_local QDate cachedStart;
        thread_local int startYear = 0;
        if (windowStart != cachedStart) {
            startYear = windowStart.year();
            cachedStart = windowStart;
        }
        year += startYear - startYear % 100;
        if (year < startYear)
            year += 100;
        if (isValidDay(year, month, day) && julianDay(year, month, day) < windowStart.toJulianDay())
            year += 100;
    }
    if (!isValidDay(year, month, day))
        return {};
    return QDate::fromJulianDay(julianDay(year, month, day));
}
