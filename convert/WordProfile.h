#pragma once

#include "convert/PrivateFolder.h"

#include <QString>

#include <memory>

namespace convert {

// The profile LibreOffice runs with. A cached one under QUARLEX's own cache
// folder stays from run to run, because setting up a fresh profile costs
// LibreOffice several seconds and a restart; each cached profile is locked
// while a run uses it, so two runs never share one. When every cached one
// is in use (or the cache cannot be written), a private temporary profile
// serves and goes with the run. The user's own LibreOffice profile is never
// touched.
class WordProfile {
public:
    WordProfile();
    ~WordProfile();
    WordProfile(const WordProfile&) = delete;
    WordProfile& operator=(const WordProfile&) = delete;

    QString path() const { return m_path; }
    bool isCached() const { return m_lock >= 0; }
    // Throws the profile away (LibreOffice kept failing on it); the next
    // run sets up a new one.
    void discard();

    // Where cached profiles live; tests point it at a folder of their own.
    static void setCacheRoot(const QString& folder);
    static QString cacheRoot();

private:
    int m_lock = -1;
    QString m_path;
    std::unique_ptr<PrivateFolder> m_private;
};

} // namespace convert
