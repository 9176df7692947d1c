#include "ChromeFixture.h"
#include "Wait.h"

#include "common/MessageResponder.h"
#include "runtime/RuntimeError.h"
#include "skin/chrome/TsuiPopupMenu.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"
#include "skin/chrome/WindowActions.h"
#include "skin/theme/BuiltinTheme.h"

#include <QFrame>
#include <QTest>

namespace {

// A child control that takes part in the style protocol.
class Themed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
public:
    using QWidget::QWidget;
    TsuiFileTheme* FileTheme() const { return fileTheme; }
    void setFileTheme(TsuiFileTheme* theme) { fileTheme = theme; }
    TsuiUIStyle UIStyle() const { return style; }
    void setUIStyle(TsuiUIStyle s) { style = s; }

    TsuiFileTheme* fileTheme = nullptr;
    TsuiUIStyle style = TsuiUIStyle::MacOS;
};

} // namespace

using Form = ChromeFixture;

TEST_F(Form, TakesOverTheHostsFrame)
{
    EXPECT_TRUE(host->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(host->minimumHeight(), 50);
    EXPECT_EQ(host->minimumWidth(), 130); // raised by the DeepBlue title bar
    EXPECT_EQ(frame->Caption(), QStringLiteral("Advanced QUARLEX (PDF to HTML)"));
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(GetOwnerFormUIStyle(host.get()), TsuiUIStyle::DeepBlue);
    frame->setUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(GetOwnerFormUIStyle(host.get()), TsuiUIStyle::Protein);
    frame->setVersion(QStringLiteral("5.0"));
    EXPECT_EQ(frame->Version(), QStringLiteral("4.30"));
    frame->setCaption(QStringLiteral("Other"));
    EXPECT_EQ(host->windowTitle(), QStringLiteral("Other"));
}

TEST_F(Form, OnlyOneFramePerForm)
{
    try {
        new TsuiForm(host.get());
        FAIL() << "a second frame was accepted";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Sorry, You can create only one TsuiForm component in one form!"));
    }
    EXPECT_EQ(host->findChildren<TsuiForm*>(Qt::FindDirectChildrenOnly).size(), 1);
}

TEST_F(Form, PanelBoundsFollowTheHost)
{
    host->resize(630, 449);
    EXPECT_EQ(frame->geometry(), QRect(1, 0, 628, 448));
    EXPECT_EQ(frame->TitleBar()->geometry(), QRect(0, 0, 628, frame->TitleBar()->height()));
    frame->setTitleBarVisible(false);
    EXPECT_EQ(frame->geometry(), QRect(1, 1, 628, 447));
    frame->setTitleBarVisible(true);
    EXPECT_EQ(frame->geometry(), QRect(1, 0, 628, 448));
}

TEST_F(Form, HeightAndWidthResizeTheHost)
{
    frame->setHeight(441);
    EXPECT_EQ(host->height(), 442);
    frame->setWidth(622);
    EXPECT_EQ(host->width(), 624);
    frame->setBorderWidth(3);
    frame->setHeight(441);
    EXPECT_EQ(host->height(), 445);
    frame->setWidth(622);
    EXPECT_EQ(host->width(), 628);
}

TEST_F(Form, StyleSetsBorderAndBackground)
{
    struct Row {
        TsuiUIStyle style;
        int border;
        runtime::TColor borderColor;
        runtime::TColor background;
    };
    const Row rows[] = {
        {TsuiUIStyle::MacOS, 1, 0x7F7F7F, 0xE7E7E7},     {TsuiUIStyle::WinXP, 3, 0xC82C00, 0xDEEBEF},
        {TsuiUIStyle::DeepBlue, 1, 0x000000, 0xE8E8E8},  {TsuiUIStyle::Protein, 1, 0x000000, 0xFBFBFB},
        {TsuiUIStyle::BlueGlass, 1, 0x000000, 0xE7E7E7},
    };
    for (const Row& r : rows) {
        frame->setUIStyle(r.style);
        EXPECT_EQ(frame->BorderWidth(), r.border) << int(r.style);
        EXPECT_EQ(frame->BorderColor(), r.borderColor) << int(r.style);
        EXPECT_EQ(frame->Color(), r.background) << int(r.style);
        EXPECT_EQ(frame->MenuBarColor(), r.background) << int(r.style);
    }
}

TEST_F(Form, BorderIsPaintedOnTheHost)
{
    frame->setUIStyle(TsuiUIStyle::WinXP);
    host->resize(300, 200);
    const QImage image = host->grab().toImage();
    const QRgb border = qRgb(0x00, 0x2C, 0xC8);
    for (const QPoint p :
         {QPoint(0, 100), QPoint(2, 100), QPoint(299, 100), QPoint(297, 100), QPoint(150, 199), QPoint(150, 197)})
        EXPECT_EQ(image.pixel(p), border) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(150, 100), qRgb(0xEF, 0xEB, 0xDE)); // panel background
    EXPECT_EQ(frame->geometry(), QRect(3, 0, 294, 197));
}

TEST_F(Form, EdgePressesResizeTheHost)
{
    host->resize(630, 449);
    const QRect start = host->geometry();
    struct Row {
        QPoint press;
        QPoint delta;
        QRect expected;
    };
    const Row rows[] = {
        {{0, 2}, {-10, -5}, start.adjusted(-10, -5, 0, 0)}, // top left corner
        {{629, 445}, {10, 5}, start.adjusted(0, 0, 10, 5)}, // bottom right corner
        {{0, 200}, {7, 0}, start.adjusted(7, 0, 0, 0)},     // left edge
        {{300, 448}, {0, -9}, start.adjusted(0, 0, 0, -9)}, // bottom edge
    };
    for (const Row& r : rows) {
        host->setGeometry(start);
        QTest::mousePress(host.get(), Qt::LeftButton, {}, r.press);
        QTest::mouseMove(host.get(), r.press + r.delta);
        QTest::mouseRelease(host.get(), Qt::LeftButton, {}, r.press + r.delta);
        EXPECT_EQ(host->geometry(), r.expected) << r.press.x() << "," << r.press.y();
    }
}

