#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// Reads XML and binary property lists into Qt values: strings as QString, arrays as
// QVariantList, dictionaries as QVariantMap; numbers, booleans, data and dates keep their
// own QVariant types so that they never pass for text.
namespace PropertyList {

// Larger files are not property lists a bundle would carry; refusing them bounds memory.
inline constexpr qint64 maximumFileSize = 8 * 1024 * 1024;

// No value when the file is missing, unreadable, not a regular file, too large, malformed,
// nested or expanding beyond what a bundle's property list needs, or when its root is not a
// dictionary. With `keys`, only those entries of the root are converted.
[[nodiscard]] std::optional<QVariantMap> readDictionary(const QString& filePath, const QStringList& keys = {});
[[nodiscard]] std::optional<QVariantMap> dictionaryFromData(const QByteArray& data, const QStringList& keys = {});

// The value under `key` when it is a string, else no value.
[[nodiscard]] std::optional<QString> string(const QVariantMap& dictionary, const QString& key);

} // namespace PropertyList
