#pragma once

#include <QString>

namespace runtime {

// Joins every path the system builds. Windows joined with "\"; functions
// that build paths take the delimiter as a parameter so both stay testable.
inline const QString PathDelimiter = QStringLiteral("/");

// The value of an environment variable; empty when it is not set.
QString GetEnvironmentVariable(const QString& name);

// Where the system folder ("system32") lives: the "windir" variable when it
// is set, otherwise the folder of the running program, which the build
// fills with the converter links.
QString WindowsDirectory();

// The runtime's pseudo-random generator: a whole number from 0 to range - 1.
// It is not seeded by the program; any sequence will do.
int Random(int range);

} // namespace runtime
