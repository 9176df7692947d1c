#pragma once

#include <QString>

namespace app {

// A path typed or pasted into one of the window's fields as people do on
// Linux: "~" and "~/..." stand for the home folder `home`, and a file URL
// pasted from a file manager or a browser ("file:///home/ann/a%20b.pdf")
// for the local path it names. Anything else, "~user" included, is taken
// as typed.
QString TypedLocalPath(const QString& typed, const QString& home);

} // namespace app
