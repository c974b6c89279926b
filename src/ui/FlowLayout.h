#pragma once

#include <QList>
#include <QQuickItem>
#include <QSizeF>
#include <QtQml/qqmlregistration.h>

// Places its children (those not hidden) at their own size in rows that wrap at its width (FlowLayoutGeometry).
// Without a width of its own it keeps every child in one row. Its implicit height is the height
// of the rows at the current width.
class FlowLayout : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal spacing READ spacing WRITE setSpacing NOTIFY spacingChanged)

public:
    explicit FlowLayout(QQuickItem* parent = nullptr);

    [[nodiscard]] qreal spacing() const { return m_spacing; }
    void setSpacing(qreal value);

    // What the layout asks for when offered proposedWidth; a negative width means no proposal,
    // which gives an infinite width.
    [[nodiscard]] Q_INVOKABLE QSizeF sizeThatFits(qreal proposedWidth = -1) const;

Q_SIGNALS:
    void spacingChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void updatePolish() override;

private:
    [[nodiscard]] QList<QQuickItem*> arrangedChildren() const;
    [[nodiscard]] static QList<QSizeF> sizesOf(const QList<QQuickItem*>& children);

    qreal m_spacing = 0;
};
