#pragma once

#include <QProxyStyle>

// Lets a skinned menu size its own items: Qt lays menu items out from the
// style's item sizes, so this style answers them from the item's measure
// handler and takes away the native margins the skin paints over.
class MenuItemStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    // Width of the menu's border on every side.
    static constexpr int kPanelWidth = 2;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};
