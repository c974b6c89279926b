#pragma once

#include "model/CatalogObject.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class PluginInstall;
class Tag;

// One plug-in product as the user sees it: all formats and all copies of one plug-in.
class PluginRecord : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString publisher READ publisher WRITE setPublisher NOTIFY publisherChanged)
    Q_PROPERTY(QString displayVersion READ displayVersion WRITE setDisplayVersion NOTIFY displayVersionChanged)
    Q_PROPERTY(QString category READ category WRITE setCategory NOTIFY categoryChanged)
    Q_PROPERTY(QString bundleDescription READ bundleDescription WRITE setBundleDescription NOTIFY
                   bundleDescriptionChanged)
    Q_PROPERTY(bool isFavorite READ isFavorite WRITE setIsFavorite NOTIFY isFavoriteChanged)
    Q_PROPERTY(QString notes READ notes WRITE setNotes NOTIFY notesChanged)
    Q_PROPERTY(QList<PluginInstall*> installs READ installs NOTIFY installsChanged)
    Q_PROPERTY(QList<Tag*> tags READ tags NOTIFY tagsChanged)
    Q_PROPERTY(QStringList formatList READ formatList NOTIFY derivedValuesChanged)
    Q_PROPERTY(QString lastModifiedText READ lastModifiedText NOTIFY derivedValuesChanged)
    Q_PROPERTY(QString totalSizeText READ totalSizeText NOTIFY derivedValuesChanged)

public:
    explicit PluginRecord(const QString& name = {}, const QString& publisher = {});
    // Drops the links to it silently; removal from a store goes through CatalogStore::remove.
    ~PluginRecord() override;

    [[nodiscard]] Kind kind() const override { return Kind::record; }

    [[nodiscard]] QString name() const { return m_name; }
    void setName(const QString& value);
    [[nodiscard]] QString publisher() const { return m_publisher; }
    void setPublisher(const QString& value);
    [[nodiscard]] QString displayVersion() const { return m_displayVersion; }
    void setDisplayVersion(const QString& value);
    [[nodiscard]] QString category() const { return m_category; }
    void setCategory(const QString& value);
    [[nodiscard]] QString bundleDescription() const { return m_bundleDescription; }
    void setBundleDescription(const QString& value);
    [[nodiscard]] bool isFavorite() const { return m_isFavorite; }
    void setIsFavorite(bool value);
    [[nodiscard]] QString notes() const { return m_notes; }
    void setNotes(const QString& value);

    // In relationship order (the order in which they joined). Change with PluginInstall::setGroup.
    [[nodiscard]] QList<PluginInstall*> installs() const { return m_installs; }
    [[nodiscard]] QList<Tag*> tags() const { return m_tags; }
    // Both keep Tag::groups consistent; adding a present tag or removing an absent one does nothing.
    void addTag(Tag* tag);
    void removeTag(Tag* tag);
    [[nodiscard]] bool hasTag(const Tag* tag) const { return m_tags.contains(tag); }

    // Derived values, computed from the found installs on every read.
    [[nodiscard]] QList<PluginInstall*> foundInstalls() const;
    [[nodiscard]] QStringList formatList() const;
    [[nodiscard]] QString lastModifiedText() const;
    [[nodiscard]] QString totalSizeText() const;
    [[nodiscard]] Q_INVOKABLE bool hasInstallOlderThanAYear(const QDateTime& asOf) const;

Q_SIGNALS:
    void nameChanged();
    void publisherChanged();
    void displayVersionChanged();
    void categoryChanged();
    void bundleDescriptionChanged();
    void isFavoriteChanged();
    void notesChanged();
    void installsChanged();
    void tagsChanged();
    // An install joined or left, or a found install's status, format, size or dates changed.
    void derivedValuesChanged();

private:
    friend class PluginInstall;
    friend class Tag;
    friend class CatalogStore;
    friend class CatalogLoader;
    friend class CatalogWriter;

    void attachInstall(PluginInstall* install);
    void detachInstall(PluginInstall* install);
    void attachTag(Tag* tag, qint64 linkOrder);
    void detachTag(Tag* tag);
    void linksChanged();

    QString m_name;
    QString m_publisher;
    QString m_displayVersion;
    QString m_category;
    QString m_bundleDescription;
    bool m_isFavorite = false;
    QString m_notes;
    QList<PluginInstall*> m_installs;
    QList<Tag*> m_tags;
    // Parallel to m_tags: when each link was made, which also orders Tag::groups.
    QList<qint64> m_tagLinkOrders;
};
