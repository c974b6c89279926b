#include "model/AbbreviatedDate.h"

#include <QRegularExpression>

namespace {

// Qt has no abbreviated date style; derive one from the long pattern.
QString abbreviatedPattern(const QLocale& locale)
{
    QString pattern = locale.dateFormat(QLocale::LongFormat);
    // The weekday with the separator that ties it to the rest ("dddd, " or ", dddd").
    static const QRegularExpression weekday(QStringLiteral("^\\s*dddd[\\s,.\u060C\u3001]*|[\\s,.\u060C\u3001]*dddd"));
    pattern.remove(weekday);
    static const QRegularExpression fullMonth(QStringLiteral("MMMM"));
    pattern.replace(fullMonth, QStringLiteral("MMM"));
    pattern = pattern.trimmed();
    return pattern.isEmpty() ? locale.dateFormat(QLocale::ShortFormat) : pattern;
}

} // namespace

QString formatAbbreviatedDate(const QDateTime& date, const QLocale& locale)
{
    if (!date.isValid())
        return {};
    return locale.toString(date.toLocalTime().date(), abbreviatedPattern(locale));
}
