#include "ThemeFileTestSupport.h"

#include "runtime/RuntimeError.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/Look.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>

using namespace themefile;

namespace {

// A skinned control as far as the theme engine sees one.
class TsuiProbe : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
public:
    using QWidget::QWidget;
    TsuiFileTheme* fileTheme() const { return m_theme; }
    void setFileTheme(TsuiFileTheme* theme)
    {
        m_theme = theme;
        ++themeWrites;
        order += 'F';
    }
    TsuiUIStyle uiStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style)
    {
        m_style = style;
        order += 'U';
    }
    int themeWrites = 0;
    QString order;

private:
    QPointer<TsuiFileTheme> m_theme;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
};

// Same shape, but the class name does not begin with "Tsui" exactly.
class TSUIProbe : public TsuiProbe {
    Q_OBJECT
public:
    using TsuiProbe::TsuiProbe;
};

// Publishes UIStyle only.
class StyleOnly : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle MEMBER style)
public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
};

class FileTheme : public ::testing::Test {
protected:
    QString themeFile(const QString& name, int minWidth)
    {
        const QImage strip = CoordinateImage(54, 21);
        const QString path = dir.filePath(name);
        WriteBytes(
            path,
            WriteThemeFile({IntegerEntry("FormMinWidthInt", minWidth), IntegerEntry("FormBackgroundColor", 0xE7E7E7),
                            BooleanEntry("ButtonTransparentBool", true), BitmapEntry("ButtonImage", BmpBytes(strip))}));
        return path;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FileTheme, ResolveUIStyleChoosesTheSource)
{
    TsuiFileTheme unloaded;
    TsuiFileTheme loaded;
    loaded.AssignThemeFile(themeFile(QStringLiteral("a.theme"), 1));
    ASSERT_TRUE(loaded.ThemeLoaded());
    struct Case {
        const TsuiFileTheme* theme;
        TsuiUIStyle style;
        bool fromFile;
        TsuiUIStyle effective;
    };
    const Case cases[] = {
        {nullptr, TsuiUIStyle::FromThemeFile, false, TsuiUIStyle::DeepBlue},
        {&unloaded, TsuiUIStyle::FromThemeFile, false, TsuiUIStyle::DeepBlue},
        {&loaded, TsuiUIStyle::FromThemeFile, true, TsuiUIStyle::FromThemeFile},
        {&loaded, TsuiUIStyle::WinXP, false, TsuiUIStyle::WinXP},
        {nullptr, TsuiUIStyle::MacOS, false, TsuiUIStyle::MacOS},
    };
    for (const Case& c : cases) {
        TsuiUIStyle effective = TsuiUIStyle::Protein;
        EXPECT_EQ(ResolveUIStyle(c.theme, c.style, effective), c.fromFile);
        EXPECT_EQ(effective, c.effective);
        const Look look = ResolveLook(c.theme, c.style);
        EXPECT_EQ(look.fromFile(), c.fromFile);
        EXPECT_EQ(look.style, c.effective);
        EXPECT_EQ(look.formMinWidth, c.fromFile ? 1 : GetBuiltinThemeInt(c.effective, ThemeElement::FormMinWidthInt));
    }
}

TEST_F(FileTheme, AnswersDefaultsWithoutAFileAndMinusOneForAMissingKey)
{
    TsuiFileTheme theme;
    EXPECT_EQ(theme.GetInt(ThemeElement::FormMinWidthInt), 0);
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), 0);
    EXPECT_FALSE(theme.GetBool(ThemeElement::ButtonTransparentBool));
    theme.AssignThemeFile(themeFile(QStringLiteral("a.theme"), 150));
    EXPECT_EQ(theme.GetInt(ThemeElement::FormMinWidthInt), 150);
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), 0xE7E7E7);
    EXPECT_TRUE(theme.GetBool(ThemeElement::ButtonTransparentBool));
    EXPECT_EQ(theme.GetInt(ThemeElement::FormRoundCornerInt), -1);
}

TEST_F(FileTheme, BitmapsAndFramesComeFromTheFile)
{
    TsuiFileTheme theme;
    theme.AssignThemeFile(themeFile(QStringLiteral("a.theme"), 1));
    QImage whole, frame;
    theme.GetBitmap(ThemeElement::ButtonImage, whole);
    EXPECT_EQ(whole.size(), QSize(54, 21));
    theme.GetBitmapFrame(ThemeElement::ButtonImage, frame, 3, 2);
    ASSERT_EQ(frame.size(), QSize(18, 21));
    EXPECT_EQ(qRed(frame.pixel(0, 0)), 18);
    // An entry the file lacks leaves the bitmap as it was.
    QImage kept(3, 3, QImage::Format_RGB32);
    theme.GetBitmap(ThemeElement::CheckBoxImage, kept);
    EXPECT_EQ(kept.size(), QSize(3, 3));
}

