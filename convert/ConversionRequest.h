#pragma once

#include "convert/RipOptions.h"

#include <QString>

#include <chrono>

namespace convert {

// What the user asked for, read from the window's controls (or the command
// line) at the moment Start is pressed; nothing is cached between runs.
struct ConversionRequest {
    QString ripModeText;
    QString sourceFile;
    QString sourceFolder;
    QString destination;
    RipOptions options;
    // Each converter's time limit per document; 0 for none. Ten minutes
    // convert any sane document, and a hung converter must not block a
    // scripted run for ever.
    static constexpr std::chrono::milliseconds DefaultTimeLimit = std::chrono::minutes(10);
    std::chrono::milliseconds timeLimit = DefaultTimeLimit;
};

} // namespace convert
