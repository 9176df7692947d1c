#include "pickers/TAHMLookupEdit.h"
#include "runtime/BitmapResource.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

widgets::SpeedButton* buttonA(TAHMCustomLookupEdit& edit)
{
    return edit.findChild<widgets::SpeedButton*>(QStringLiteral("buttonA"));
}

widgets::SpeedButton* buttonB(TAHMCustomLookupEdit& edit)
{
    return edit.findChild<widgets::SpeedButton*>(QStringLiteral("buttonB"));
}

// The main window's lookup edits: 369 x 21 with the designed 11-pixel font.
void mainWindowSize(TAHMCustomLookupEdit& edit)
{
    QFont font = edit.font();
    font.setPixelSize(11);
    edit.setFont(font);
    edit.resize(369, 21);
    edit.show();
}

} // namespace

TEST(LookupEdit, ButtonsAndTextAreaAtTheMainWindowSize)
{
    TAHMCustomLookupEdit edit;
    mainWindowSize(edit);
    ASSERT_LE(edit.GetMinHeight(), 21);
    ASSERT_EQ(edit.height(), 21);
    const int border = edit.borderWidth();

    EXPECT_EQ(buttonA(edit)->geometry(), QRect(348 + border, border, 17, 17));
    EXPECT_EQ(buttonB(edit)->geometry(), QRect(331 + border, border, 17, 17));
    EXPECT_EQ(edit.textMargins().right(), 34);

    edit.editButton2()->setVisible(false);
    EXPECT_TRUE(buttonA(edit)->isHidden());
    EXPECT_EQ(buttonB(edit)->geometry(), QRect(348 + border, border, 17, 17));
    EXPECT_EQ(edit.textMargins().right(), 17);

    edit.editButton1()->setVisible(false);
    EXPECT_EQ(edit.textMargins().right(), 0);
}

TEST(LookupEdit, GrowsToItsFontOnTheNextResize)
{
    TAHMCustomLookupEdit edit;
    mainWindowSize(edit);
    QFont big = edit.font();
    big.setPixelSize(30);
    edit.setFont(big);
    EXPECT_EQ(edit.height(), 21); // the font change alone moves nothing
    edit.resize(380, 21);
    EXPECT_GT(edit.GetMinHeight(), 21);
    EXPECT_EQ(edit.height(), edit.GetMinHeight());
    // The buttons follow the new height.
    const int side = edit.height() - 4;
    EXPECT_EQ(buttonA(edit)->size(), QSize(side, side));
    EXPECT_EQ(edit.textMargins().right(), 2 * side);
}

TEST(LookupEdit, ClickingAButtonRaisesItsEventAndFocusesTheEdit)
{
    QWidget form;
    auto* other = new QLineEdit(&form);
    auto* edit = new TAHMCustomLookupEdit(&form);
    edit->setGeometry(0, 30, 369, 21);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    other->setFocus();
    QSignalSpy one(edit, &TAHMCustomLookupEdit::OnButton1Click);
    QSignalSpy two(edit, &TAHMCustomLookupEdit::OnButton2Click);

    QTest::mouseClick(buttonB(*edit), Qt::LeftButton);
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one.first().first().value<QObject*>(), edit);
    EXPECT_EQ(two.size(), 0);
    EXPECT_TRUE(edit->hasFocus());

    QTest::mouseClick(buttonA(*edit), Qt::LeftButton);
    EXPECT_EQ(two.size(), 1);
    EXPECT_EQ(one.size(), 1);
}

TEST(LookupEdit, ShortcutsClickTheirButton)
{
    struct Row {
        QKeySequence key1;
        QKeySequence key2;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks1;
        int clicks2;
    };
    const Row rows[] = {
        {QKeySequence(), QKeySequence(Qt::Key_F4), Qt::Key_F4, Qt::NoModifier, 0, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(), Qt::Key_O, Qt::ControlModifier, 1, 0},
        {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(), Qt::Key_O, Qt::NoModifier, 0, 0},
        // Both on the same key: the right-hand button takes it alone.
        {QKeySequence(Qt::Key_F4), QKeySequence(Qt::Key_F4), Qt::Key_F4, Qt::NoModifier, 0, 1},
        // No shortcut never triggers, whatever is pressed.
        {QKeySequence(), QKeySequence(), Qt::Key_F4, Qt::NoModifier, 0, 0},
        {QKeySequence(), QKeySequence(), Qt::Key_A, Qt::NoModifier, 0, 0},
        {QKeySequence(), QKeySequence(), Qt::Key_Return, Qt::NoModifier, 0, 0},
    };
    for (const Row& row : rows) {
        TAHMCustomLookupEdit edit;
        edit.editButton1()->setShortCutKey(row.key1);
        edit.editButton2()->setShortCutKey(row.key2);
        QSignalSpy one(&edit, &TAHMCustomLookupEdit::OnButton1Click);
        QSignalSpy two(&edit, &TAHMCustomLookupEdit::OnButton2Click);
        QTest::keyClick(&edit, row.key, row.modifiers);
        EXPECT_EQ(one.size(), row.clicks1) << row.key;
        EXPECT_EQ(two.size(), row.clicks2) << row.key;
    }
}

