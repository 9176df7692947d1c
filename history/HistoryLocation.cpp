#include "history/HistoryLocation.h"

#include <QDir>

namespace history {

QString HistoryFile(const std::optional<QString>& quarlexHistory, const QString& xdgDataHome, const QString& home)
{
    if (quarlexHistory)
        return *quarlexHistory;
    QString dataHome = xdgDataHome;
    if (!QDir::isAbsolutePath(dataHome)) {
        if (home.isEmpty())
            return {};
        dataHome = home + QStringLiteral("/.local/share");
    }
    return dataHome + QStringLiteral("/quarlex/history.sqlite");
}

QString HistoryFile()
{
    std::optional<QString> named;
    if (qEnvironmentVariableIsSet("QUARLEX_HISTORY"))
        named = qEnvironmentVariable("QUARLEX_HISTORY");
    return HistoryFile(named, qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
}

} // namespace history
