#pragma once

#include <QString>

namespace convert {

// The rip options of a request that reach the HTML converter: passwords
// (only when authorization is required and the text is not empty) and zoom.
struct RipOptions {
    bool authorizationRequired = false;
    QString ownerPassword;
    QString userPassword;
    bool zoomEnabled = false;
    QString zoomText;
};

} // namespace convert
