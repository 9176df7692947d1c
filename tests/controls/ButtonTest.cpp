#include "ControlTestSupport.h"

#include "runtime/Canvas.h"
#include "skin/controls/TsuiButton.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The picture a caption-less button of the given style shows for a frame.
QImage ExpectedSkin(const TsuiButton& button, int frame)
{
    QImage expected(button.size(), QImage::Format_RGB32);
    expected.fill(button.palette().color(button.backgroundRole()));
    runtime::Canvas canvas(&expected);
    DrawStretchedSkin(BuiltinFrame(button.uiStyle(), ThemeElement::ButtonImage, 3, frame), canvas, button.rect(),
                      button.transparent());
    return expected;
}

// Created while the button is held, gone once it is let go.
QTimer* repeatTimer(const TsuiButton& button)
{
    return button.findChild<QTimer*>(QStringLiteral("repeatTimer"));
}

struct ButtonHost {
    QWidget window;
    TsuiButton* button = new TsuiButton(&window);
    ButtonHost()
    {
        window.resize(200, 100);
        button->move(10, 10);
    }
};

} // namespace

TEST(TsuiButton, DefaultsAndStyleTransparency)
{
    TsuiButton button;
    EXPECT_EQ(button.size(), QSize(80, 27));
    EXPECT_EQ(button.uiStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(button.transparent());
    EXPECT_TRUE(button.tabStop());
    EXPECT_EQ(button.mouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(button.focusedRectMargin(), 2);
    EXPECT_EQ(button.spacing(), 4);
    EXPECT_EQ(button.layout(), blGlyphLeft);

    const struct {
        TsuiUIStyle style;
        bool transparent;
    } rows[] = {{TsuiUIStyle::MacOS, true},    {TsuiUIStyle::WinXP, false},    {TsuiUIStyle::DeepBlue, false},
                {TsuiUIStyle::Protein, false}, {TsuiUIStyle::BlueGlass, true}, {TsuiUIStyle::FromThemeFile, false}};
    for (const auto& r : rows) {
        button.setUIStyle(r.style);
        EXPECT_EQ(button.transparent(), r.transparent) << int(r.style);
        EXPECT_EQ(button.transparent(), r.transparent);
    }
    // A stored Transparent comes after the style and wins.
    button.setUIStyle(TsuiUIStyle::BlueGlass);
    button.setTransparent(false);
    EXPECT_FALSE(button.transparent());
}

TEST(TsuiButton, FramePerState)
{
    for (TsuiUIStyle style : BuiltinStyles) {
        SCOPED_TRACE(int(style));
        ButtonHost host;
        TsuiButton& b = *host.button;
        b.setUIStyle(style);
        b.setTabStop(false); // no focus mark in these pictures
        b.resize(75, 23);
        ShowActive(host.window);
        SendLeave(b); // wherever the pointer was left by earlier tests
        EXPECT_TRUE(SameImage(Snapshot(b), ExpectedSkin(b, 1))) << "normal";

        SendEnter(b, QPoint(20, 10));
        ASSERT_TRUE(b.mouseIn());
        EXPECT_TRUE(SameImage(Snapshot(b), ExpectedSkin(b, 2))) << "hot";

        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 10));
        EXPECT_TRUE(SameImage(Snapshot(b), ExpectedSkin(b, 3))) << "pressed";
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(20, 10));
        // Cached skins give the same pixels on the way back.
        EXPECT_TRUE(SameImage(Snapshot(b), ExpectedSkin(b, 2))) << "hot again";

        b.setEnabled(false);
        EXPECT_TRUE(SameImage(Snapshot(b), ExpectedSkin(b, 1))) << "disabled";
    }
}

TEST(TsuiButton, TransparentCornersShowTheParent)
{
    ButtonHost host;
    QPalette p = host.window.palette();
    p.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    host.window.setPalette(p);
    host.window.setAutoFillBackground(true);
    host.button->setUIStyle(TsuiUIStyle::BlueGlass); // magenta corners, transparent
    const QImage image = Snapshot(*host.button);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(image.pixel(79, 26), qRgb(0x12, 0x34, 0x56));

    host.button->setTransparent(false); // opaque corners keep their magenta
    EXPECT_EQ(Snapshot(*host.button).pixel(0, 0), qRgb(0xFF, 0x00, 0xFF));
}

