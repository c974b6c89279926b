#include "ui/FlowLayoutGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const QList<QSizeF> threeOf40{{40, 20}, {40, 20}, {40, 20}};

TEST(FlowLayoutGeometryTest, MeasuresTwoRowsAtAProposedWidthOf100)
{
    const QSizeF size = FlowLayoutGeometry::measure(threeOf40, 6, 100.0);
    EXPECT_EQ(size.width(), 100);
    EXPECT_EQ(size.height(), 46);
}

TEST(FlowLayoutGeometryTest, WithoutAProposalEverythingStaysInOneInfiniteRow)
{
    const QSizeF size = FlowLayoutGeometry::measure(threeOf40, 6, std::nullopt);
    EXPECT_EQ(size.width(), std::numeric_limits<qreal>::infinity());
    EXPECT_EQ(size.height(), 20);
}

TEST(FlowLayoutGeometryTest, PlacesTheThirdChildOnTheSecondRow)
{
    const QList<QPointF> positions = FlowLayoutGeometry::place(threeOf40, 6, QRectF(0, 0, 100, 500));
    EXPECT_EQ(positions, (QList<QPointF>{{0, 0}, {46, 0}, {0, 26}}));
}

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

TEST(FlowLayoutGeometryTest, AWideChildSitsAloneAndRowsTakeTheTallest)
{
    const QList<QSizeF> sizes{{30, 10}, {150, 30}, {20, 12}, {10, 8}};
    const QList<QPointF> positions = FlowLayoutGeometry::place(sizes, 6, QRectF(0, 0, 100, 500));
    EXPECT_EQ(positions, (QList<QPointF>{{0, 0}, {0, 16}, {0, 52}, {26, 52}}));
    EXPECT_EQ(FlowLayoutGeometry::measure(sizes, 6, 100.0).height(), 64);
}

TEST(FlowLayoutGeometryTest, NoChildrenTakeNoHeight)
{
    EXPECT_EQ(FlowLayoutGeometry::measure({}, 6, 100.0), QSizeF(100, 0));
    EXPECT_TRUE(FlowLayoutGeometry::place({}, 6, QRectF(0, 0, 100, 100)).isEmpty());
}

} // namespace
