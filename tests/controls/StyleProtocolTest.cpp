#include "ControlTestSupport.h"
#include "FakeSkinnedForm.h"

#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiDBNavigator.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QPointer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Every styled control, made through its class, used through its published
// properties only, as stored forms and SpreadThemeToControls use them.
const std::pair<const char*, std::function<QWidget*(QWidget*)>> StyledControls[] = {
    {"TsuiButton", [](QWidget* p) -> QWidget* { return new TsuiButton(p); }},
    {"TsuiCheckBox", [](QWidget* p) -> QWidget* { return new TsuiCheckBox(p); }},
    {"TsuiEdit", [](QWidget* p) -> QWidget* { return new TsuiEdit(p); }},
    {"TsuiComboBox", [](QWidget* p) -> QWidget* { return new TsuiComboBox(p); }},
    {"TsuiProgressBar", [](QWidget* p) -> QWidget* { return new TsuiProgressBar(p); }},
    {"TsuiDBNavigator", [](QWidget* p) -> QWidget* { return new TsuiDBNavigator(p); }},
};

TsuiUIStyle StyleOf(const QWidget* control)
{
    return TsuiUIStyle(control->property("UIStyle").toInt());
}

} // namespace

TEST(StyleProtocol, InitialStyleComesFromTheOwnerFormsFrame)
{
    QWidget plain;
    QWidget skinned;
    new TsuiForm(&skinned, TsuiUIStyle::WinXP);
    for (const auto& [name, make] : StyledControls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(StyleOf(std::unique_ptr<QWidget>(make(nullptr)).get()), TsuiUIStyle::DeepBlue);
        EXPECT_EQ(StyleOf(make(&plain)), TsuiUIStyle::DeepBlue);
        EXPECT_EQ(StyleOf(make(&skinned)), TsuiUIStyle::WinXP);
    }
}

TEST(StyleProtocol, RemovedFileThemeFallsBackToDeepBlue)
{
    for (const auto& [name, make] : StyledControls) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> control(make(nullptr));
        auto* theme = new TsuiFileTheme;
        ASSERT_TRUE(control->setProperty("FileTheme", QVariant::fromValue(theme)));
        ASSERT_TRUE(control->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::FromThemeFile)));
        EXPECT_EQ(control->property("FileTheme").value<TsuiFileTheme*>(), theme);
        delete theme;
        EXPECT_EQ(control->property("FileTheme").value<TsuiFileTheme*>(), nullptr);
        EXPECT_EQ(StyleOf(control.get()), TsuiUIStyle::DeepBlue);
    }
}

TEST(StyleProtocol, AThemeOwnedByTheControlDiesWithItQuietly)
{
    // The theme, a child of the control, is destroyed after the control's
    // own members: its removal must not fall back to DeepBlue on a control
    // that is half gone (the sanitizer reports it).
    for (const auto& [name, make] : StyledControls) {
        SCOPED_TRACE(name);
        QWidget* control = make(nullptr);
        control->setProperty("FileTheme", QVariant::fromValue(new TsuiFileTheme(control)));
        delete control;
    }
}

TEST(StyleProtocol, SpreadThemeReachesEveryControl)
{
    QWidget form;
    for (const auto& [name, make] : StyledControls)
        make(&form);
    TsuiFileTheme theme;
    SpreadThemeToControls(&form, TsuiUIStyle::Protein, &theme);
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(child->metaObject()->className());
        EXPECT_EQ(StyleOf(child), TsuiUIStyle::Protein);
        EXPECT_EQ(child->property("FileTheme").value<TsuiFileTheme*>(), &theme);
    }
}

TEST(StyleProtocol, FromThemeFileWithoutALoadedThemeDrawsAsDeepBlue)
{
    TsuiFileTheme theme; // nothing loaded
    for (const auto& [name, make] : StyledControls) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> deepBlue(make(nullptr));
        std::unique_ptr<QWidget> fromFile(make(nullptr));
        deepBlue->resize(120, fromFile->height());
        fromFile->resize(120, fromFile->height());
        deepBlue->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::DeepBlue));
        fromFile->setProperty("FileTheme", QVariant::fromValue(&theme));
        fromFile->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::FromThemeFile));
        EXPECT_TRUE(SameImage(Snapshot(*fromFile), Snapshot(*deepBlue)));
    }
}
