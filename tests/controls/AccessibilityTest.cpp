#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiComboBox.h"
#include "skin/controls/TsuiEdit.h"
#include "skin/controls/TsuiProgressBar.h"

#include <QAccessible>
#include <QSignalSpy>
#include <gtest/gtest.h>

// What a screen reader learns of each skinned control.
TEST(Accessibility, ControlsReportRoleNameAndState)
{
    QWidget window;
    auto* button = new TsuiButton(&window);
    button->setCaption(QStringLiteral("&Start"));
    auto* box = new TsuiCheckBox(&window);
    box->setCaption(QStringLiteral("Authorization &required"));
    auto* bar = new TsuiProgressBar(&window);
    bar->setPosition(37);
    auto* edit = new TsuiEdit(&window);
    edit->setAccessibleName(QStringLiteral("Owner password"));
    auto* combo = new TsuiComboBox(&window);
    combo->setAccessibleName(QStringLiteral("Rip Mode"));

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Start"));
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // an animated click
    EXPECT_TRUE(clicks.count() == 1 || clicks.wait(2000));

    a = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::CheckBox);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Authorization required"));
    EXPECT_FALSE(a->state().checked);
    box->setChecked(true);
    EXPECT_TRUE(a->state().checked);

    a = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::ProgressBar);
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 37);
    EXPECT_EQ(a->valueInterface()->maximumValue().toInt(), 100);
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("37%"));

    EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), QStringLiteral("Owner password"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Name), QStringLiteral("Rip Mode"));
}
