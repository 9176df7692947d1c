#pragma once

#include <QString>

namespace runtime {
class ChildProcess;
}

namespace convert {

// How a converter's run ended, as far as saying why it failed needs.
struct ConverterEnd {
    bool started = true;
    bool timedOut = false;
    bool crashed = false;
    int exitCode = 0;
    // The end of what it wrote on its standard error.
    QString errorOutput;
};

// What an ended child says about its end; read at once, as the child goes
// away soon after.
ConverterEnd EndOf(const runtime::ChildProcess& child);

// Why a document failed, in a few words the user can act on: a converter
// stopped at its time limit "timed out"; otherwise its last complaint lines
// without poppler's "Command Line Error: " style prefixes (warnings only
// when nothing worse was said), joined by "; "; otherwise how it ended;
// empty when it ended well and said nothing.
QString FailureReason(const ConverterEnd& end);

inline const QString TimedOutReason = QStringLiteral("timed out");

} // namespace convert
