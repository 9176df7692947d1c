#include "runtime/AutomationObject.h"

#include "runtime/RuntimeError.h"

#include <QMetaMethod>
#include <QMetaProperty>

#include <array>

namespace runtime {

void AutomationObject::raise(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
}

QString AutomationObject::takeError()
{
    return std::exchange(m_error, QString());
}

namespace {

void throwRaised(QObject* object)
{
    if (auto* automation = qobject_cast<AutomationObject*>(object)) {
        const QString error = automation->takeError();
        if (!error.isEmpty())
            throw RuntimeError(error);
    }
}

QObject* checked(QObject* object, const char* name)
{
    if (!object)
        throw RuntimeError(QStringLiteral("'%1' called on no object").arg(QLatin1String(name)));
    return object;
}

QMetaProperty propertyOf(QObject* object, const char* name)
{
    const QMetaObject* meta = checked(object, name)->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        throw RuntimeError(QStringLiteral("Unknown name: %1").arg(QLatin1String(name)));
    return meta->property(index);
}

QVariantList arrange(const QMetaMethod& method, const QVariantList& positional, const QVariantMap& named)
{
    QVariantList values = positional;
    const QList<QByteArray> names = method.parameterNames();
    for (int i = int(values.size()); i < method.parameterCount(); ++i) {
        const auto found = named.find(QString::fromLatin1(names.value(i)));
        if (found == named.end())
            throw RuntimeError(QStringLiteral("Parameter not found: %1").arg(QLatin1String(names.value(i))));
        values << found.value();
    }
    for (int i = 0; i < method.parameterCount(); ++i) {
        if (!values[i].convert(method.parameterMetaType(i)))
            throw RuntimeError(QStringLiteral("Type mismatch in argument %1 of %2")
                                   .arg(i + 1).arg(QLatin1String(method.name())));
    }
    return values;
}

} // namespace

QVariant GetProperty(QObject* object, const char* name)
{
    const QVariant value = propertyOf(object, name).read(object);
    throwRaised(object);
    return value;
}

void SetProperty(QObject* object, const char* name, const QVariant& value)
{
    QMetaProperty property = propertyOf(object, name);
    if (!property.write(object, value))
        throw RuntimeError(QStringLiteral("Cannot set property %1").arg(QLatin1String(name)));
    throwRaised(object);
}

QVariant CallMethod(QObject* object, const char* name, const QVariantList& arguments,
                    const QVariantMap& named)
{
    const QMetaObject* meta = checked(object, name)->metaObject();
    const int count = int(arguments.size() + named.size());
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != name || method.parameterCount() != count || count > 10)
            continue;
        QVariantList values = arrange(method, arguments, named);
        std::array<QGenericArgument, 10> args{};
        for (int a = 0; a < count; ++a)
            args[a] = QGenericArgument(values[a].typeName(), values[a].constData());
        QVariant result(method.returnMetaType());
        const QGenericReturnArgument returned(method.typeName(), result.data());
        const bool called = method.returnMetaType().id() == QMetaType::Void
            ? method.invoke(object, Qt::DirectConnection, args[0], args[1], args[2], args[3],
                            args[4], args[5], args[6], args[7], args[8], args[9])
            : method.invoke(object, Qt::DirectConnection, returned, args[0], args[1], args[2],
                            args[3], args[4], args[5], args[6], args[7], args[8], args[9]);
        if (!called)
            throw RuntimeError(QStringLiteral("Call of %1 failed").arg(QLatin1String(name)));
        throwRaised(object);
        return result;
    }
    throw RuntimeError(QStringLiteral("Unknown name or wrong number of arguments: %1").arg(QLatin1String(name)));
}

QObject* AsObject(const QVariant& value)
{
    return value.value<QObject*>();
}

} // namespace runtime
