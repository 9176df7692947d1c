#pragma once

#include "forms/FormDescription.h"

class QObject;

namespace forms {

// The stored tab position, left on each widget for the loader to chain once
// the whole form exists.
extern const char* const kTabOrderProperty;

// Sets one stored property on a component by name through Qt's meta-object,
// converting the stored value to the property's type. See FormLoader.h for
// the rules.
class FormPropertyWriter {
public:
    // When the value names another component (a reference that may point
    // forward in the file), nothing is written and *deferredComponent
    // receives the name; the loader writes it with writeObject at the end.
    static void write(QObject* object, const FormProperty& property, QString* deferredComponent);
    static void writeObject(QObject* object, const QString& name, QObject* component, int line);
};

} // namespace forms
