#pragma once

#include <QString>

namespace convert {

// Has the word processor ("Word.Application") open the HTML by its plain
// path and save it as RTF (format code 6) under the quoted RTF path, with
// its own prompts off, then quit. Creating the object is not guarded: its
// error propagates and ends the run. An error inside the sequence is
// returned as text (empty on success) and the object is let go.
QString SaveHtmlAsRtf(const QString& htmlPath, const QString& quotedRtfPath);

} // namespace convert
