#pragma once

#include "model/CatalogObject.h"

#include <QByteArray>
#include <QString>

// One folder the user granted for plug-in scanning.
class ScanBookmark : public CatalogObject {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QByteArray bookmarkData READ bookmarkData WRITE setBookmarkData NOTIFY bookmarkDataChanged)

public:
    explicit ScanBookmark(const QString& path = {}, const QByteArray& bookmarkData = {});

    [[nodiscard]] Kind kind() const override { return Kind::scanBookmark; }

    [[nodiscard]] QString path() const { return m_path; }
    void setPath(const QString& value);
    [[nodiscard]] QByteArray bookmarkData() const { return m_bookmarkData; }
    void setBookmarkData(const QByteArray& value);

Q_SIGNALS:
    void pathChanged();
    void bookmarkDataChanged();

private:
    QString m_path;
    QByteArray m_bookmarkData;
};
