#pragma once

#include <QString>

namespace app {

// A path typed into one of the window's fields as people type them on
// Linux: "~" and "~/..." stand for the home folder `home`. Anything else,
// "~user" included, is taken as typed.
QString ExpandHome(const QString& typed, const QString& home);

} // namespace app
