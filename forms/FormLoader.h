#pragma once

#include "forms/FormDescription.h"

class QObject;

namespace forms {

// Builds a form from its stored description: the root's properties apply to
// `form` itself; every child object is created by class name through the
// ComponentRegistry, named, parented to its enclosing object and has its
// properties set by name, in file order, right after it is created (so a
// component sees the components before it, as a form designer's streaming
// does). References to components by name are fixed up at the end.
//
// Property rules, tried in this order for NAME = value:
//  - OnEvent = Handler: connects the component's signal (OnEvent, event,
//    evented: OnClick -> clicked) to the form's slot Handler.
//  - A published property NAME (or name with a lower-case first letter).
//  - Left/Top/Width/Height of a widget without such a property: geometry.
//  - Font.Name/Height/Size/Style/Color: the class's own QFont property Font
//    (colour through FontColor) when it publishes one, else the widget's
//    font and text colour;
//    Height below 0 is a pixel height. Other dotted names set the part after
//    the dot on the sub-object the first part names.
// When the whole form is built and no longer loading, every component that
// has a Q_INVOKABLE Loaded() gets it called once, in creation order.
// A collection (< item ... end >) is a QObject* property whose object has
// Q_INVOKABLE QObject* add() and, optionally, clear(), called first.
// Values convert to the property's type: colour names and TColor numbers to
// QColor, bitmap resource names to QImage/QPixmap/QIcon, sets to flag texts.
// Any failure raises RuntimeError naming the component, property and line.
void LoadForm(QObject* form, const FormNode& root);

// True while `object` or one of its ancestors is being loaded from a form
// description: controls use it to hold back events that loading would
// otherwise fire (a stored Checked = True is no click).
bool IsLoading(const QObject* object);

// Reads the description file (a Qt resource path works) and loads it.
void LoadFormFile(QObject* form, const QString& path);

// Parses a form compiled into the program (a ":/" path) and decodes the
// bitmaps its values name, ahead of the form's next building, which then
// takes the parsed tree instead of reading the file. For a moment when the
// program would otherwise wait.
void PrepareFormFile(const QString& path);

} // namespace forms
