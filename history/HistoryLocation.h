#pragma once

#include <QString>

#include <optional>

namespace history {

// Where the history lives: the file QUARLEX_HISTORY names (an empty value
// turns history off, giving an empty path), else quarlex/history.sqlite
// under XDG_DATA_HOME, whose default is ~/.local/share. A relative
// XDG_DATA_HOME is ignored, as the XDG rules ask.
QString HistoryFile(const std::optional<QString>& quarlexHistory, const QString& xdgDataHome, const QString& home);

// The same, read from the environment.
QString HistoryFile();

} // namespace history