TEST(LookupEdit, EnterAndEscapeReachTheFormsButtons)
{
    for (auto [key, expected] :
         {std::pair{Qt::Key_Return, int(QDialog::Accepted)}, std::pair{Qt::Key_Escape, int(QDialog::Rejected)}}) {
        QDialog form;
        auto* edit = new TAHMCustomLookupEdit(&form);
        auto* ok = new QPushButton(QStringLiteral("OK"), &form);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(edit);
        layout->addWidget(ok);
        form.show();
        form.setResult(-1);
        edit->setFocus();
        QSignalSpy finished(&form, &QDialog::finished);
        QTest::keyClick(edit, key);
        ASSERT_EQ(finished.size(), 1) << key;
        EXPECT_EQ(form.result(), expected) << key;
    }
}

TEST(LookupEdit, ButtonsShareTheEditsEnabledState)
{
    TAHMCustomLookupEdit edit;
    edit.editButton1()->setEnabled(false);
    EXPECT_FALSE(buttonB(edit)->isEnabled());
    edit.setEnabled(false);
    EXPECT_FALSE(buttonA(edit)->isEnabled());
    edit.setEnabled(true);
    // Even the button switched off on its own comes back with its edit.
    EXPECT_TRUE(buttonA(edit)->isEnabled());
    EXPECT_TRUE(buttonB(edit)->isEnabled());
    EXPECT_TRUE(edit.editButton1()->isEnabled());
}

TEST(LookupEdit, AssigningAWholeButtonCopiesItsSettings)
{
    TAHMCustomLookupEdit source;
    source.editButton1()->setHint(QStringLiteral("Browse"));
    source.editButton1()->setShowHint(true);
    source.editButton1()->setShortCutKey(QKeySequence(Qt::Key_F4));
    source.editButton1()->setVisible(false);
    TAHMCustomLookupEdit edit;
    edit.resize(369, 21);
    edit.setEditButton1(source.editButton1());
    EXPECT_EQ(buttonB(edit)->toolTip(), QStringLiteral("Browse"));
    EXPECT_EQ(edit.editButton1()->shortCutKey(), QKeySequence(Qt::Key_F4));
    EXPECT_FALSE(edit.editButton1()->isVisible());
    EXPECT_NE(edit.editButton1(), source.editButton1());
    EXPECT_EQ(edit.textMargins().right(), 17);
}

TEST(LookupEdit, AutoSelectOnEnteringOtherThanByClick)
{
    QWidget form;
    auto* first = new QLineEdit(&form);
    auto* edit = new TAHMCustomLookupEdit(&form);
    edit->move(0, 30);
    edit->setText(QStringLiteral("/home/user/a.pdf"));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (bool autoSelect : {true, false}) {
        first->setFocus();
        edit->deselect();
        edit->setAutoSelect(autoSelect);
        edit->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(edit->selectedText() == edit->text(), autoSelect) << autoSelect;
    }
}

TEST(LookupEdit, LookupEditShowsBothGlyphs)
{
    TAHMLookupEdit edit;
    EXPECT_TRUE(edit.editButton1()->isVisible());
    EXPECT_TRUE(edit.editButton2()->isVisible());
    EXPECT_EQ(edit.editButton1()->glyph(), runtime::LoadBitmapResource(QStringLiteral("AHMLOOKUPEDITB1")));
    EXPECT_EQ(edit.editButton2()->glyph(), runtime::LoadBitmapResource(QStringLiteral("AHMLOOKUPEDITB2")));
    EXPECT_EQ(edit.editButton1()->numGlyphs(), 2);
    EXPECT_EQ(edit.editButton2()->numGlyphs(), 2);
}
