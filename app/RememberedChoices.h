#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace app {

// The choices the window keeps between runs of the program. Passwords are
// never among them. A value missing from the settings, of the wrong kind or
// implausibly long is left empty, so the window keeps its designed default:
// a damaged or unreadable settings file is no error, only a fresh start.
struct RememberedChoices {
    std::optional<QString> destination;
    std::optional<QString> ripModeText;
    std::optional<QString> zoomText;
    std::optional<bool> zoomEnabled;
    std::optional<bool> authorizationRequired;
    // Where the source pickers open their dialogs.
    std::optional<QString> sourceFolder;
    // The window's look: a built-in style's key, "ThemeFile" or empty for
    // the designed look; themeFile is the file of "ThemeFile".
    std::optional<QString> style;
    std::optional<QString> themeFile;

    bool operator==(const RememberedChoices&) const = default;

    static RememberedChoices load(const QSettings& settings);
    void save(QSettings& settings) const;
};

// The program's own settings in the user's configuration folder
// ($XDG_CONFIG_HOME/quarlex/quarlex.conf), whatever the executable is called.
std::unique_ptr<QSettings> OpenSettings();

} // namespace app
