#pragma once

#include <QString>

namespace convert {

// The text the zoom field is reset to, and its message when left without "%".
inline const QString DefaultZoomText = QStringLiteral("100%");
inline const QString NoPercentageMessage = QStringLiteral("No percentage symbol!");

// The check made when focus leaves the zoom field: a "%" anywhere passes.
bool HasPercentageSymbol(const QString& zoomText);

// Shown when the zoom ratio is zero or negative, by every front end.
inline const QString ZoomNotPositiveMessage = QStringLiteral("The zoom ratio must be more than 0%");

// The text without its last character read as a whole number
// (runtime::StrToInt, whose error ends the run).
int ZoomPercent(const QString& zoomText);

// The factor handed to the HTML converter after "-zoom ": the text without
// its last character read as a whole number (runtime::StrToInt, whose error
// ends the run), divided by 100, written in the shortest form up to 15
// significant digits. The separator is always "." whatever the locale: the
// converter rejects "1,5".
QString ZoomFactor(const QString& zoomText);

} // namespace convert
