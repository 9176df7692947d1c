#include "convert/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <csignal>

namespace convert {

PrivateFolder::PrivateFolder(const QString& parent, const QString& prefix)
    : m_dir(parent + u'/' + prefix + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX"))
{
}

void PrivateFolder::removeLeftovers(const QString& parent, const QString& prefix)
{
    const QDir folder(parent);
    const auto entries = folder.entryList({prefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        // Only names this class makes, PREFIX<pid>-XXXXXX: a temporary
        // folder named PREFIX and six random digits is someone else's.
        const QString rest = name.mid(prefix.size());
        bool numeric = false;
        const qint64 pid = rest.section(u'-', 0, 0).toLongLong(&numeric);
        if (!numeric || !rest.contains(u'-') || pid <= 0 || pid == QCoreApplication::applicationPid())
            continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        QDir(folder.filePath(name)).removeRecursively();
    }
}

} // namespace convert
