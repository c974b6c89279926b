#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// Reads XML and binary property lists into Qt values: strings as QString, arrays as
// QVariantList, dictionaries as QVariantMap; numbers, booleans, data and dates keep their
// own QVariant types so that they never pass for text.
namespace PropertyList {

// Larger files are not property lists a bundle would carry; refusing them bounds memory.
inline constexpr qint64 maximumFileSize = 8 * 1024 * 1024;

// No value when the file is missing, unreadable, not a regular file, too large, malformed,
// or when its root is not a dictionary.
[[nodiscard]] std::optional<QVariantMap> readDictionary(const QString& filePath);
[[nodiscard]] std::optional<QVariantMap> dictionaryFromData(const QByteArray& data);

// The value under `key` when it is a string, else no value.
[[nodiscard]] std::optional<QString> string(const QVariantMap& dictionary, const QString& key);

} // namespace PropertyList
