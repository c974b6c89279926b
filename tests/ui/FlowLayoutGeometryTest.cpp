#include "ui/FlowLayoutGeometry.h"

#include <gtest/gtest.h>

namespace {

const QList<QSizeF> threeOf40{{40, 20}, {40, 20}, {40, 20}};

TEST(FlowLayoutGeometryTest, PlacesFromTheBoundsOrigin)
{
    const QList<QPointF> positions = FlowLayoutGeometry::place(threeOf40, 6, QRectF(10, 5, 100, 500));
    EXPECT_EQ(positions, (QList<QPointF>{{10, 5}, {56, 5}, {10, 31}}));
}

TEST(FlowLayoutGeometryTest, AnExactFitStaysOnTheRow)
{
    // 40 + 6 + 54 = 100: not greater than the width.
    const QList<QSizeF> sizes{{40, 10}, {54, 10}};
    EXPECT_EQ(FlowLayoutGeometry::measure(sizes, 6, 100.0).height(), 10);
    EXPECT_EQ(FlowLayoutGeometry::place(sizes, 6, QRectF(0, 0, 100, 100)).last(), QPointF(46, 0));
}

TEST(FlowLayoutGeometryTest, NoChildrenTakeNoHeight)
{
    EXPECT_EQ(FlowLayoutGeometry::measure({}, 6, 100.0), QSizeF(100, 0));
    EXPECT_TRUE(FlowLayoutGeometry::place({}, 6, QRectF(0, 0, 100, 100)).isEmpty());
}

} // namespace
