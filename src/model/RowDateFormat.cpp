#include "model/RowDateFormat.h"

#include "model/CharacterClasses.h"

#include <QLocale>

#include <array>
#include <tuple>

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
    QString text;
    text.reserve(6 + month.size());
    if (dayNumber >= 10)
        text += QChar(u'0' + dayNumber / 10);
    text += QChar(u'0' + dayNumber % 10);
    text += u'-';
    text += month;
    text += u'-';
    text += QChar(u'0' + year / 10);
    text += QChar(u'0' + year % 10);
    return text;
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
    if (!date.isValid())
        return {};
    const QDate day = date.toUTC().date();
    return formatWith(day, currentMonthNames()[day.month() - 1]);
}

QDateTime parseRowDate(const QString& text)
{
    return parseRowDate(text, QDateTime::currentDateTimeUtc());
}

QDateTime parseRowDate(const QString& text, const QDateTime& now)
{
    const QDate day = parseRowDay(text, rowDateWindowStart(now));
    return day.isValid() ? QDateTime(day, QTime(0, 0), Qt::UTC) : QDateTime();
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
        bool same = true;
        for (int k = 0; k < 3 && same; ++k) {
            const char16_t c = view[at + k].unicode();
            same = c < 0x80 && asciiLower(c) == asciiLower(name[k]);
        }
        if (same)
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
        int startYear = 0;
        int startMonth = 0;
        int startDay = 0;
        windowStart.getDate(&startYear, &startMonth, &startDay);
        year += startYear - startYear % 100;
        if (year < startYear)
            year += 100;
        if (QDate::isValid(year, month, day) &&
            std::tie(year, month, day) < std::tie(startYear, startMonth, startDay))
            year += 100;
    }
    return QDate(year, month, day);
}
