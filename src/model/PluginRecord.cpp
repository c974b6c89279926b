#include "model/PluginRecord.h"

#include "model/AbbreviatedDate.h"
#include "model/BundleByteTotal.h"
#include "model/ByteCountFormat.h"
#include "model/CatalogStore.h"
#include "model/PluginInstall.h"
#include "model/Tag.h"

#include <array>
#include <limits>

PluginRecord::PluginRecord(const QString& name, const QString& publisher) : m_name(name), m_publisher(publisher) {}

PluginRecord::~PluginRecord()
{
    for (PluginInstall* install : std::as_const(m_installs))
        install->m_group = nullptr;
    for (Tag* tag : std::as_const(m_tags))
        tag->m_groups.removeOne(this);
}

void PluginRecord::setName(const QString& value)
{
    assign(m_name, value, &PluginRecord::nameChanged);
}

void PluginRecord::setPublisher(const QString& value)
{
    assign(m_publisher, value, &PluginRecord::publisherChanged);
}

void PluginRecord::setDisplayVersion(const QString& value)
{
    assign(m_displayVersion, value, &PluginRecord::displayVersionChanged);
}

void PluginRecord::setCategory(const QString& value)
{
    assign(m_category, value, &PluginRecord::categoryChanged);
}

void PluginRecord::setBundleDescription(const QString& value)
{
    assign(m_bundleDescription, value, &PluginRecord::bundleDescriptionChanged);
}

void PluginRecord::setIsFavorite(bool value)
{
    assign(m_isFavorite, value, &PluginRecord::isFavoriteChanged);
}

void PluginRecord::setNotes(const QString& value)
{
    assign(m_notes, value, &PluginRecord::notesChanged);
}

void PluginRecord::addTag(Tag* tag)
{
    if (!tag || m_tags.contains(tag) || !joinStores(tag))
        return;
    attachTag(tag, nextSequence());
    tag->attachGroup(this);
    linksChanged();
}

void PluginRecord::removeTag(Tag* tag)
{
    if (!tag || !m_tags.contains(tag))
        return;
    detachTag(tag);
    tag->detachGroup(this);
    linksChanged();
}

void PluginRecord::attachInstall(PluginInstall* install)
{
    m_installs.append(install);
    Q_EMIT installsChanged();
    Q_EMIT derivedValuesChanged();
}

void PluginRecord::detachInstall(PluginInstall* install)
{
    if (!m_installs.removeOne(install))
        return;
    Q_EMIT installsChanged();
    Q_EMIT derivedValuesChanged();
}

void PluginRecord::attachTag(Tag* tag, qint64 linkOrder)
{
    m_tags.append(tag);
    m_tagLinkOrders.append(linkOrder);
    Q_EMIT tagsChanged();
}

void PluginRecord::detachTag(Tag* tag)
{
    const qsizetype index = m_tags.indexOf(tag);
    if (index < 0)
        return;
    m_tags.removeAt(index);
    m_tagLinkOrders.removeAt(index);
    Q_EMIT tagsChanged();
}

void PluginRecord::linksChanged()
{
    if (store() && !isDeleted())
        store()->recordLinksChanged(this);
}

QList<PluginInstall*> PluginRecord::foundInstalls() const
{
    QList<PluginInstall*> found;
    for (PluginInstall* install : m_installs)
        if (install->isFound())
            found.append(install);
    return found;
}

QStringList PluginRecord::formatList() const
{
    constexpr auto formats = allCases<PluginFormat>();
    std::array<bool, formats.size()> present{};
    for (const PluginInstall* install : m_installs)
        if (install->isFound())
            present[std::size_t(canonicalIndex(install->format()))] = true;
    QStringList list;
    for (std::size_t i = 0; i < formats.size(); ++i)
        if (present[i])
            list.append(rawValue(formats[i]));
    return list;
}

QString PluginRecord::lastModifiedText() const
{
    QDateTime latest;
    for (const PluginInstall* install : m_installs)
        if (install->isFound() && (!latest.isValid() || install->dateModified() > latest))
            latest = install->dateModified();
    if (!latest.isValid())
        return QStringLiteral("\u2014");
    return formatAbbreviatedDate(latest);
}

QString PluginRecord::totalSizeText() const
{
    BundleByteTotal total;
    for (const PluginInstall* install : m_installs)
        if (install->isFound())
            (void)total.add(*install);
    return formatByteCount(total.total());
}

bool PluginRecord::hasInstallOlderThanAYear(const QDateTime& asOf) const
{
    constexpr qint64 yearMSecs = 31'536'000LL * 1000;
    QDateTime earliest;
    for (const PluginInstall* install : m_installs)
        if (install->isFound() && install->installDate().isValid() &&
            (!earliest.isValid() || install->installDate() < earliest))
            earliest = install->installDate();
    if (!earliest.isValid() || !asOf.isValid())
        return false;
    return asOf.toMSecsSinceEpoch() - earliest.toMSecsSinceEpoch() > yearMSecs;
}
