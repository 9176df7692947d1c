#pragma once

#include "skin/theme/ThemeElement.h"
#include "skin/theme/UIStyle.h"

#include <QImage>
#include <QRect>
#include <QWidget>

// What a widget paints, as an RGB32 image.
QImage Snapshot(QWidget& widget);

// Frame `index` of `count` of a built-in style's image element.
QImage BuiltinFrame(TsuiUIStyle style, ThemeElement element, int count, int index);

// Pixels of `image` inside `area` that differ from `other`.
int CountDifferences(const QImage& image, const QImage& other, const QRect& area);

// Tell the widget the pointer entered or left it.
void SendEnter(QWidget& widget, QPoint at);
void SendLeave(QWidget& widget);

// Shows a top-level window and waits until it is active, so focus and
// shortcuts behave as on a desktop.
void ShowActive(QWidget& window);

#include <gtest/gtest.h>

// Equal size and pixels; otherwise says where the first difference is.
::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected);
