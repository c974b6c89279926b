#include "discovery/FolderBookmark.h"

#include <QStringDecoder>

namespace FolderBookmark {

QByteArray create(const QString& folderPath)
{
    return folderPath.toUtf8();
}

std::optional<QString> resolve(const QByteArray& bookmarkData)
{
    if (bookmarkData.isEmpty() || bookmarkData.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder.decode(bookmarkData);
    if (decoder.hasError() || !path.startsWith(u'/'))
        return std::nullopt;
    return path;
}

} // namespace FolderBookmark
