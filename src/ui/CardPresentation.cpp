#include "ui/CardPresentation.h"

#include "model/AbbreviatedDate.h"
#include "model/ByteCountFormat.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/CatalogStore.h"
#include "model/LocaleCompare.h"
#include "presentation/CardTexts.h"
#include "presentation/GroupKey.h"

#include <algorithm>

#include <QVariantMap>

namespace {

constexpr qsizetype badgeLimit = 4;

} // namespace

CardPresentation::CardPresentation(QObject* parent)
    : QObject(parent)
{
}

QString CardPresentation::subtitleText(const QString& name, const QString& publisher, const QString& recordCategory)
{
    return CardTexts::subtitleText(name, publisher, recordCategory);
}

QString CardPresentation::categoryText(const QString& name, const QString& publisher, const QString& recordCategory)
{
    return CardTexts::categoryText(name, publisher, recordCategory);
}

QString CardPresentation::aboutText(const QString& name, const QString& publisher, const QString& bundleDescription)
{
    return CardTexts::aboutText(name, publisher, bundleDescription);
}

QStringList CardPresentation::badgeFormats(const QStringList& formats)
{
    return formats.mid(0, badgeLimit);
}

QString CardPresentation::overflowText(const QStringList& formats)
{
    if (formats.size() <= badgeLimit)
        return {};
    return u'+' + QString::number(formats.size() - badgeLimit);
}

bool CardPresentation::showsRosetta(const QStringList& architectures)
{
    return CardTexts::showsRosetta(architectures);
}

bool CardPresentation::hasWindowsInstall(const PluginRecord* record)
{
    if (!record)
        return false;
    const QList<PluginInstall*> found = record->foundInstalls();
    return std::any_of(found.cbegin(), found.cend(),
                       [](const PluginInstall* install) { return install->platform() == PluginPlatform::windows; });
}

QString CardPresentation::outdatedTooltip(const QString& publisher)
{
    return QStringLiteral("Possibly outdated \u2014 a newer plugin from ") + publisher +
           QStringLiteral(" was installed recently.");
}

QString CardPresentation::accessibleSummary(const QString& publisher, const QStringList& formats,
                                            const QString& totalSize, const QString& dated)
{
    QStringList parts;
    if (!publisher.isEmpty())
        parts.append(publisher);
    parts.append(formats);
    parts.append(totalSize.isEmpty() ? QStringLiteral("no size") : totalSize);
    parts.append(dated.isEmpty() ? QStringLiteral("no date") : dated);
    return parts.join(QStringLiteral(", "));
}

QVariantList CardPresentation::orderedInstalls(const PluginRecord* record)
{
    QVariantList result;
    for (const PluginInstall* install : CardTexts::orderedInstalls(record)) {
        result.append(QVariantMap{
            {QStringLiteral("format"), rawValue(install->format())},
            {QStringLiteral("architecture"), rawValue(install->architecture())},
            {QStringLiteral("notFound"), !install->isFound()},
            {QStringLiteral("sizeText"), formatByteCount(install->fileSize())},
            {QStringLiteral("isMac"), install->platform() == PluginPlatform::macOS},
            {QStringLiteral("platform"), install->isBridged()
                                             ? rawValue(install->platform()) + QStringLiteral(", bridged into Linux hosts")
                                             : rawValue(install->platform())},
            {QStringLiteral("filePath"), install->filePath()},
            {QStringLiteral("bundleID"), install->bundleID()},
            {QStringLiteral("version"), install->version()},
            {QStringLiteral("installed"), formatAbbreviatedDate(install->installDate())},
            {QStringLiteral("modified"), formatAbbreviatedDate(install->dateModified())},
        });
    }
    return result;
}

QList<const PluginRecord*> CardPresentation::groupRecords(const PluginRecord* record)
{
    if (!record)
        return {};
    QList<const PluginRecord*> others;
    if (const CatalogStore* store = record->store()) {
        const QString key = groupKey(record->name());
        for (const PluginRecord* other : store->records())
            if (other != record && !other->foundInstalls().isEmpty() && groupKey(other->name()) == key)
                others.append(other);
    }
    std::stable_sort(others.begin(), others.end(), [](const PluginRecord* a, const PluginRecord* b) {
        const int byName = localizedStandardCompare(a->name(), b->name());
        return byName != 0 ? byName < 0 : localizedStandardCompare(a->publisher(), b->publisher()) < 0;
    });
    others.prepend(record);
    return others;
}

QVariantList CardPresentation::groupInstalls(const PluginRecord* record)
{
    const QList<const PluginRecord*> records = groupRecords(record);
    QVariantList result;
    for (const PluginRecord* member : records) {
        const QString heading =
            records.size() > 1 ? member->name() + QStringLiteral(" \u2014 ") + member->publisher() : QString();
        const QVariantList installs = orderedInstalls(member);
        for (qsizetype index = 0; index < installs.size(); ++index) {
            QVariantMap install = installs.at(index).toMap();
            install.insert(QStringLiteral("heading"), index == 0 ? heading : QString());
            result.append(install);
        }
    }
    return result;
}

QStringList CardPresentation::sortedTagNames(const PluginRecord* record)
{
    return CardTexts::sortedTagNames(record);
}
