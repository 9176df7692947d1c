#include "skin/chrome/WindowActions.h"

#include <gtest/gtest.h>

using chrome::ResizedGeometry;

TEST(WindowActions, ResizedGeometryMovesOnlyTheDraggedEdges)
{
    const QRect start(100, 100, 300, 200);
    const QSize minimum(130, 50);
    struct Row {
        Qt::Edges edges;
        QPoint delta;
        QRect expected;
    };
    const Row rows[] = {
        {Qt::LeftEdge, {-10, 99}, QRect(90, 100, 310, 200)},
        {Qt::RightEdge, {15, 0}, QRect(100, 100, 315, 200)},
        {Qt::TopEdge | Qt::LeftEdge, {5, 5}, QRect(105, 105, 295, 195)},
        {Qt::BottomEdge | Qt::RightEdge, {-5, 10}, QRect(100, 100, 295, 210)},
        // Never below the minimum; the opposite edge stays put.
        {Qt::LeftEdge, {500, 0}, QRect(270, 100, 130, 200)},
        {Qt::BottomEdge, {0, -400}, QRect(100, 100, 300, 50)},
        {Qt::TopEdge, {0, 400}, QRect(100, 250, 300, 50)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ResizedGeometry(start, r.edges, r.delta, minimum), r.expected)
            << int(r.edges) << " " << r.delta.x() << "," << r.delta.y();
}
