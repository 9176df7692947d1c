#include "data/SqlDataSet.h"
#include "common/QStringPrinter.h"
#include "runtime/RuntimeError.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using data::SqlDataSet;
using runtime::RuntimeError;

namespace {

// A real SQLite file in a temporary folder with a table of `rows` notes.
class DataSetTest : public ::testing::Test {
protected:
    void open(int rows)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(dir.filePath(QStringLiteral("notes.sqlite")));
        ASSERT_TRUE(db.open());
        exec("CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT NOT NULL)");
        exec("BEGIN");
        for (int i = 1; i <= rows; ++i)
            exec(QStringLiteral("INSERT INTO notes (text) VALUES ('note %1')").arg(i));
        exec("COMMIT");
        model = std::make_unique<QSqlTableModel>(nullptr, db);
        model->setTable(QStringLiteral("notes"));
        model->setSort(0, Qt::AscendingOrder);
        set.setModel(model.get());
        set.setActive(true);
    }
    void TearDown() override
    {
        set.setModel(nullptr);
        model.reset();
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    void exec(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    }
    // What another connection reads: the data set's writes reached the file.
    int count(const QString& where)
    {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        query.exec(QStringLiteral("SELECT count(*) FROM notes WHERE ") + where);
        return query.next() ? query.value(0).toInt() : -1;
    }
    QString text() const { return set.value(QStringLiteral("text")).toString(); }

    QTemporaryDir dir;
    const QString connection = QStringLiteral("data-set-test");
    std::unique_ptr<QSqlTableModel> model;
    SqlDataSet set;
};

} // namespace

// More rows than the model fetches at once: the end is the table's end,
// not the end of what has been fetched so far.
TEST_F(DataSetTest, MovesThroughEveryRowAndKnowsBothEnds)
{
    open(600);
    QSignalSpy changes(&set, &SqlDataSet::changed);
    EXPECT_TRUE(set.atBeginning());
    EXPECT_FALSE(set.atEnd());
    for (int i = 1; i < 600; ++i)
        set.next();
    EXPECT_EQ(text(), "note 600");
    EXPECT_TRUE(set.atEnd());
    EXPECT_EQ(changes.size(), 599);
    set.next();
    EXPECT_EQ(changes.size(), 599);
    set.prior();
    EXPECT_FALSE(set.atEnd());
    set.first();
    EXPECT_TRUE(set.atBeginning());
    set.prior();
    EXPECT_EQ(text(), "note 1");
    set.last();
    EXPECT_EQ(text(), "note 600");

    set.setActive(false);
    EXPECT_TRUE(set.atBeginning() && set.atEnd());
    EXPECT_FALSE(set.canModify());
    EXPECT_THROW(set.next(), RuntimeError);
}

TEST_F(DataSetTest, EditsReachTheFileOnlyWhenPosted)
{
    open(3);
    set.next();
    set.edit();
    EXPECT_EQ(set.state(), SqlDataSet::State::Edit);
    set.setValue(QStringLiteral("text"), QStringLiteral("changed"));
    set.cancel();
    EXPECT_EQ(text(), "note 2");
    EXPECT_EQ(count("text = 'changed'"), 0);

    set.edit();
    set.setValue(QStringLiteral("text"), QStringLiteral("changed"));
    set.next(); // moving posts
    EXPECT_EQ(count("id = 2 AND text = 'changed'"), 1);
    EXPECT_EQ(text(), "note 3");

    set.insert();
    EXPECT_EQ(set.state(), SqlDataSet::State::Insert);
    set.cancel();
    EXPECT_EQ(text(), "note 3");
    EXPECT_EQ(count("1"), 3);

    set.insert();
    set.setValue(QStringLiteral("text"), QStringLiteral("new"));
    set.post();
    EXPECT_EQ(set.state(), SqlDataSet::State::Browse);
    EXPECT_EQ(text(), "new"); // the new row stays current after the re-read
    EXPECT_TRUE(set.atEnd());
    EXPECT_EQ(count("text = 'new'"), 1);

    // A refused post raises and keeps the edit, so nothing typed is lost.
    set.edit();
    set.setValue(QStringLiteral("text"), QVariant());
    EXPECT_THROW(set.post(), RuntimeError);
    EXPECT_TRUE(set.isEditing());
    set.cancel();
    EXPECT_THROW(set.setValue(QStringLiteral("text"), QStringLiteral("x")), RuntimeError);
}

TEST_F(DataSetTest, DeleteRefreshAndReadOnly)
{
    open(3);
    set.last();
    set.remove();
    EXPECT_EQ(count("1"), 2);
    EXPECT_EQ(text(), "note 2");
    EXPECT_TRUE(set.atEnd());

    // Rows added elsewhere show after a refresh; the current row is kept.
    exec("INSERT INTO notes (id, text) VALUES (0, 'note 0')");
    set.refresh();
    EXPECT_EQ(text(), "note 2");
    EXPECT_EQ(set.currentRow(), 2);

    set.setReadOnly(true);
    EXPECT_FALSE(set.canModify());
    EXPECT_THROW(set.remove(), RuntimeError);
    EXPECT_THROW(set.insert(), RuntimeError);
    set.setReadOnly(false);

    set.first();
    for (int i = 0; i < 3; ++i)
        set.remove();
    EXPECT_TRUE(set.atBeginning() && set.atEnd());
    EXPECT_THROW(set.remove(), RuntimeError);
}
