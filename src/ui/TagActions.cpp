#include "ui/TagActions.h"

#include "presentation/RecordTagging.h"

TagActions::TagActions(QObject* parent)
    : QObject(parent)
{
}

QString TagActions::tagName(const QString& text)
{
    return RecordTagging::tagName(text);
}

bool TagActions::addTag(PluginRecord* record, const QString& text)
{
    return RecordTagging::addTag(record, text);
}

void TagActions::removeTag(PluginRecord* record, const QString& name)
{
    RecordTagging::removeTag(record, name);
}
