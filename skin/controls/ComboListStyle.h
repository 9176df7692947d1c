#pragma once

#include <QProxyStyle>

// How a skinned combo box's list behaves: it drops down below the box as a
// plain list, as a Windows combo box's list does, instead of as a menu laid
// over the box with a check mark at the current item. It also spares the
// window's start-up: for menu-like lists Qt builds the list's window as
// soon as a box becomes editable, whether it is ever opened or not, and
// lays it out again for every item and font given to the box; a plain list
// is built when first opened.
class ComboListStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Makes the application's style this one, over the style it would have
    // had: every skinned box then follows it without a style of its own
    // (a second instance of the application's style, polished for each
    // box). For a program to call before its first window.
    static void installForApplication();
    // Whether skinned boxes follow the application's style as it is.
    static bool isApplicationStyle();
    // For boxes in a program that did not install it: one instance serves
    // every box; the application owns it.
    static ComboListStyle* shared();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
