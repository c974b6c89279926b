#pragma once

#include <QList>
#include <QPair>
#include <QString>

// JSON written by hand so that object keys keep the order of the fields they come from
// (QJsonObject sorts them).
namespace JsonText {
// A JSON string literal, quotes included.
QString quoted(const QString& text);

// Members are (key, already encoded value) pairs; objects are indented for an array at depth 1.
QString object(const QList<QPair<QString, QString>>& members);
// The encoded elements as one array, "[]" when empty, ending in a newline.
QString array(const QStringList& elements);
} // namespace JsonText
