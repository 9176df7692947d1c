#include "ControlTestSupport.h"

#include "skin/controls/ComboListStyle.h"
#include "skin/controls/ComboRules.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

TEST(TsuiEdit, FrameAndGapOverTheNativeEdit)
{
    TsuiEdit edit;
    edit.resize(65, 19);
    edit.setText(QStringLiteral("100%"));
    EXPECT_EQ(edit.borderColor(), QColor(Qt::black)); // DeepBlue
    edit.setBorderColor(QColor(0xFF, 0, 0));
    edit.setColor(QColor(0xF0, 0xF0, 0x10));
    const QImage image = Snapshot(edit);
    const QRgb border = qRgb(0xFF, 0, 0), gap = qRgb(0xF0, 0xF0, 0x10);
    for (int x = 0; x < 65; ++x) {
        EXPECT_EQ(image.pixel(x, 0), border) << x;
        EXPECT_EQ(image.pixel(x, 18), border) << x;
    }
    for (int y = 0; y < 19; ++y) {
        EXPECT_EQ(image.pixel(0, y), border) << y;
        EXPECT_EQ(image.pixel(64, y), border) << y;
    }
    for (int x = 1; x < 64; ++x) {
        EXPECT_EQ(image.pixel(x, 1), gap) << x;
        EXPECT_EQ(image.pixel(x, 17), gap) << x;
    }
    EXPECT_EQ(image.pixel(1, 9), gap);
    EXPECT_EQ(image.pixel(63, 9), gap);
}

TEST(TsuiEdit, StyleSetsTheBorderColour)
{
    TsuiEdit edit;
    const struct {
        TsuiUIStyle style;
        QColor border;
    } rows[] = {{TsuiUIStyle::MacOS, QColor(0x7F, 0x7F, 0x7F)},
                {TsuiUIStyle::WinXP, QColor(0x68, 0x68, 0x68)},
                {TsuiUIStyle::DeepBlue, Qt::black},
                {TsuiUIStyle::Protein, Qt::black},
                {TsuiUIStyle::BlueGlass, Qt::black},
                {TsuiUIStyle::FromThemeFile, Qt::black}};
    for (const auto& r : rows) {
        edit.setBorderColor(Qt::red);
        edit.setUIStyle(r.style);
        EXPECT_EQ(edit.borderColor(), r.border) << int(r.style);
    }
}

namespace {

struct ComboCase {
    TsuiComboBox combo;
    ComboCase()
    {
        combo.resize(257, 21);
        combo.setItems({QStringLiteral("PDF -> HTML (with images, layout)"), QStringLiteral("PDF -> HTML")});
        combo.setItemIndex(0);
    }
};

} // namespace

TEST(TsuiEdit, ExitFiresWhenFocusMovesToAnotherControlOnly)
{
    QWidget window;
    auto* edit = new TsuiEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int exits = 0;
    QObject::connect(edit, &TsuiEdit::exited, [&] { ++exits; });

    edit->setFocus(Qt::MouseFocusReason);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(edit, &popup); // a context menu opened
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(edit, &away); // another window came up
    EXPECT_EQ(exits, 0);

    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exits, 1);
}

TEST(TsuiComboBox, StyleColoursAndStoredColoursReplacedByFileTheme)
{
    TsuiComboBox combo;
    const struct {
        TsuiUIStyle style;
        QColor border, button;
    } rows[] = {{TsuiUIStyle::MacOS, QColor(0x7F, 0x7F, 0x7F), QColor(0xE7, 0xE7, 0xE7)},
                {TsuiUIStyle::WinXP, QColor(0x68, 0x68, 0x68), QColor(0xEF, 0xEB, 0xDE)},
                {TsuiUIStyle::DeepBlue, Qt::black, QColor(0xE8, 0xE8, 0xE8)},
                {TsuiUIStyle::Protein, Qt::black, QColor(0xFB, 0xFB, 0xFB)},
                {TsuiUIStyle::BlueGlass, Qt::black, QColor(0xE7, 0xE7, 0xE7)}};
    for (const auto& r : rows) {
        SCOPED_TRACE(int(r.style));
        combo.setArrowColor(Qt::red);
        combo.setBorderColor(Qt::red);
        combo.setButtonColor(Qt::red);
        combo.setUIStyle(r.style);
        EXPECT_EQ(combo.borderColor(), r.border);
        EXPECT_EQ(combo.buttonColor(), r.button);
        EXPECT_EQ(combo.arrowColor(), QColor(Qt::black));
    }
    combo.setBorderColor(Qt::red);
    combo.setFileTheme(nullptr); // re-applies the style
    EXPECT_EQ(combo.borderColor(), QColor(Qt::black));
}

