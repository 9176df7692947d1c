#include "ControlTestSupport.h"

#include "forms/FormDescription.h"
#include "forms/FormLoader.h"
#include "runtime/Canvas.h"
#include "skin/controls/ControlComponents.h"
#include "skin/controls/TToolButton.h"
#include "skin/controls/ToolButtonPainter.h"
#include "skin/controls/TsuiToolBar.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(runtime::TColor color)
{
    return runtime::ColorFromTColor(color).rgb();
}

ToolButtonLook Look()
{
    ToolButtonLook look;
    look.buttonColor = 0xEFEFEF;
    look.borderColor = 0x474747;
    look.downColor = 0xD8D8D8;
    look.font = QFont(QStringLiteral("Liberation Sans"), 9);
    look.textColor = Qt::black;
    return look;
}

QImage Paint(const ToolButtonState& state)
{
    QImage image(state.size, runtime::BitmapFormat);
    image.fill(Qt::magenta);
    runtime::Canvas canvas(&image);
    PaintToolButton(canvas, Look(), state);
    return image;
}

// The first row, from the top, holding a pixel darker than the fill.
int FirstTextRow(const QImage& image, QRgb fill)
{
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 15; ++x)
            if (image.pixel(x, y) != fill)
                return y;
    return -1;
}

} // namespace

TEST(ToolBar, StyleGivesColoursAndTransparency)
{
    TsuiToolBar bar;
    for (TsuiUIStyle style : BuiltinStyles) {
        bar.setTransparent(style != TsuiUIStyle::MacOS);
        bar.setUIStyle(style);
        const bool seeThrough = style == TsuiUIStyle::MacOS || style == TsuiUIStyle::Protein;
        EXPECT_EQ(bar.Transparent(), seeThrough) << int(style);
    }
    bar.setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(bar.ButtonBorderColor(), 0xC66931);
    EXPECT_EQ(bar.ButtonColor(), 0xEFD3C6);
    EXPECT_EQ(bar.ButtonDownColor(), 0xE1AC93);

    // A transparent bar shows what lies under it.
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette red = parent.palette();
    red.setColor(QPalette::Window, Qt::red);
    parent.setPalette(red);
    parent.resize(200, 60);
    auto* onParent = new TsuiToolBar(&parent);
    onParent->setGeometry(0, 0, 200, 40);
    onParent->setUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(parent.grab().toImage().pixel(100, 20), QColor(Qt::red).rgb());
    onParent->setUIStyle(TsuiUIStyle::DeepBlue);
    EXPECT_NE(parent.grab().toImage().pixel(100, 20), QColor(Qt::red).rgb());
}

TEST(ToolBar, ButtonStatesAndDropDownArrow)
{
    ToolButtonState state;
    state.size = QSize(60, 22);
    state.caption = QStringLiteral("Open");
    state.dropDown = true;

    // Checked, pointer elsewhere: the hot fill and no arrow.
    state.checked = true;
    QImage checked = Paint(state);
    EXPECT_EQ(checked.pixel(0, 0), Rgb(0x474747));
    EXPECT_EQ(checked.pixel(46, 3), Rgb(0xEFEFEF));
    EXPECT_EQ(checked.pixel(52, 11), Rgb(0xEFEFEF));

    // Hot: the arrow's line at Right - 14 and its triangle at mid-height.
    state.checked = false;
    state.hot = true;
    const QImage hot = Paint(state);
    EXPECT_EQ(hot.pixel(46, 3), Rgb(0x000000));
    EXPECT_EQ(hot.pixel(51, 11), Rgb(0x000000));
    EXPECT_EQ(hot.pixel(53, 13), Rgb(0x000000));
    EXPECT_EQ(hot.pixel(53, 14), Rgb(0xEFEFEF));

    // Pressed: the down fill, the caption one pixel lower.
    state.pressed = true;
    const QImage down = Paint(state);
    EXPECT_EQ(down.pixel(5, 1), Rgb(0xD8D8D8));
    EXPECT_EQ(FirstTextRow(down, Rgb(0xD8D8D8)), FirstTextRow(hot, Rgb(0xEFEFEF)) + 1);

    // A drop-down caption is centred in the part left of the arrow.
    EXPECT_EQ(ToolButtonCaptionX(60, 20, true), 13);
    EXPECT_EQ(ToolButtonCaptionX(60, 20, false), 20);
    EXPECT_EQ(ToolButtonCaptionX(60, 21, false), 19); // halves truncate
}

TEST(ToolBar, StoredButtonsAndTheirStates)
{
    RegisterControlComponents();
    QWidget form;
    forms::LoadForm(&form, forms::ParseFormDescription(QStringLiteral(R"(
object Form1: TForm1
  Width = 300
  Height = 100
  object suiToolBar1: TsuiToolBar
    UIStyle = MacOS
    object ToolButton1: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
    end
    object ToolButton2: TToolButton
      Caption = 'Open'
      Style = tbsDropDown
    end
  end
end
)")));
    auto* bar = form.findChild<TsuiToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Transparent());
    ASSERT_EQ(bar->actions().size(), 2);
    auto* bold = qobject_cast<QToolButton*>(bar->widgetForAction(bar->actions().at(0)));
    auto* open = qobject_cast<QToolButton*>(bar->widgetForAction(bar->actions().at(1)));
    ASSERT_TRUE(bold && open);
    EXPECT_TRUE(bar->ButtonState(bold).checked);
    EXPECT_TRUE(SkinDrawsToolButton(bar->ButtonState(bold)));
    EXPECT_TRUE(bar->ButtonState(open).dropDown);
    EXPECT_FALSE(SkinDrawsToolButton(bar->ButtonState(open))); // native at rest
    form.show();
    SendEnter(*open, QPoint(3, 3));
    EXPECT_TRUE(bar->ButtonState(open).hot);
}

// A window with only a tool bar must still be usable from the keyboard:
// the bar is one Tab stop, the arrows, Home and End move along its usable
// buttons (the focused one drawn hot), Space presses it, and Tab leaves.
TEST(ToolBar, KeyboardReachesAndPressesItsButtons)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* bar = new TsuiToolBar(&window);
    auto* after = new QLineEdit(&window);
    layout->addWidget(before);
    layout->addWidget(bar);
    layout->addWidget(after);
    QList<QAction*> items;
    for (const char* caption : {"Open", "Copy", "Delete"})
        items << bar->addAction(QString::fromLatin1(caption));
    items[0]->setEnabled(false);
    auto button = [&](int i) { return qobject_cast<QToolButton*>(bar->widgetForAction(items[i])); };
    ShowActive(window);
    before->setFocus();

    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button(1)); // the disabled one is passed over
    EXPECT_TRUE(bar->ButtonState(button(1)).hot);
    QTest::keyClick(button(1), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), button(2));
    QTest::keyClick(button(2), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), button(1)); // round the bar
    QTest::keyClick(button(1), Qt::Key_End);
    EXPECT_EQ(QApplication::focusWidget(), button(2));
    QSignalSpy pressed(items[2], &QAction::triggered);
    QTest::keyClick(button(2), Qt::Key_Space);
    EXPECT_EQ(pressed.size(), 1);

    QTest::keyClick(button(2), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), button(2)); // back where it was left
    items[2]->setEnabled(false);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button(1));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button(1));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Copy"));
    EXPECT_TRUE(accessible->state().focused);
}
