#pragma once

#include <QString>

namespace convert {

// Rip modes in the order of the mode list; 0 when a text names none.
enum RipMode : int {
    NoRipMode = 0,
    HtmlWithImages = 1,
    HtmlWithoutImages = 2,
    RtfWithImages = 3,
    RtfWithoutImages = 4,
    PlainText = 5,
};

// The combo-box text of a mode (1 to 5), exactly as the user must type it.
QString RipModeText(int mode);

// Compares byte for byte and case-sensitively, nothing trimmed.
int RipModeFromText(const QString& text);

// Modes whose first step is the HTML converter (1 to 4).
bool UsesHtmlConverter(int mode);
// Modes that turn the HTML into RTF afterwards (3 and 4).
bool MakesRtf(int mode);
// Modes that leave images out ("-i "): 2, 4 and 5.
bool LeavesImagesOut(int mode);

} // namespace convert
