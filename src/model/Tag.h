#pragma once

#include "model/CatalogObject.h"

#include <QList>
#include <QString>

class PluginRecord;

// A user label. Attach and detach with PluginRecord::addTag and removeTag.
class Tag : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QList<PluginRecord*> groups READ groups NOTIFY groupsChanged)

public:
    explicit Tag(const QString& name = {});
    ~Tag() override;

    [[nodiscard]] Kind kind() const override { return Kind::tag; }

    [[nodiscard]] QString name() const { return m_name; }
    void setName(const QString& value);
    // In the order the records were tagged.
    [[nodiscard]] QList<PluginRecord*> groups() const { return m_groups; }

Q_SIGNALS:
    void nameChanged();
    void groupsChanged();

private:
    friend class PluginRecord;
    friend class CatalogStore;
    friend class CatalogLoader;

    void attachGroup(PluginRecord* record);
    void detachGroup(PluginRecord* record);

    QString m_name;
    QList<PluginRecord*> m_groups;
};
