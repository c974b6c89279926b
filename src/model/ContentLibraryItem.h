#pragma once

#include "model/CatalogObject.h"
#include "model/ContentLibraryStatus.h"

#include <QDateTime>
#include <QString>

// One recognised library inside a content root, tied to its folder by rootPath only.
class ContentLibraryItem : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString rootPath READ rootPath WRITE setRootPath NOTIFY rootPathChanged)
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString publisher READ publisher WRITE setPublisher NOTIFY publisherChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes WRITE setTotalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(QDateTime lastScannedAt READ lastScannedAt WRITE setLastScannedAt NOTIFY lastScannedAtChanged)
    Q_PROPERTY(ContentLibraryStatus status READ status WRITE setStatus NOTIFY statusChanged)

public:
    ContentLibraryItem() = default;

    [[nodiscard]] Kind kind() const override { return Kind::contentItem; }

    [[nodiscard]] QString rootPath() const { return m_rootPath; }
    void setRootPath(const QString& value);
    [[nodiscard]] QString path() const { return m_path; }
    void setPath(const QString& value);
    [[nodiscard]] QString name() const { return m_name; }
    void setName(const QString& value);
    [[nodiscard]] QString publisher() const { return m_publisher; }
    void setPublisher(const QString& value);
    [[nodiscard]] qint64 totalBytes() const { return m_totalBytes; }
    void setTotalBytes(qint64 value);
    // Invalid when never scanned.
    [[nodiscard]] QDateTime lastScannedAt() const { return m_lastScannedAt; }
    void setLastScannedAt(const QDateTime& value);
    [[nodiscard]] ContentLibraryStatus status() const { return m_status; }
    void setStatus(ContentLibraryStatus value);

Q_SIGNALS:
    void rootPathChanged();
    void pathChanged();
    void nameChanged();
    void publisherChanged();
    void totalBytesChanged();
    void lastScannedAtChanged();
    void statusChanged();

private:
    QString m_rootPath;
    QString m_path;
    QString m_name;
    QString m_publisher;
    qint64 m_totalBytes = 0;
    QDateTime m_lastScannedAt;
    ContentLibraryStatus m_status = ContentLibraryStatus::found;
};
