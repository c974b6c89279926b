#include "model/Tag.h"

#include "model/PluginRecord.h"

Tag::Tag(const QString& name) : m_name(name) {}

Tag::~Tag()
{
    for (PluginRecord* record : std::as_const(m_groups)) {
        if (const qsizetype index = record->m_tags.indexOf(this); index >= 0) {
            record->m_tags.removeAt(index);
            record->m_tagLinkOrders.removeAt(index);
        }
    }
}

void Tag::setName(const QString& value)
{
    assign(m_name, value, &Tag::nameChanged);
}

void Tag::attachGroup(PluginRecord* record)
{
    m_groups.append(record);
    Q_EMIT groupsChanged();
}

void Tag::detachGroup(PluginRecord* record)
{
    if (m_groups.removeOne(record))
        Q_EMIT groupsChanged();
}
