#pragma once

#include "runtime/FormDescription.h"

class QObject;

namespace runtime {

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

} // namespace runtime
