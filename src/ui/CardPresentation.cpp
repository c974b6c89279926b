#include "ui/CardPresentation.h"

#include "descriptions/PluginDescriptionService.h"
#include "model/AbbreviatedDate.h"
#include "model/ByteCountFormat.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/Tag.h"

#include <QVariantMap>

#include <algorithm>

namespace {

constexpr qsizetype badgeLimit = 4;

} // namespace

CardPresentation::CardPresentation(QObject* parent)
    : QObject(parent)
{
}

QString CardPresentation::categoryText(const QString& name, const QString& publisher, const QString& recordCategory)
{
    const auto entry = PluginDescriptionService::shared().lookup(name, publisher);
    const QString category = entry ? entry->category : recordCategory;
    return category.isEmpty() ? QStringLiteral("Effect") : category;
}

QString CardPresentation::aboutText(const QString& name, const QString& publisher, const QString& bundleDescription)
{
    if (const auto entry = PluginDescriptionService::shared().lookup(name, publisher))
        return entry->description;
    return bundleDescription;
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
    return !architectures.contains(rawValue(PluginArchitecture::arm64)) &&
           architectures.contains(rawValue(PluginArchitecture::x86_64));
}

QString CardPresentation::outdatedTooltip(const QString& publisher)
{
    return QStringLiteral("Possibly outdated \u2014 a newer plugin from ") + publisher +
           QStringLiteral(" was installed recently.");
}

QVariantList CardPresentation::orderedInstalls(const PluginRecord* record)
{
    if (!record)
        return {};
    QList<PluginInstall*> installs = record->installs();
    std::stable_sort(installs.begin(), installs.end(), [](const PluginInstall* a, const PluginInstall* b) {
        if (a->isFound() != b->isFound())
            return a->isFound();
        return canonicalIndex(a->format()) < canonicalIndex(b->format());
    });
    QVariantList result;
    for (const PluginInstall* install : std::as_const(installs)) {
        result.append(QVariantMap{
            {QStringLiteral("format"), rawValue(install->format())},
            {QStringLiteral("architecture"), rawValue(install->architecture())},
            {QStringLiteral("notFound"), !install->isFound()},
            {QStringLiteral("sizeText"), formatByteCount(install->fileSize())},
            {QStringLiteral("filePath"), install->filePath()},
            {QStringLiteral("bundleID"), install->bundleID()},
            {QStringLiteral("version"), install->version()},
            {QStringLiteral("installed"), formatAbbreviatedDate(install->installDate())},
            {QStringLiteral("modified"), formatAbbreviatedDate(install->dateModified())},
        });
    }
    return result;
}

QStringList CardPresentation::sortedTagNames(const PluginRecord* record)
{
    QStringList names;
    if (!record)
        return names;
    for (const Tag* tag : record->tags())
        names.append(tag->name());
    std::sort(names.begin(), names.end());
    return names;
}
