#include "common/MessageResponder.h"
#include "common/QStringPrinter.h"
#include "common/WaitUntil.h"
#include "data/SqlDataSet.h"
#include "skin/controls/TsuiDBNavigator.h"
#include "skin/controls/TsuiNavButton.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace SuiNavigator;

namespace {

// Created on the first press of a repeating button.
QTimer* NavigationTimer(const TsuiNavButton* button)
{
    return button->findChild<QTimer*>(QStringLiteral("navigationTimer"));
}

// A navigator over three rows of a real SQLite file.
class NavigatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(dir.filePath(QStringLiteral("rows.sqlite")));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("CREATE TABLE rows (id INTEGER PRIMARY KEY, text TEXT)"));
        ASSERT_TRUE(query.exec("INSERT INTO rows (text) VALUES ('one'), ('two'), ('three')"));
        model = std::make_unique<QSqlTableModel>(nullptr, db);
        model->setTable(QStringLiteral("rows"));
        model->setSort(0, Qt::AscendingOrder);
        dataSet.setModel(model.get());
        dataSet.setActive(true);
        navigator->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(navigator.get()));
    }
    void TearDown() override
    {
        navigator.reset();
        dataSet.setModel(nullptr);
        model.reset();
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    std::array<bool, ButtonCount> enabled() const
    {
        std::array<bool, ButtonCount> on{};
        for (int b = 0; b < ButtonCount; ++b)
            on[b] = navigator->button(TNavigateBtn(b))->isEnabled();
        return on;
    }
    void click(TNavigateBtn b) { QTest::mouseClick(navigator->button(b), Qt::LeftButton); }
    int rows()
    {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        return query.exec("SELECT count(*) FROM rows") && query.next() ? query.value(0).toInt() : -1;
    }

    QTemporaryDir dir;
    const QString connection = QStringLiteral("navigator-test");
    std::unique_ptr<QSqlTableModel> model;
    data::SqlDataSet dataSet;
    std::unique_ptr<TsuiDBNavigator> navigator = std::make_unique<TsuiDBNavigator>();
};

constexpr bool T = true, F = false;

} // namespace

TEST_F(NavigatorTest, ButtonsFollowTheDataSet)
{
    // Unbound: nothing to do.
    EXPECT_EQ(enabled(), (std::array<bool, ButtonCount>{}));
    navigator->setDataSource(&dataSet);
    //                                               first prior next last ins del edit post cancel refresh
    EXPECT_EQ(enabled(), (std::array<bool, ButtonCount>{F, F, T, T, T, T, T, F, F, T}));
    click(nbLast);
    EXPECT_EQ(dataSet.value("text"), "three");
    EXPECT_EQ(enabled(), (std::array<bool, ButtonCount>{T, T, F, F, T, T, T, F, F, T}));
    click(nbEdit);
    EXPECT_EQ(enabled(), (std::array<bool, ButtonCount>{T, T, F, F, T, T, F, T, T, T}));
    click(nbCancel);
    dataSet.setReadOnly(true);
    EXPECT_EQ(enabled(), (std::array<bool, ButtonCount>{T, T, F, F, F, F, F, F, F, F}));
    navigator->setEnabled(false);
    EXPECT_EQ(enabled(), (std::array<bool, ButtonCount>{}));
}

TEST_F(NavigatorTest, ClicksFireBeforeActionOnlyWithAnActiveDataSet)
{
    QSignalSpy before(navigator.get(), &TsuiDBNavigator::beforeAction);
    QSignalSpy clicks(navigator.get(), &TsuiDBNavigator::clicked);
    navigator->BtnClick(nbNext);
    EXPECT_EQ(before.size(), 0);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].value<TNavigateBtn>(), nbNext);

    navigator->setDataSource(&dataSet);
    click(nbNext);
    EXPECT_EQ(before.size(), 1);
    EXPECT_EQ(clicks.size(), 2);
    EXPECT_EQ(dataSet.value("text"), "two");
}

