#include "model/ScanBookmark.h"

ScanBookmark::ScanBookmark(const QString& path, const QByteArray& bookmarkData)
    : m_path(path), m_bookmarkData(bookmarkData)
{
}

void ScanBookmark::setPath(const QString& value)
{
    assign(m_path, value, &ScanBookmark::pathChanged);
}

void ScanBookmark::setBookmarkData(const QByteArray& value)
{
    assign(m_bookmarkData, value, &ScanBookmark::bookmarkDataChanged);
}
