#include "convert/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <csignal>

namespace convert {

PrivateFolder::PrivateFolder(const QString& parent, const QString& prefix)
    : m_dir(parent + u'/' + prefix + QString::number(QCoreApplication::applicationPid())
            + QStringLiteral("-XXXXXX"))
{
}

void PrivateFolder::removeLeftovers(const QString& parent, const QString& prefix)
{
    const QDir folder(parent);
    const auto entries = folder.entryList({prefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        bool numeric = false;
        const qint64 pid = name.mid(prefix.size()).section(u'-', 0, 0).toLongLong(&numeric);
        // Only names this class makes; a folder of another naming is not ours.
        if (!numeric || pid <= 0 || pid == QCoreApplication::applicationPid())
            continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        QDir(folder.filePath(name)).removeRecursively();
    }
}

} // namespace convert
