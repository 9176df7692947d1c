#pragma once

#include <QString>
#include <QTemporaryDir>

namespace convert {

// A private folder named PREFIX<pid>-XXXXXX inside a parent folder: the
// process id in the name lets a later QUARLEX tell the folders of a process
// that died (killed outright, so nothing removed them) from those of one
// that still works in them. Removed with everything in it on destruction.
class PrivateFolder {
public:
    PrivateFolder(const QString& parent, const QString& prefix);

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString errorString() const { return m_dir.errorString(); }

    // Removes the folders PREFIX<pid>-* of `parent` whose process is gone.
    static void removeLeftovers(const QString& parent, const QString& prefix);

private:
    QTemporaryDir m_dir;
};

// Prefixes of the folders QUARLEX leaves in the temporary folder (the word
// processor's profile) and beside a destination (conversions under way).
inline const QString ProfileFolderPrefix = QStringLiteral("QUARLEX-");
inline const QString StagingFolderPrefix = QStringLiteral(".quarlex-");

} // namespace convert
