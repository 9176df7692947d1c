#include "convert/WordProfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace convert {

namespace {

QString& cacheRootStorage()
{
    static QString root;
    return root;
}

// Enough for a few runs side by side (two windows, a script); more would
// only fill the cache with profiles of some hundred kilobytes each.
constexpr int CachedProfiles = 4;

} // namespace

void WordProfile::setCacheRoot(const QString& folder)
{
    cacheRootStorage() = folder;
}

QString WordProfile::cacheRoot()
{
    if (!cacheRootStorage().isEmpty())
        return cacheRootStorage();
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/quarlex");
}

WordProfile::WordProfile()
{
    const QString root = cacheRoot();
    if (QDir().mkpath(root)) {
        for (int i = 0; i < CachedProfiles && m_lock < 0; ++i) {
            const QString lockPath = root + QStringLiteral("/libreoffice-%1.lock").arg(i);
            const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            if (fd < 0)
                continue;
            // The lock goes with the process however it ends.
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                ::close(fd);
                continue;
            }
            m_lock = fd;
            m_path = root + QStringLiteral("/libreoffice-%1").arg(i);
            QDir().mkpath(m_path);
        }
    }
    if (m_lock < 0) {
        m_private = std::make_unique<PrivateFolder>(QDir::tempPath(), ProfileFolderPrefix);
        m_path = m_private->path();
    }
}

WordProfile::~WordProfile()
{
    if (m_lock >= 0)
        ::close(m_lock);
}

void WordProfile::discard()
{
    if (m_lock < 0)
        return;
    QDir(m_path).removeRecursively();
    QDir().mkpath(m_path);
}

} // namespace convert