TEST_F(FileTheme, SamePathLoadsOnceAndAMissingPathChangesNothing)
{
    TsuiFileTheme theme;
    const QString path = themeFile(QStringLiteral("a.theme"), 1);
    theme.AssignThemeFile(path);
    themeFile(QStringLiteral("a.theme"), 2);
    theme.AssignThemeFile(path);
    EXPECT_EQ(theme.GetInt(ThemeElement::FormMinWidthInt), 1);
    theme.AssignThemeFile(dir.filePath(QStringLiteral("absent.theme")));
    EXPECT_EQ(theme.ThemeFile(), path);
    EXPECT_TRUE(theme.ThemeLoaded());
    theme.AssignThemeFile(themeFile(QStringLiteral("b.theme"), 3));
    EXPECT_EQ(theme.GetInt(ThemeElement::FormMinWidthInt), 3);
}

TEST_F(FileTheme, AFileThatFailsToLoadKeepsThePreviousTheme)
{
    TsuiFileTheme theme;
    const QString good = themeFile(QStringLiteral("good.theme"), 7);
    theme.AssignThemeFile(good);
    const QString bad = dir.filePath(QStringLiteral("bad.theme"));
    WriteBytes(bad, std::vector<std::uint8_t>(30, 0xFF));
    EXPECT_THROW(theme.AssignThemeFile(bad), runtime::RuntimeError);
    EXPECT_EQ(theme.ThemeFile(), good);
    EXPECT_TRUE(theme.ThemeLoaded());
    EXPECT_EQ(theme.GetInt(ThemeElement::FormMinWidthInt), 7);
}

TEST_F(FileTheme, AFileNextToTheProgramIsFoundByName)
{
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".theme");
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::copy(themeFile(QStringLiteral("x.theme"), 5), beside);
    TsuiFileTheme theme;
    theme.AssignThemeFile(dir.filePath(QStringLiteral("elsewhere/") + name));
    QFile::remove(beside);
    EXPECT_EQ(theme.ThemeFile(), beside);
    EXPECT_EQ(theme.GetInt(ThemeElement::FormMinWidthInt), 5);
}

TEST_F(FileTheme, ALoadReannouncesItselfToTheFormsSkinnedComponents)
{
    QWidget form;
    auto* theme = new TsuiFileTheme(&form);
    TsuiFileTheme other;
    auto* user = new TsuiProbe(&form);
    auto* nested = new TsuiProbe(new QWidget(&form));
    auto* otherUser = new TsuiProbe(&form);
    auto* wrongCase = new TSUIProbe(&form);
    user->setFileTheme(theme);
    nested->setFileTheme(theme);
    otherUser->setFileTheme(&other);
    wrongCase->setFileTheme(theme);

    theme->AssignThemeFile(themeFile(QStringLiteral("a.theme"), 1));
    EXPECT_EQ(user->themeWrites, 2);
    EXPECT_EQ(nested->themeWrites, 2);
    EXPECT_EQ(otherUser->themeWrites, 1);
    EXPECT_EQ(wrongCase->themeWrites, 1);

    // Owned by something other than a form: loads, tells nobody.
    QWidget panel(&form);
    auto* panelTheme = new TsuiFileTheme(&panel);
    auto* panelUser = new TsuiProbe(&panel);
    panelUser->setFileTheme(panelTheme);
    panelTheme->AssignThemeFile(themeFile(QStringLiteral("b.theme"), 1));
    EXPECT_TRUE(panelTheme->ThemeLoaded());
    EXPECT_EQ(panelUser->themeWrites, 1);
}

TEST_F(FileTheme, SpreadThemeReachesDirectChildrenWithBothProperties)
{
    QWidget form;
    TsuiFileTheme theme;
    auto* child = new TsuiProbe(&form);
    auto* grandchild = new TsuiProbe(new QWidget(&form));
    auto* styleOnly = new StyleOnly(&form);
    SpreadThemeToControls(&form, TsuiUIStyle::WinXP, &theme);
    EXPECT_EQ(child->fileTheme(), &theme);
    EXPECT_EQ(child->uiStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(child->order, QStringLiteral("FU"));
    EXPECT_EQ(grandchild->order, QString());
    EXPECT_EQ(styleOnly->style, TsuiUIStyle::DeepBlue);
}

TEST_F(FileTheme, ControlsLoseTheThemeWhenItIsDestroyed)
{
    auto* theme = new TsuiFileTheme;
    TsuiProbe control;
    control.setFileTheme(theme);
    delete theme;
    EXPECT_EQ(control.fileTheme(), nullptr);
    TsuiUIStyle effective;
    EXPECT_FALSE(ResolveUIStyle(control.fileTheme(), TsuiUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TsuiUIStyle::DeepBlue);
}

#include "FileThemeTest.moc"
