#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace forms {

// One value of a stored form description. The text form mirrors what a form
// designer writes: numbers, 'quoted strings' (two quotes give one), bare
// identifiers (enumeration members, True/False, handler and component names),
// sets [a, b], string lists ('a' 'b') and collections < item ... end >.
struct FormValue {
    enum Kind { Integer, Float, String, Identifier, Set, StringList, Collection };
    struct Item;

    Kind kind = Integer;
    qint64 integer = 0;
    double number = 0;
    QString text;
    QStringList list;
    QList<Item> items;
};

struct FormProperty {
    QString name; // may be dotted, as in Font.Height
    FormValue value;
    int line = 0;
};

struct FormValue::Item {
    QList<FormProperty> properties;
};

struct FormNode {
    QString name;
    QString className;
    QList<FormProperty> properties; // in file order
    QList<FormNode> children;       // in file order
};

// Parses the text of a form description. Raises RuntimeError naming the line
// on any syntax error; nothing is half-read.
FormNode ParseFormDescription(const QString& text);

} // namespace forms
