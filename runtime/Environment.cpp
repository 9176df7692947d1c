#include "runtime/Environment.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace runtime {

QString GetEnvironmentVariable(const QString& name)
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

QString WindowsDirectory()
{
    if (qEnvironmentVariableIsSet("windir"))
        return qEnvironmentVariable("windir");
    return QCoreApplication::applicationDirPath();
}

int Random(int range)
{
    static QRandomGenerator generator;
    return range <= 0 ? 0 : int(generator.bounded(quint32(range)));
}

} // namespace runtime
