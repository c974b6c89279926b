#include "presentation/RecordTagging.h"

#include "model/CatalogStore.h"
#include "model/PluginRecord.h"
#include "model/Tag.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

namespace RecordTagging {

QString tagName(const QString& text)
{
    const QString lower = text.toLower();
    qsizetype start = 0;
    qsizetype end = lower.size();
    while (start < end && isBlank(lower[start]))
        ++start;
    while (end > start && isBlank(lower[end - 1]))
        --end;
    return lower.mid(start, end - start);
}

bool addTag(PluginRecord* record, const QString& text)
{
    const QString name = tagName(text);
    CatalogStore* store = record ? record->store() : nullptr;
    if (!store || name.isEmpty())
        return false;
    for (const Tag* tag : record->tags())
        if (tag->name() == name)
            return false;

    const QList<Tag*> existing = store->fetch<Tag>("name", name);
    Tag* tag = existing.isEmpty() ? store->insert(new Tag(name)) : existing.first();
    record->addTag(tag);
    return true;
}

bool removeTag(PluginRecord* record, const QString& name)
{
    if (!record)
        return false;
    bool removed = false;
    for (Tag* tag : record->tags()) {
        if (tag->name() == name) {
            record->removeTag(tag);
            removed = true;
        }
    }
    return removed;
}

} // namespace RecordTagging