TEST(TsuiComboBox, FrameButtonSeparatorAndArrow)
{
    ComboCase c;
    TsuiComboBox& combo = c.combo;
    combo.setUIStyle(TsuiUIStyle::DeepBlue);
    combo.setBorderColor(QColor(0xFF, 0, 0));
    combo.setButtonColor(QColor(0, 0xFF, 0));
    combo.setArrowColor(QColor(0, 0, 0xFF));
    const QImage image = Snapshot(combo);
    const QRect r = combo.buttonRect();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(256, 20), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(r.left(), r.top()), qRgb(0xFF, 0, 0)); // separator
    EXPECT_EQ(image.pixel(r.left() + 1, r.top()), qRgb(0, 0xFF, 0));
    // The frame runs on over the button: the button lies inside it.
    for (int x = r.left(); x <= r.right(); ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(0xFF, 0, 0)) << x;
        EXPECT_EQ(image.pixel(x, 20), qRgb(0xFF, 0, 0)) << x;
    }
    EXPECT_GE(r.top(), 2);
    EXPECT_LE(r.right(), 254);
    const QPoint o = ComboArrowOrigin(r);
    for (QPoint p : {o, o + QPoint(6, 0), o + QPoint(3, 3), o + QPoint(3, 1)})
        EXPECT_EQ(image.pixel(p), qRgb(0, 0, 0xFF)) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(o + QPoint(0, 2)), qRgb(0, 0xFF, 0)); // outside the triangle
    EXPECT_EQ(image.pixel(o + QPoint(3, 4)), qRgb(0, 0xFF, 0));

    combo.setEnabled(false);
    const QImage disabled = Snapshot(combo);
    EXPECT_EQ(disabled.pixel(o), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(disabled.pixel(o + QPoint(7, 1)), qRgb(0xFF, 0xFF, 0xFF)); // shadow at (+1, +1)
}

TEST(TsuiComboBox, ButtonBitmapsOfMacOSAndWinXP)
{
    for (TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP}) {
        SCOPED_TRACE(int(style));
        ComboCase c;
        TsuiComboBox& combo = c.combo;
        combo.setUIStyle(style);
        // Taken when the style changes, so painting only reads it.
        const ComboBoxOption option = combo.styleOption();
        EXPECT_FALSE(option.buttonBitmap.isNull());
        EXPECT_EQ(option.drawArrow, style == TsuiUIStyle::MacOS);
        combo.setArrowColor(QColor(0, 0, 0xFF));
        const QImage image = Snapshot(combo);
        const QPoint o = ComboArrowOrigin(combo.buttonRect());
        // The drawn arrow shows on the MacOS bitmap only; the XP bitmap has its own.
        EXPECT_EQ(image.pixel(o + QPoint(3, 1)) == qRgb(0, 0, 0xFF), style == TsuiUIStyle::MacOS);
        EXPECT_NE(image.pixel(combo.buttonRect().center()), combo.buttonColor().rgb());
    }
}

TEST(TsuiComboBox, OtherStylesAndThemeFilesFillTheButton)
{
    ComboCase c;
    c.combo.setUIStyle(TsuiUIStyle::MacOS);
    c.combo.setUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_TRUE(c.combo.styleOption().buttonBitmap.isNull());
    EXPECT_TRUE(c.combo.styleOption().drawArrow);
}

TEST(TsuiComboBox, SimpleStyleKeepsTheNativeLook)
{
    ComboCase c;
    c.combo.setBorderColor(QColor(0xFF, 0, 0));
    c.combo.setComboStyle(csSimple);
    EXPECT_NE(Snapshot(c.combo).pixel(0, 0), qRgb(0xFF, 0, 0));
}

TEST(TsuiComboBox, OpenListIsFramed)
{
    QWidget window;
    auto* combo = new TsuiComboBox(&window);
    combo->resize(257, 21);
    combo->setItems({QStringLiteral("a"), QStringLiteral("b")});
    combo->setBorderColor(QColor(0xFF, 0, 0));
    ShowActive(window);
    combo->showPopup();
    QWidget* popup = combo->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const QImage image = Snapshot(*popup);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(0xFF, 0, 0));
    combo->hidePopup();
}

TEST(TsuiComboBox, ListDropsBelowAsAPlainList)
{
    // With a style of the box's own, then under the program's style, which
    // leaves other boxes (a dialog's) as the desktop's style has them.
    for (const bool programWide : {false, true}) {
        if (programWide) {
            QComboBox plain;
            const int desktops = QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &plain);
            ComboListStyle::installForApplication();
            EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &plain), desktops);
        }
        QWidget window;
        auto* combo = new TsuiComboBox(&window);
        EXPECT_EQ(combo->style() == QApplication::style(), programWide);
        combo->setComboStyle(csDropDownList);
        combo->setGeometry(10, 10, 257, 21);
        combo->setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        combo->setItemIndex(2);
        ShowActive(window);
        combo->showPopup();
        QWidget* popup = combo->view()->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
        // Not laid over the box at the current item, and no menu check marks.
        EXPECT_GE(popup->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height() - 1)).y());
        EXPECT_STREQ(combo->itemDelegate()->metaObject()->className(), "QComboBoxDelegate");
        combo->hidePopup();
    }
}

TEST(TsuiComboBox, ItemsTextAndIndex)
{
    ComboCase c;
    EXPECT_EQ(c.combo.currentText(), QStringLiteral("PDF -> HTML (with images, layout)"));
    c.combo.setText(QStringLiteral("PDF -> RTF"));
    EXPECT_EQ(c.combo.currentText(), QStringLiteral("PDF -> RTF")); // typed text is kept
    EXPECT_EQ(c.combo.items().size(), 2);
    c.combo.setItemIndex(1);
    EXPECT_EQ(c.combo.currentText(), QStringLiteral("PDF -> HTML"));
}
