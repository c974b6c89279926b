#pragma once

#include "model/RawValueEnum.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

// Conversions between field values and SQLite column values. Texts and blobs are bound non-null
// so empty values satisfy NOT NULL; dates are seconds since 1970-01-01 UTC, NULL for none, and
// read back as UTC date-times (compare by instant; convert with toLocalTime() for display).
namespace StoredValues {

QVariant fromText(const QString& text);
QVariant fromBlob(const QByteArray& bytes);
QVariant fromDate(const QDateTime& date);
QDateTime toDate(const QVariant& value);

template <typename E> QVariant fromEnum(E value)
{
    return rawValue(value);
}

template <typename E> std::optional<E> toEnum(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return fromRawValue<E>(value.toString());
}

} // namespace StoredValues
