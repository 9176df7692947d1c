#pragma once

#include <QString>

namespace runtime {

// The window was designed in "MS Sans Serif" and "Tahoma", which Linux does
// not have. Liberation Sans stands in: its widths are close to theirs, so
// captions fit the sizes the window gives them (wider families overrun the
// guide column and the check-box captions). Other families pass unchanged.
QString SubstituteFontFamily(const QString& family);

// The family that stands in for the designed fonts.
QString DesignedFontSubstitute();

} // namespace runtime
