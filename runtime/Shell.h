#pragma once

#include <QString>

namespace runtime {

// The shell's "open" of a document or web address with the program the
// desktop associates with it. Double quotes around the text are removed
// first (callers hand over quoted paths). Does not wait; the result tells
// only whether the desktop accepted the request.
bool ShellOpen(const QString& document);

} // namespace runtime
