#pragma once

#include "runtime/ChildProcess.h"

#include <QString>

namespace runtime {

// The shell's "open" of a document or web address with the program the
// desktop associates with it. Double quotes around the text are removed
// first (callers hand over quoted paths). Does not wait; the result tells
// only whether the desktop accepted the request.
bool ShellOpen(const QString& document);

// Starts a program hidden, without waiting: the parameter text is split into
// arguments by the Windows command-line rules, no shell is involved.
QPointer<ChildProcess> StartHiddenProgram(const QString& program, const QString& parameters);

// Creates a hidden process from a whole command line (program resolved as
// process creation does). False when it cannot be created. With wait, the
// event loop runs until the process has ended: messages keep being
// processed, no CPU is spent meanwhile, and ChildProcess::stopAll ends the
// wait by ending the process.
bool RunHiddenProcess(const QString& commandLine, bool wait);

} // namespace runtime
