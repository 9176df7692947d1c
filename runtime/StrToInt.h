#pragma once

#include <QString>

namespace runtime {

// The runtime's integer conversion: leading blanks are skipped, then an
// optional sign, then decimal digits or hexadecimal digits after "$", "x"
// or "0x"; nothing may follow and the value must fit in 32 signed bits.
// Anything else raises RuntimeError "'TEXT' is not a valid integer value".
int StrToInt(const QString& text);

} // namespace runtime
