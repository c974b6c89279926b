#include "model/ContentLibraryItem.h"

void ContentLibraryItem::setRootPath(const QString& value)
{
    assign(m_rootPath, value, &ContentLibraryItem::rootPathChanged);
}

void ContentLibraryItem::setPath(const QString& value)
{
    assign(m_path, value, &ContentLibraryItem::pathChanged);
}

void ContentLibraryItem::setName(const QString& value)
{
    assign(m_name, value, &ContentLibraryItem::nameChanged);
}

void ContentLibraryItem::setPublisher(const QString& value)
{
    assign(m_publisher, value, &ContentLibraryItem::publisherChanged);
}

void ContentLibraryItem::setTotalBytes(qint64 value)
{
    assign(m_totalBytes, value, &ContentLibraryItem::totalBytesChanged);
}

void ContentLibraryItem::setLastScannedAt(const QDateTime& value)
{
    assign(m_lastScannedAt, value, &ContentLibraryItem::lastScannedAtChanged);
}

void ContentLibraryItem::setStatus(ContentLibraryStatus value)
{
    assign(m_status, value, &ContentLibraryItem::statusChanged);
}
