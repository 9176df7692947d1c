#include "skin/theme/WidgetDrawing.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/MenuDrawing.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Paints its left half red and its right half blue.
class Halves : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(0, 0, width() / 2, height(), Qt::red);
        p.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::blue);
    }
};

} // namespace

TEST(WidgetDrawing, ParentBackgroundIsWhatTheParentShowsUnderTheControl)
{
    Halves parent;
    parent.resize(100, 40);
    QWidget control(&parent);
    control.setGeometry(45, 10, 10, 10);
    QImage canvasImage(10, 10, QImage::Format_RGB32);
    canvasImage.fill(Qt::green);
    {
        runtime::Canvas canvas(&canvasImage);
        DrawParentBackground(canvas, &control);
    }
    EXPECT_EQ(canvasImage.pixel(4, 4), qRgb(255, 0, 0)); // parent x 49
    EXPECT_EQ(canvasImage.pixel(5, 4), qRgb(0, 0, 255)); // parent x 50

    QWidget orphan;
    QImage untouched(4, 4, QImage::Format_RGB32);
    untouched.fill(Qt::green);
    runtime::Canvas canvas(&untouched);
    DrawParentBackground(canvas, &orphan);
    EXPECT_EQ(untouched.pixel(0, 0), qRgb(0, 255, 0));
}

TEST(WidgetDrawing, WindowBorderFramesTheWholeWindowAndOptionallyInside)
{
    for (const bool inner : {false, true}) {
        QImage image(6, 5, QImage::Format_RGB32);
        image.fill(Qt::green);
        runtime::Canvas canvas(&image);
        DrawWindowBorder(canvas, image.size(), 0x000000, 0xFFFFFF, inner);
        EXPECT_EQ(image.pixel(5, 4), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(1, 1), inner ? qRgb(255, 255, 255) : qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 0));
    }
}

TEST(WidgetDrawing, MenuHandlersReachEveryItemDepthFirst)
{
    QMenu top, sub, subsub;
    QAction* item = top.addMenu(&sub);
    QAction* leaf = sub.addAction(QStringLiteral("leaf"));
    QAction* deep = sub.addMenu(&subsub);
    QAction* deepest = subsub.addAction(QStringLiteral("deepest"));
    QString drawn;
    SetMenuItemDrawHandlers(
        item, [&](QAction* a, runtime::Canvas&, const QRect&, bool) { drawn += a->text(); },
        [](QAction*, int& w, int& h) {
            w = 7;
            h = 3;
        });
    for (QAction* a : {item, leaf, deep, deepest}) {
        const auto handlers = GetMenuItemDrawHandlers(a);
        ASSERT_TRUE(handlers.onDrawItem && handlers.onMeasureItem);
        int w = 0, h = 0;
        handlers.onMeasureItem(a, w, h);
        EXPECT_EQ(w, 7);
    }
    EXPECT_FALSE(GetMenuItemDrawHandlers(top.menuAction()).onDrawItem);
}

TEST(FormHelpers, PublishedPropertiesComeFromTheMetaObject)
{
    QWidget form;
    EXPECT_TRUE(HasPublishedProperty(&form, "geometry"));
    EXPECT_FALSE(HasPublishedProperty(&form, "FileTheme"));
}
