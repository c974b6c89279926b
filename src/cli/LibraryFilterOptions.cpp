#include "cli/LibraryFilterOptions.h"

#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"
#include "model/PluginPlatform.h"
#include "presentation/FilterState.h"
#include "presentation/GroupingMode.h"
#include "presentation/RecordTagging.h"

#include <QDateTime>
#include <QSet>

#include <optional>

namespace {

// Raw values, ignoring case: "vst3" is as good as "VST3".
template <typename E> std::optional<E> valueNamed(const QString& text) {
    for (const E item : allCases<E>())
        if (rawValue(item).compare(text, Qt::CaseInsensitive) == 0)
            return item;
    return std::nullopt;
}

// "AU, VST, VST3, AAX or CLAP", each quoted when quoting asks for it.
template <typename E> QString allowedValues(bool quoted, bool lowerCase = false) {
    QStringList names;
    for (const E item : allCases<E>()) {
        const QString name = lowerCase ? rawValue(item).toLower() : rawValue(item);
        names.append(quoted ? u'"' + name + u'"' : name);
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

template <typename E>
QString collect(const QStringList& values, const QString& option, const QString& allowed, QSet<E>& into) {
    for (const QString& value : values) {
        const std::optional<E> item = valueNamed<E>(value);
        if (!item)
            return QStringLiteral("--%1 \"%2\" is not one of %3.").arg(option, value, allowed);
        into.insert(*item);
    }
    return {};
}

// A day (YYYY-MM-DD) stands for its first or last moment in local time, so that both bounds
// take in the whole day; a date and time (YYYY-MM-DDTHH:MM[:SS], optionally with a zone) is exact.
QDateTime parseBound(const QString& text, bool endOfDay) {
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (day.isValid() && text.size() == 10)
        return endOfDay ? QDateTime(day, QTime(23, 59, 59, 999)) : QDateTime(day, QTime(0, 0));
    if (!text.contains(u'T'))
        return {};
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

} // namespace

LibraryFilterOptions::LibraryFilterOptions()
    : m_search(QStringLiteral("search"),
               QStringLiteral("Only plug-ins whose name or publisher contains TEXT (any case)."),
               QStringLiteral("TEXT")),
      m_format(QStringLiteral("format"),
               QStringLiteral("Only plug-ins installed in format F: %1. Repeat for any of several.")
                   .arg(allowedValues<PluginFormat>(false)),
               QStringLiteral("F")),
      m_arch(QStringLiteral("arch"),
             QStringLiteral(
                 "Only plug-ins with an install of architecture A, as stored: %1. Repeat for any of several.")
                 .arg(allowedValues<PluginArchitecture>(true)),
             QStringLiteral("A")),
      m_platform(QStringLiteral("platform"),
                 QStringLiteral("Only plug-ins with an install built for platform P: %1. Repeat for any of several.")
                     .arg(allowedValues<PluginPlatform>(false)),
                 QStringLiteral("P")),
      m_favorites(QStringLiteral("favorites"), QStringLiteral("Only favorites.")),
      m_tag(QStringLiteral("tag"), QStringLiteral("Only plug-ins tagged NAME. Repeat: all must be present."),
            QStringLiteral("NAME")),
      m_installedFrom(
          QStringLiteral("installed-from"),
          QStringLiteral("Only plug-ins with an install installed on or after DATE (YYYY-MM-DD, or "
                         "YYYY-MM-DDTHH:MM:SS)."),
          QStringLiteral("DATE")),
      m_installedTo(
          QStringLiteral("installed-to"),
          QStringLiteral("Only plug-ins with an install installed on or before DATE (a day counts whole)."),
          QStringLiteral("DATE")),
      m_groupBy(
          QStringLiteral("group-by"),
          QStringLiteral("Sections by %1 (default: name).").arg(allowedValues<GroupingMode>(false, true)),
          QStringLiteral("MODE")) {}

void LibraryFilterOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions(
        {m_search, m_format, m_arch, m_platform, m_favorites, m_tag, m_installedFrom, m_installedTo, m_groupBy});
}

QString LibraryFilterOptions::synopsis() {
    return QStringLiteral("[--search TEXT] [--format F]... [--arch A]... [--platform P]... [--favorites] [--tag NAME]... "
                          "[--installed-from DATE] [--installed-to DATE] [--group-by MODE]");
}

QString LibraryFilterOptions::apply(const QCommandLineParser& parser, FilterState& filter) const {
    if (parser.isSet(m_search))
        filter.setSearchText(parser.value(m_search));

    QSet<PluginFormat> formats;
    QString error = collect(parser.values(m_format), m_format.names().first(),
                            allowedValues<PluginFormat>(false), formats);
    if (!error.isEmpty())
        return error;
    filter.setSelectedFormats(formats);

    QSet<PluginArchitecture> architectures;
    error = collect(parser.values(m_arch), m_arch.names().first(), allowedValues<PluginArchitecture>(true),
                    architectures);
    if (!error.isEmpty())
        return error;
    filter.setSelectedArchitectures(architectures);

    QSet<PluginPlatform> platforms;
    error = collect(parser.values(m_platform), m_platform.names().first(), allowedValues<PluginPlatform>(false),
                    platforms);
    if (!error.isEmpty())
        return error;
    filter.setSelectedPlatforms(platforms);

    filter.setFavoritesOnly(parser.isSet(m_favorites));

    QSet<QString> tags;
    for (const QString& value : parser.values(m_tag)) {
        const QString name = RecordTagging::tagName(value);
        if (name.isEmpty())
            return QStringLiteral("--tag needs a tag name.");
        tags.insert(name);
    }
    filter.setSelectedTags(tags);

    const auto bound = [&](const QCommandLineOption& option, bool endOfDay, QDateTime& into) {
        if (!parser.isSet(option))
            return QString();
        const QString text = parser.value(option);
        into = parseBound(text, endOfDay);
        if (!into.isValid())
            return QStringLiteral("--%1 \"%2\" is not a date; write YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS.")
                .arg(option.names().first(), text);
        return QString();
    };
    QDateTime from;
    QDateTime to;
    error = bound(m_installedFrom, false, from);
    if (error.isEmpty())
        error = bound(m_installedTo, true, to);
    if (!error.isEmpty())
        return error;
    filter.setInstallDateFrom(from);
    filter.setInstallDateTo(to);

    if (parser.isSet(m_groupBy)) {
        const std::optional<GroupingMode> mode = valueNamed<GroupingMode>(parser.value(m_groupBy));
        if (!mode)
            return QStringLiteral("--group-by \"%1\" is not one of %2.")
                .arg(parser.value(m_groupBy), allowedValues<GroupingMode>(false, true));
        filter.setGroupingMode(*mode);
    }
    return {};
}
