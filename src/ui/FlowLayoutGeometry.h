#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

// Left-to-right rows that wrap before a child that would not fit; the same spacing between
// children and between rows. A child wider than the room sits alone at the start of its row.
namespace FlowLayoutGeometry {

// The size asked for: the proposed width itself (infinite without one) and the height of the rows.
[[nodiscard]] QSizeF measure(const QList<QSizeF>& childSizes, qreal spacing, std::optional<qreal> proposedWidth);

// The top-left corner of each child, in order, inside bounds.
[[nodiscard]] QList<QPointF> place(const QList<QSizeF>& childSizes, qreal spacing, const QRectF& bounds);

} // namespace FlowLayoutGeometry