TEST_F(NavigatorTest, DeleteAsksFirstAndCancelDeletesNothing)
{
    navigator->setDataSource(&dataSet);
    QSignalSpy clicks(navigator.get(), &TsuiDBNavigator::clicked);
    MessageResponder responder;
    responder.answerNext(runtime::IdCancel);
    click(nbDelete);
    EXPECT_EQ(responder.texts(), QStringList{"Delete record?"});
    EXPECT_EQ(responder.boxes()[0].type, runtime::MbOkCancel | runtime::MbIconQuestion);
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(clicks.size(), 1);

    responder.answerNext(runtime::IdOk);
    click(nbDelete);
    EXPECT_EQ(rows(), 2);
    navigator->setConfirmDelete(false);
    click(nbDelete);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(responder.boxes().size(), 2);
}

TEST_F(NavigatorTest, HeldButtonsRepeatUntilReleasedOrAtTheEnd)
{
    navigator->setDataSource(&dataSet);
    TsuiNavButton* next = navigator->button(nbNext);
    QTest::mousePress(next, Qt::LeftButton);
    ASSERT_NE(NavigationTimer(next), nullptr);
    EXPECT_EQ(NavigationTimer(next)->interval(), TsuiNavButton::FirstRepeatMs);
    EXPECT_EQ(dataSet.currentRow(), 0); // the click comes on release
    // At the last row Next is disabled and hears no release: it stops itself.
    EXPECT_TRUE(WaitUntil([&] { return dataSet.currentRow() == 2; }));
    EXPECT_EQ(NavigationTimer(next)->interval(), TsuiNavButton::RepeatMs);
    EXPECT_FALSE(NavigationTimer(next)->isActive());
    EXPECT_EQ(NavigationTimer(navigator->button(nbFirst)), nullptr);

    TsuiNavButton* prior = navigator->button(nbPrior);
    QTest::mousePress(prior, Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return dataSet.currentRow() == 1; }));
    QTest::mouseRelease(prior, Qt::LeftButton);
    EXPECT_FALSE(NavigationTimer(prior)->isActive());
    EXPECT_EQ(dataSet.currentRow(), 0);
}

TEST_F(NavigatorTest, HintsKeyboardAndLayout)
{
    navigator->setHints({"Start"});
    EXPECT_EQ(navigator->button(nbFirst)->toolTip(), "Start");
    EXPECT_EQ(navigator->button(nbPrior)->accessibleName(), "Prior record");

    navigator->setDataSource(&dataSet);
    navigator->setTabStop(true);
    QTest::mousePress(navigator->button(nbLast), Qt::LeftButton);
    QTest::mouseRelease(navigator->button(nbLast), Qt::LeftButton);
    EXPECT_EQ(navigator->focusedButton(), nbLast);
    ASSERT_TRUE(QTest::qWaitForWindowActive(navigator.get()));
    EXPECT_TRUE(navigator->button(nbLast)->focusMark().shown);
    EXPECT_FALSE(navigator->button(nbFirst)->focusMark().shown);
    EXPECT_EQ(navigator->button(nbLast)->focusMark().rect, navigator->button(nbLast)->rect().adjusted(3, 3, -3, -3));
    QTest::keyClick(navigator.get(), Qt::Key_Left);
    QTest::keyClick(navigator.get(), Qt::Key_Left);
    EXPECT_EQ(navigator->focusedButton(), nbPrior);
    QTest::keyClick(navigator.get(), Qt::Key_Space);
    EXPECT_EQ(dataSet.value("text"), "two");

    navigator->setVisibleButtons(TsuiDBNavigator::nbFirst | TsuiDBNavigator::nbNext | TsuiDBNavigator::nbRefresh);
    navigator->resize(100, 25);
    EXPECT_EQ(navigator->width(), 99);
    EXPECT_EQ(navigator->buttonWidth(), 33);
    EXPECT_FALSE(navigator->button(nbPrior)->isVisible());
}
