#pragma once

#include "convert/RipOptions.h"

#include <QString>

namespace convert {

// What the user asked for, read from the window's controls (or the command
// line) at the moment Start is pressed; nothing is cached between runs.
struct ConversionRequest {
    QString ripModeText;
    QString sourceFile;
    QString sourceFolder;
    QString destination;
    RipOptions options;
};

} // namespace convert
