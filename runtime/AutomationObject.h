#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace runtime {

// An object reached late-bound: its properties and methods are found by
// name at run time through Qt's meta-object (Q_PROPERTY, Q_INVOKABLE).
// A method reports failure with raise() instead of throwing, because the
// call returns through Qt's meta-object code, which must not be unwound;
// the dispatcher turns the raised text into a RuntimeError.
class AutomationObject : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void raise(const QString& message);
    QString takeError();

private:
    QString m_error;
};

// Late-bound calls. Every failure (unknown name, wrong arguments, an error
// the object raised) becomes a RuntimeError with the reason.
QVariant GetProperty(QObject* object, const char* name);
void SetProperty(QObject* object, const char* name, const QVariant& value);
// Positional arguments first, then named ones matched by parameter name.
QVariant CallMethod(QObject* object, const char* name, const QVariantList& arguments,
                    const QVariantMap& named = {});

// Follows a property or method result that is itself an object.
QObject* AsObject(const QVariant& value);

} // namespace runtime
