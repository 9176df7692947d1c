#include "GallerySections.h"
#include "GallerySheet.h"

#include "data/SqlDataSet.h"
#include "skin/controls/TsuiDBNavigator.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlTableModel>

namespace {

// Three rows in a private in-memory database: enough for a beginning, a
// middle and an end.
QSqlDatabase galleryDatabase()
{
    const QString name = QStringLiteral("gallery-navigator");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QStringLiteral(":memory:"));
    db.open();
    QSqlQuery query(db);
    query.exec(QStringLiteral("CREATE TABLE rows (id INTEGER PRIMARY KEY, name TEXT)"));
    query.exec(QStringLiteral("INSERT INTO rows (name) VALUES ('a'), ('b'), ('c')"));
    return db;
}

void navigators(GallerySheet& sheet)
{
    auto* model = new QSqlTableModel(sheet.host(), galleryDatabase());
    model->setTable(QStringLiteral("rows"));
    auto* set = new data::SqlDataSet(sheet.host());
    set->setModel(model);
    const auto navigator = [&sheet](data::SqlDataSet* source) {
        auto* n = sheet.make<TsuiDBNavigator>();
        n->resize(240, 25);
        n->setDataSource(source);
        return n;
    };

    sheet.add(QStringLiteral("no data"), navigator(nullptr));
    set->setActive(true);
    sheet.add(QStringLiteral("at beginning"), navigator(set));
    set->next();
    TsuiDBNavigator* n = navigator(set);
    n->setTabStop(true);
    GallerySheet::focus(n);
    sheet.add(QStringLiteral("middle, focused"), n);
    set->last();
    sheet.add(QStringLiteral("at end"), navigator(set));
    set->edit();
    sheet.add(QStringLiteral("editing"), navigator(set));
    set->cancel();
    set->setActive(false);
}

const GallerySection navigatorSection(55, "Data navigator", navigators);

} // namespace