TEST(TsuiButton, BlankCaptionDrawsNothing)
{
    TsuiButton button;
    const QImage empty = Snapshot(button);
    for (const char* caption : {"   ", "\t\r\n", " \x01 "}) {
        button.setCaption(QString::fromLatin1(caption));
        EXPECT_EQ(Snapshot(button), empty) << caption;
    }
    button.setCaption(QStringLiteral("  Go"));
    EXPECT_NE(Snapshot(button), empty);
}

TEST(TsuiButton, DisabledCaptionIsGreyWithWhiteShadow)
{
    TsuiButton button;
    // Smoothed text has its exact colours where whole pixels are covered: in
    // the bars of an E.
    button.setCaption(QStringLiteral("EEEE"));
    button.setEnabled(false);
    const QImage image = Snapshot(button);
    bool grey = false, white = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            grey |= image.pixel(x, y) == qRgb(0x80, 0x80, 0x80);
            white |= image.pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF);
        }
    EXPECT_TRUE(grey);
    EXPECT_TRUE(white);
}

TEST(TsuiButton, FocusMarkPerStyle)
{
    // A caption that is bold already cannot show focus by turning bold (the
    // main window's Start and Cancel): the rectangle keeps the focus visible.
    const struct {
        TsuiUIStyle style;
        bool boldFont;
        bool rectangle;
    } rows[] = {{TsuiUIStyle::WinXP, false, true},
                {TsuiUIStyle::DeepBlue, false, true},
                {TsuiUIStyle::BlueGlass, false, false},
                {TsuiUIStyle::MacOS, false, false},
                {TsuiUIStyle::BlueGlass, true, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(int(r.style));
        ButtonHost host;
        TsuiButton& b = *host.button;
        auto* other = new QLineEdit(&host.window);
        other->move(100, 60);
        b.setUIStyle(r.style);
        b.setFocusedRectMargin(3);
        b.setCaption(QStringLiteral("Start"));
        QFont font = b.font();
        font.setBold(r.boldFont);
        b.setFont(font);
        ShowActive(host.window);
        other->setFocus();
        const QImage unfocused = Snapshot(b);
        b.setFocus();
        ASSERT_TRUE(b.hasFocus());
        const QImage focused = Snapshot(b);
        // The dotted rectangle inverts every other pixel of its outline, inset by the margin.
        const QRect outline(3, 3, b.width() - 6, b.height() - 6);
        const bool inverted = focused.pixel(outline.topLeft()) == (~unfocused.pixel(outline.topLeft()) | 0xFF000000u);
        EXPECT_EQ(inverted, r.rectangle);
        EXPECT_EQ(focused.pixel(outline.left() + 1, outline.top()), unfocused.pixel(outline.left() + 1, outline.top()));
        if (!r.rectangle) {
            EXPECT_EQ(CountDifferences(focused, unfocused, outline.adjusted(0, 0, 0, -outline.height() + 1)), 0);
            EXPECT_NE(focused, unfocused) << "bold caption";
        }
    }
}

TEST(TsuiButton, TwoFrameGlyphShowsItsDisabledHalf)
{
    QImage glyph(32, 16, QImage::Format_RGB32);
    glyph.fill(QColor(Qt::red));
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            glyph.setPixel(x, y, qRgb(0, 0, 0xFF));
    glyph.setPixel(0, 0, qRgb(0, 0xFF, 0)); // the key colour, left out
    TsuiButton button;
    button.setGlyph(glyph);
    // Glyph alone, centred: x = (80 - (0 + 16 + 4)) / 2 = 30, y = (27 - 16) / 2 = 5.
    EXPECT_EQ(Snapshot(button).pixel(35, 10), qRgb(0xFF, 0, 0));
    button.setEnabled(false);
    const QImage disabled = Snapshot(button);
    EXPECT_EQ(disabled.pixel(35, 10), qRgb(0, 0, 0xFF)); // not greyed
}

TEST(TsuiButton, DragOutAndBackShowsNoPressedLookAndReleaseOutsideDoesNotClick)
{
    ButtonHost host;
    TsuiButton& b = *host.button;
    ShowActive(host.window);
    QSignalSpy clicks(&b, &TsuiButton::clicked);
    QTest::mouseMove(&b, QPoint(5, 5));
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(b.mouseDown());
    QTest::mouseMove(&b, QPoint(100, 5));
    EXPECT_FALSE(b.mouseDown());
    EXPECT_FALSE(b.mouseIn());
    QTest::mouseMove(&b, QPoint(80, 27)); // the edges count as inside
    QTest::mouseMove(&b, QPoint(5, 5));
    EXPECT_FALSE(b.mouseDown());
    EXPECT_NE(Snapshot(b), ExpectedSkin(b, 3));
    QTest::mouseMove(&b, QPoint(100, 5));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(b.hasFocus()); // a click takes the focus
}

TEST(TsuiButton, SpaceAndEnterClickOnRelease)
{
    ButtonHost host;
    TsuiButton& b = *host.button;
    auto* edit = new QLineEdit(&host.window);
    edit->move(100, 60);
    ShowActive(host.window);
    QSignalSpy clicks(&b, &TsuiButton::clicked);
    int expected = 0;
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        b.setFocus();
        QTest::keyPress(&b, key);
        EXPECT_TRUE(b.mouseDown());
        EXPECT_EQ(clicks.count(), expected++);
        QTest::keyRelease(&b, key);
        EXPECT_FALSE(b.mouseDown());
    }
    EXPECT_EQ(clicks.count(), 2);

    // Released after the focus moved away: no click, and no pressed look left behind.
    b.setFocus();
    QTest::keyPress(&b, Qt::Key_Space);
    edit->setFocus();
    QTest::keyRelease(edit, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(b.mouseDown());
}

TEST(TsuiButton, DefaultCancelAndAcceleratorKeys)
{
    QWidget window;
    auto* ok = new TsuiButton(&window);
    auto* cancel = new TsuiButton(&window);
    auto* edit = new QLineEdit(&window);
    cancel->move(0, 30);
    edit->move(0, 60);
    ok->setDefault(true);
    ok->setCaption(QStringLiteral("&Start"));
    cancel->setCancel(true);
    ShowActive(window);
    edit->setFocus();
    QSignalSpy okClicks(ok, &TsuiButton::clicked);
    QSignalSpy cancelClicks(cancel, &TsuiButton::clicked);

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(okClicks.count(), 1);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 1);
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(okClicks.count(), 2);

    ok->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(okClicks.count(), 2);
}

