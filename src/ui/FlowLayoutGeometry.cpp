#include "ui/FlowLayoutGeometry.h"

#include <algorithm>
#include <limits>

namespace FlowLayoutGeometry {

QSizeF measure(const QList<QSizeF>& childSizes, qreal spacing, std::optional<qreal> proposedWidth)
{
    const qreal maxWidth = proposedWidth.value_or(std::numeric_limits<qreal>::infinity());
    qreal x = 0;
    qreal y = 0;
    qreal rowHeight = 0;
    for (const QSizeF& size : childSizes) {
        if (x > 0 && x + size.width() > maxWidth) {
            y += rowHeight + spacing;
            rowHeight = 0;
            x = 0;
        }
        x += size.width() + spacing;
        rowHeight = std::max(rowHeight, size.height());
    }
    return {maxWidth, y + rowHeight};
}

QList<QPointF> place(const QList<QSizeF>& childSizes, qreal spacing, const QRectF& bounds)
{
    const qreal maxX = bounds.right();
    QList<QPointF> positions;
    positions.reserve(childSizes.size());
    qreal x = bounds.left();
    qreal y = bounds.top();
    qreal rowHeight = 0;
    for (const QSizeF& size : childSizes) {
        if (x + size.width() > maxX && x > bounds.left()) {
            x = bounds.left();
            y += rowHeight + spacing;
            rowHeight = 0;
        }
        positions.append({x, y});
        x += size.width() + spacing;
        rowHeight = std::max(rowHeight, size.height());
    }
    return positions;
}

} // namespace FlowLayoutGeometry
