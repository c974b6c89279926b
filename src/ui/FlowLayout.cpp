#include "ui/FlowLayout.h"

#include "ui/FlowLayoutGeometry.h"

#include <limits>

FlowLayout::FlowLayout(QQuickItem* parent)
    : QQuickItem(parent)
{
}

void FlowLayout::setSpacing(qreal value)
{
    if (qFuzzyCompare(m_spacing, value))
        return;
    m_spacing = value;
    polish();
    Q_EMIT spacingChanged();
}

QSizeF FlowLayout::sizeThatFits(qreal proposedWidth) const
{
    const std::optional<qreal> proposal = proposedWidth < 0 ? std::nullopt : std::optional<qreal>(proposedWidth);
    return FlowLayoutGeometry::measure(sizesOf(arrangedChildren()), m_spacing, proposal);
}

void FlowLayout::componentComplete()
{
    QQuickItem::componentComplete();
    polish();
}

void FlowLayout::itemChange(ItemChange change, const ItemChangeData& value)
{
    if (change == ItemChildAddedChange) {
        QQuickItem* child = value.item;
        connect(child, &QQuickItem::widthChanged, this, &QQuickItem::polish);
        connect(child, &QQuickItem::heightChanged, this, &QQuickItem::polish);
        connect(child, &QQuickItem::visibleChanged, this, &QQuickItem::polish);
        polish();
    } else if (change == ItemChildRemovedChange) {
        disconnect(value.item, nullptr, this, nullptr);
        polish();
    }
    QQuickItem::itemChange(change, value);
}

void FlowLayout::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.width() != oldGeometry.width())
        polish();
}

void FlowLayout::updatePolish()
{
    const QList<QQuickItem*> children = arrangedChildren();
    const QList<QSizeF> sizes = sizesOf(children);

    qreal naturalWidth = 0;
    for (const QSizeF& size : sizes)
        naturalWidth += size.width();
    if (!sizes.isEmpty())
        naturalWidth += m_spacing * qreal(sizes.size() - 1);
    setImplicitWidth(naturalWidth);

    const bool hasWidth = width() > 0;
    const qreal available = hasWidth ? width() : std::numeric_limits<qreal>::infinity();
    const QList<QPointF> positions = FlowLayoutGeometry::place(
        sizes, m_spacing, QRectF(0, 0, available, std::numeric_limits<qreal>::infinity()));
    for (qsizetype i = 0; i < children.size(); ++i)
        children[i]->setPosition(positions[i]);
    setImplicitHeight(
        FlowLayoutGeometry::measure(sizes, m_spacing, hasWidth ? std::optional<qreal>(width()) : std::nullopt)
            .height());
}

QList<QQuickItem*> FlowLayout::arrangedChildren() const
{
    // Only a shown layout can tell a hidden child from one hidden with the layout itself.
    const bool shown = isVisible();
    QList<QQuickItem*> result;
    for (QQuickItem* child : childItems()) {
        // A Repeater is an item of its own among the children it creates, but never drawn.
        if ((!shown || child->isVisible()) && !child->inherits("QQuickRepeater"))
            result.append(child);
    }
    return result;
}

QList<QSizeF> FlowLayout::sizesOf(const QList<QQuickItem*>& children)
{
    QList<QSizeF> sizes;
    sizes.reserve(children.size());
    for (const QQuickItem* child : children)
        sizes.append(child->size());
    return sizes;
}
