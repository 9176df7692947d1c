#include "ControlTestSupport.h"

#include "ThemeTool.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Two copies of a control: one in the built-in style, one from the theme
// file that quarlex-theme exports for that style. Both must paint alike.
void ExpectSameLook(TsuiUIStyle style, TsuiFileTheme& theme, const std::function<QWidget*()>& make,
                    const std::function<void(QWidget*)>& prepare)
{
    std::unique_ptr<QWidget> builtin(make()), fromFile(make());
    builtin->setProperty("UIStyle", QVariant::fromValue(style));
    fromFile->setProperty("FileTheme", QVariant::fromValue(&theme));
    fromFile->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::FromThemeFile));
    prepare(builtin.get());
    prepare(fromFile.get());
    EXPECT_TRUE(SameImage(Snapshot(*fromFile), Snapshot(*builtin))) << fromFile->metaObject()->className();
}

} // namespace

TEST(ThemeFile, ExportedStyleDrawsLikeTheBuiltInOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (TsuiUIStyle style : BuiltinStyles) {
        SCOPED_TRACE(int(style));
        const QString file = dir.filePath(QStringLiteral("style%1.theme").arg(int(style)));
        SaveThemeFile(file, ExportBuiltinStyle(style));
        TsuiFileTheme theme;
        theme.AssignThemeFile(file);
        ASSERT_TRUE(theme.ThemeLoaded());

        const auto button = [] { return new TsuiButton; };
        for (int look = 0; look < 4; ++look) {
            ExpectSameLook(style, theme, button, [look](QWidget* w) {
                auto* b = static_cast<TsuiButton*>(w);
                b->resize(90, 31);
                b->setCaption(QStringLiteral("&Start"));
                if (look == 1)
                    SendEnter(*b, QPoint(5, 5));
                if (look == 2) {
                    SendEnter(*b, QPoint(5, 5));
                    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                      Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(b, &press);
                }
                if (look == 3)
                    b->setEnabled(false);
            });
        }
        // Sized from the strip a theme file carries as from the built-in one.
        ExpectSameLook(style, theme, button, [](QWidget* w) { static_cast<TsuiButton*>(w)->setAutoSize(true); });
        for (bool checked : {false, true})
            for (bool enabled : {false, true})
                ExpectSameLook(
                    style, theme, [] { return new TsuiCheckBox; },
                    [=](QWidget* w) {
                        auto* c = static_cast<TsuiCheckBox*>(w);
                        c->setCaption(QStringLiteral("Merge paragraphs"));
                        c->setChecked(checked);
                        c->setEnabled(enabled);
                    });
        for (TsuiProgressBarOrientation orientation : {suiHorizontal, suiVertical})
            ExpectSameLook(
                style, theme, [] { return new TsuiProgressBar; },
                [=](QWidget* w) {
                    auto* p = static_cast<TsuiProgressBar*>(w);
                    p->setOrientation(orientation);
                    p->setPosition(37);
                });
        ExpectSameLook(
            style, theme, [] { return new TsuiEdit; },
            [](QWidget* w) { static_cast<TsuiEdit*>(w)->setText(QStringLiteral("100%")); });
        // The MacOS and WinXP combo buttons are bitmaps of the stored style,
        // which a theme file does not carry.
        if (style != TsuiUIStyle::MacOS && style != TsuiUIStyle::WinXP)
            ExpectSameLook(
                style, theme, [] { return new TsuiComboBox; },
                [](QWidget* w) { static_cast<TsuiComboBox*>(w)->setItems({QStringLiteral("PDF -> HTML")}); });
    }
}
