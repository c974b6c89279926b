#pragma once

#include "model/CatalogObject.h"
#include "model/ContentLibraryStatus.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One content (sample-library) root the user chose to measure.
class ContentLibraryFolder : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString publisher READ publisher WRITE setPublisher NOTIFY publisherChanged)
    Q_PROPERTY(QByteArray bookmarkData READ bookmarkData WRITE setBookmarkData NOTIFY bookmarkDataChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes WRITE setTotalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(QDateTime lastScannedAt READ lastScannedAt WRITE setLastScannedAt NOTIFY lastScannedAtChanged)
    Q_PROPERTY(ContentLibraryStatus status READ status WRITE setStatus NOTIFY statusChanged)

public:
    explicit ContentLibraryFolder(const QString& path = {}, const QString& name = {}, const QString& publisher = {},
                                  const QByteArray& bookmarkData = {});

    [[nodiscard]] Kind kind() const override { return Kind::contentFolder; }

    [[nodiscard]] QString path() const { return m_path; }
    void setPath(const QString& value);
    [[nodiscard]] QString name() const { return m_name; }
    void setName(const QString& value);
    [[nodiscard]] QString publisher() const { return m_publisher; }
    void setPublisher(const QString& value);
    [[nodiscard]] QByteArray bookmarkData() const { return m_bookmarkData; }
    void setBookmarkData(const QByteArray& value);
    [[nodiscard]] qint64 totalBytes() const { return m_totalBytes; }
    void setTotalBytes(qint64 value);
    // Invalid when never scanned.
    [[nodiscard]] QDateTime lastScannedAt() const { return m_lastScannedAt; }
    void setLastScannedAt(const QDateTime& value);
    [[nodiscard]] ContentLibraryStatus status() const { return m_status; }
    void setStatus(ContentLibraryStatus value);

Q_SIGNALS:
    void pathChanged();
    void nameChanged();
    void publisherChanged();
    void bookmarkDataChanged();
    void totalBytesChanged();
    void lastScannedAtChanged();
    void statusChanged();

private:
    QString m_path;
    QString m_name;
    QString m_publisher;
    QByteArray m_bookmarkData;
    qint64 m_totalBytes = 0;
    QDateTime m_lastScannedAt;
    ContentLibraryStatus m_status = ContentLibraryStatus::found;
};