TEST_F(Form, MaximiseConfinesToTheWorkArea)
{
    host->show();
    host->showMaximized();
    WAIT_TRUE(host->isMaximized());
    WAIT_EQ(host->geometry(), chrome::WorkArea(host.get()));
    EXPECT_TRUE(host->isMaximized());
    EXPECT_EQ(frame->geometry(), QRect(QPoint(1, 0), host->size() - QSize(2, 1)));
}

TEST(FormBorderStyle, HostWithoutBorderIsNotConfinedNorSizedFromItsEdges)
{
    QWidget host;
    host.setProperty("BorderStyle", QStringLiteral("bsNone"));
    host.resize(300, 200);
    TsuiForm frame(&host);
    const QRect start = host.geometry();
    QTest::mousePress(&host, Qt::LeftButton, {}, QPoint(0, 100));
    QTest::mouseMove(&host, QPoint(-20, 100));
    QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(-20, 100));
    EXPECT_EQ(host.geometry(), start);
}

TEST_F(Form, FormPanelRules)
{
    MessageResponder responder;
    auto* panel = new QFrame(frame);
    panel->setFrameShape(QFrame::Panel);
    frame->setFormPanel(panel);
    frame->setFormPanel(frame);
    EXPECT_EQ(responder.texts(),
              QStringList(QStringLiteral("Sorry, you can't select the Form assign to FormPanel property")));
    EXPECT_EQ(frame->FormPanel(), panel);
    EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
    const int barHeight = frame->TitleBar()->height();
    EXPECT_EQ(panel->geometry(), QRect(0, barHeight, frame->width(), frame->height() - barHeight));
    host->resize(500, 300);
    EXPECT_EQ(panel->geometry(), QRect(0, barHeight, frame->width(), frame->height() - barHeight));
    delete panel;
    EXPECT_EQ(frame->FormPanel(), nullptr);
}

TEST_F(Form, StyleReachesChildrenOnlyWhenAsked)
{
    auto* child = new Themed(frame);
    frame->setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(child->style, TsuiUIStyle::MacOS);
    frame->setUIStyleAutoUpdateSub(true);
    frame->setUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(child->style, TsuiUIStyle::Protein);
}

TEST_F(Form, RemovingTheFileThemeFallsBackToDeepBlue)
{
    auto* child = new Themed(frame);
    auto* theme = new TsuiFileTheme(host.get());
    frame->setFileTheme(theme);
    frame->setUIStyle(TsuiUIStyle::WinXP);
    child->fileTheme = theme;
    delete theme;
    EXPECT_EQ(frame->FileTheme(), nullptr);
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::DeepBlue);
    // Pushed whatever UIStyleAutoUpdateSub says.
    EXPECT_EQ(child->style, TsuiUIStyle::DeepBlue);
    EXPECT_EQ(child->fileTheme, nullptr);
}

TEST_F(Form, AThemeOwnedByTheFrameDiesWithItQuietly)
{
    // The theme is a child of the frame, so it is destroyed after the frame's
    // own members: its removal must not fall back to DeepBlue on a frame
    // that is half gone (the sanitizer reports the write).
    auto* theme = new TsuiFileTheme(frame);
    frame->setFileTheme(theme);
    bar()->setFileTheme(theme);
    auto* menu = new TsuiPopupMenu(frame);
    menu->setFileTheme(theme);
    host.reset();
}

TEST_F(Form, AltSpaceAndF10OpenTheSystemMenuUnderTheTitleBar)
{
    host->move(40, 30);
    host->show();
    QTest::keyClick(frame, Qt::Key_Space, Qt::AltModifier);
    TsuiTitleBarPopupMenu* menu = frame->TitleBar()->SystemMenu();
    WAIT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(40, 30 + frame->TitleBar()->height()));
    menu->hide();
    // F10, where the window manager keeps Alt+Space, opens the active
    // window's menu: none in a window without a frame, a second skinned
    // window's own (not the first's) in that one.
    QWidget plain;
    plain.show();
    plain.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&plain));
    QTest::keyClick(&plain, Qt::Key_F10);
    EXPECT_FALSE(menu->isVisible());
    QWidget second;
    auto* secondFrame = new TsuiForm(&second);
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    TsuiTitleBarPopupMenu* secondMenu = secondFrame->TitleBar()->SystemMenu();
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_F10), QKeyCombination(Qt::AltModifier, Qt::Key_Space)}) {
        QTest::keyClick(&second, key.key(), key.keyboardModifiers());
        WAIT_TRUE(secondMenu->isVisible());
        EXPECT_FALSE(menu->isVisible());
        secondMenu->hide();
    }
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    QTest::keyClick(frame, Qt::Key_F10);
    WAIT_TRUE(menu->isVisible());
    menu->hide();
}

TEST(FormWithoutHost, DrawsNoTitleBarAndTouchesNoWindow)
{
    QWidget parent;
    auto* inner = new QWidget(&parent);
    TsuiForm frame(inner);
    EXPECT_EQ(frame.HostForm(), nullptr);
    EXPECT_EQ(frame.TitleBar()->parentWidget(), nullptr);
    EXPECT_FALSE(parent.windowFlags().testFlag(Qt::FramelessWindowHint));
    frame.setUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_TRUE(parent.mask().isEmpty());
}

#include "FormTest.moc"