TEST(TsuiButton, ClickHandsTheFormItsModalResultEvenZero)
{
    QWidget form;
    form.setProperty("ModalResult", 7);
    auto* button = new TsuiButton(&form);
    button->click();
    EXPECT_EQ(form.property("ModalResult").toInt(), 0);
    button->setModalResult(2);
    button->click();
    EXPECT_EQ(form.property("ModalResult").toInt(), 2);
}

TEST(TsuiButton, RepeatTimerWhileHeld)
{
    ButtonHost host;
    TsuiButton& b = *host.button;
    ShowActive(host.window);
    QSignalSpy ticks(&b, &TsuiButton::mouseContinuouslyDown);
    b.setMouseContinuouslyDownInterval(5);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_NE(repeatTimer(b), nullptr);
    EXPECT_TRUE(ticks.wait(2000));
    // The timer keeps running while the pointer is dragged out.
    QTest::mouseMove(&b, QPoint(120, 5));
    const int before = ticks.count();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.count() > before; }, 2000));
    QTest::mouseMove(&b, QPoint(5, 5));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5)); // a click while not pressed
    // Letting go ends the repeat, even after the pointer went out and came back.
    EXPECT_EQ(repeatTimer(b), nullptr);
    b.click();
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    b.click(); // a click while pressed releases the timer
    EXPECT_EQ(repeatTimer(b), nullptr);

    // A negative interval behaves as 0: the timer never ticks.
    b.setMouseContinuouslyDownInterval(-50);
    ticks.clear();
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_NE(repeatTimer(b), nullptr);
    EXPECT_FALSE(repeatTimer(b)->isActive());
    EXPECT_EQ(repeatTimer(b)->interval(), 0);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(TsuiButton, AutoSizeFollowsTheStripItPaints)
{
    TsuiButton button;
    button.setUIStyle(TsuiUIStyle::DeepBlue);
    button.setAutoSize(true);
    EXPECT_EQ(button.size(), QSize(74, 21));
    button.setAutoSize(false);
    button.setUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(button.size(), QSize(74, 21)); // a style change alone does not resize
    button.setAutoSize(true);
    EXPECT_EQ(button.size(), QSize(77, 27));
    // FromThemeFile without a loaded theme paints DeepBlue, so it sizes as
    // DeepBlue does (it used to shrink to 24 x 21, one third of a blank).
    button.setUIStyle(TsuiUIStyle::FromThemeFile);
    button.setAutoSize(true);
    EXPECT_EQ(button.size(), QSize(74, 21));
}
