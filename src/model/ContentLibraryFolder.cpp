#include "model/ContentLibraryFolder.h"

ContentLibraryFolder::ContentLibraryFolder(const QString& path, const QString& name, const QString& publisher,
                                           const QByteArray& bookmarkData)
    : m_path(path), m_name(name), m_publisher(publisher), m_bookmarkData(bookmarkData)
{
}

void ContentLibraryFolder::setPath(const QString& value)
{
    assign(m_path, value, &ContentLibraryFolder::pathChanged);
}

void ContentLibraryFolder::setName(const QString& value)
{
    assign(m_name, value, &ContentLibraryFolder::nameChanged);
}

void ContentLibraryFolder::setPublisher(const QString& value)
{
    assign(m_publisher, value, &ContentLibraryFolder::publisherChanged);
}

void ContentLibraryFolder::setBookmarkData(const QByteArray& value)
{
    assign(m_bookmarkData, value, &ContentLibraryFolder::bookmarkDataChanged);
}

void ContentLibraryFolder::setTotalBytes(qint64 value)
{
    assign(m_totalBytes, value, &ContentLibraryFolder::totalBytesChanged);
}

void ContentLibraryFolder::setLastScannedAt(const QDateTime& value)
{
    assign(m_lastScannedAt, value, &ContentLibraryFolder::lastScannedAtChanged);
}

void ContentLibraryFolder::setStatus(ContentLibraryStatus value)
{
    assign(m_status, value, &ContentLibraryFolder::statusChanged);
}
