#include "ControlTestSupport.h"

#include "runtime/Bitmap.h"
#include "skin/theme/BuiltinTheme.h"

#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

QImage Snapshot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage BuiltinFrame(TsuiUIStyle style, ThemeElement element, int count, int index)
{
    QImage frame;
    GetBuiltinThemeBitmap(style, element, frame, count, index);
    return frame.convertToFormat(QImage::Format_RGB32);
}

int CountDifferences(const QImage& image, const QImage& other, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != other.pixel(x, y))
                ++n;
    return n;
}

void SendEnter(QWidget& widget, QPoint at)
{
    QEnterEvent enter(at, widget.mapTo(widget.window(), at), widget.mapToGlobal(at));
    QCoreApplication::sendEvent(&widget, &enter);
}

void SendLeave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
}

void ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << " against "
                                             << expected.width() << "x" << expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    int differences = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y) && differences++ == 0)
                first = QPoint(x, y);
    if (differences == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences << " pixels differ, first at (" << first.x() << ", "
                                         << first.y() << "): " << std::hex << a.pixel(first) << " against "
                                         << e.pixel(first);
}
