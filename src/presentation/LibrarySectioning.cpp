#include "presentation/LibrarySectioning.h"

#include "model/CharacterClasses.h"
#include "model/LocaleCompare.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"

#include <algorithm>

namespace LibrarySectioning {

namespace {

const QString apple = QStringLiteral("Apple Silicon");
const QString intel = QStringLiteral("Intel 64");

bool sortsByLocale(GroupingMode mode)
{
    return mode == GroupingMode::byPublisher || mode == GroupingMode::byType;
}

// Headers that the collation finds equal ("FabFilter", "fabfilter") still get a fixed order.
bool localeLess(const QString& a, const QString& b)
{
    const int order = localizedCaseInsensitiveCompare(a, b);
    return order != 0 ? order < 0 : codePointLess(a, b);
}

// The latest date of the record's found installs; invalid when none has one.
QDateTime latestFoundDate(const PluginRecord* record, LibrarySortKey key)
{
    QDateTime latest;
    if (!record)
        return latest;
    for (const PluginInstall* install : record->installs()) {
        if (!install || install->status() != InstallStatus::found)
            continue;
        const QDateTime date = key == LibrarySortKey::installDate ? install->installDate() : install->dateModified();
        if (date.isValid() && (!latest.isValid() || date > latest))
            latest = date;
    }
    return latest;
}

} // namespace

void orderWithin(QList<LibrarySection>& sections, LibrarySortKey key, bool ascending,
                 const QHash<QString, PluginRecord*>& recordLookup)
{
    if (key == LibrarySortKey::name) {
        if (!ascending)
            for (LibrarySection& section : sections)
                std::reverse(section.groups.begin(), section.groups.end());
        return;
    }
    const QCollator collator = localizedCaseInsensitiveCollator();
    for (LibrarySection& section : sections) {
        QList<PluginGroup>& groups = section.groups;
        // -1, 0, 1 for a before, equal to, after b in ascending order of the key.
        auto compare = [&](const PluginGroup& a, const PluginGroup& b) -> int {
            switch (key) {
            case LibrarySortKey::publisher:
                return collator.compare(a.publisher, b.publisher);
            case LibrarySortKey::size:
                return a.totalSizeBytes < b.totalSizeBytes ? -1 : a.totalSizeBytes > b.totalSizeBytes ? 1 : 0;
            default:
                return 0;
            }
        };
        if (key == LibrarySortKey::installDate || key == LibrarySortKey::modificationDate) {
            QHash<QString, QDateTime> dates;
            dates.reserve(groups.size());
            for (const PluginGroup& group : groups)
                dates.insert(group.id, latestFoundDate(recordLookup.value(group.id), key));
            std::stable_sort(groups.begin(), groups.end(), [&](const PluginGroup& a, const PluginGroup& b) {
                const QDateTime& x = dates[a.id];
                const QDateTime& y = dates[b.id];
                if (x.isValid() != y.isValid())
                    return x.isValid();
                return ascending ? x < y : y < x;
            });
            continue;
        }
        std::stable_sort(groups.begin(), groups.end(), [&](const PluginGroup& a, const PluginGroup& b) {
            const int order = compare(a, b);
            return ascending ? order < 0 : order > 0;
        });
    }
}

bool codePointLess(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        qsizetype aUnits = 1;
        qsizetype bUnits = 1;
        const char32_t x = CharacterClasses::codePointAt(a, i, &aUnits);
        const char32_t y = CharacterClasses::codePointAt(b, j, &bUnits);
        if (x != y)
            return x < y;
        i += aUnits;
        j += bUnits;
    }
    return i == a.size() && j < b.size();
}

QString initialHeader(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("#");
    qsizetype end = 1;
    const char32_t first = CharacterClasses::codePointAt(name, 0, &end);
    if (!QChar::isLetter(first))
        return QStringLiteral("#");
    while (end < name.size()) {
        qsizetype units = 1;
        if (!CharacterClasses::isMark(CharacterClasses::codePointAt(name, end, &units)))
            break;
        end += units;
    }
    // "E" with a combining acute and a precomposed "É" are one header.
    return name.left(end).toUpper().normalized(QString::NormalizationForm_C);
}

QString header(const PluginGroup& group, GroupingMode mode, const QHash<QString, PluginRecord*>& recordLookup)
{
    switch (mode) {
    case GroupingMode::alphabetical:
        return initialHeader(group.name);
    case GroupingMode::byPublisher:
        return group.publisher;
    case GroupingMode::byFormat:
        return group.formats.isEmpty() ? QStringLiteral("Unknown") : group.formats.join(QStringLiteral(" \u00B7 "));
    case GroupingMode::byArchitecture:
        if (group.architectures.contains(apple))
            return apple;
        if (group.architectures.contains(intel))
            return QStringLiteral("Rosetta (Intel Only)");
        // Linux and Windows builds, labelled with their platform ("ARM 64 (Linux)"); other Mac
        // architectures stay under "Unknown" as before.
        for (const QString& architecture : group.architectures)
            if (architecture.endsWith(u')'))
                return architecture;
        return QStringLiteral("Unknown");
    case GroupingMode::byType: {
        const PluginRecord* record = recordLookup.value(group.id);
        if (record && !record->category().isEmpty())
            return record->category();
        return QStringLiteral("Other");
    }
    }
    return {};
}

QList<LibrarySection> sections(QList<PluginGroup> groups, GroupingMode mode,
                               const QHash<QString, PluginRecord*>& recordLookup)
{
    QList<LibrarySection> result;
    QHash<QString, qsizetype> indexByHeader;
    for (PluginGroup& group : groups) {
        const QString text = header(group, mode, recordLookup);
        const auto found = indexByHeader.constFind(text);
        qsizetype index = 0;
        if (found != indexByHeader.cend()) {
            index = found.value();
        } else {
            index = result.size();
            indexByHeader.insert(text, index);
            result.append(LibrarySection{text, {}});
        }
        result[index].groups.append(std::move(group));
    }
    // Groups arrive in name order and keep it, so re-sorting a section by name would change nothing.
    const bool byLocale = sortsByLocale(mode);
    std::sort(result.begin(), result.end(), [byLocale](const LibrarySection& a, const LibrarySection& b) {
        return byLocale ? localeLess(a.header, b.header) : codePointLess(a.header, b.header);
    });
    return result;
}

} // namespace LibrarySectioning
