#pragma once

#include <QString>

namespace convert {

// The texts the conversion shows, shared by the window and the console.
inline const QString InvalidRipperModeMessage = QStringLiteral("Invalid Ripper Mode!");
inline const QString NoDestinationMessage = QStringLiteral("Please specify the destination folder to output result");
inline const QString NoSourceFileMessage = QStringLiteral("Please choose a PDF file to convert");
inline const QString CanceledMessage = QStringLiteral("Canceled by user!");
inline const QString ViewResultPrompt = QStringLiteral("Do you want to view the result ?");
inline const QString ViewResultCaption = QStringLiteral("Information");
inline const QString DoneStatus = QStringLiteral("Done.");
inline const QString NoPdfFoundMessage = QStringLiteral("No PDF found in this folder");

// Linux file names may hold control characters, which Windows forbids: a
// newline would split a line of the console's output or the failure list,
// an escape sequence would reach the terminal. Names and the converters'
// words are shown with each control character as "?", as ls shows them.
QString Printable(const QString& text);

// "Processing NAME ...." while a batch works on one document.
QString ProcessingStatus(const QString& name);
// "Task complete! N PDF files have been ripped and converted."
QString BatchSummaryMessage(int converted);
// Names the documents of a batch whose output was not written.
QString BatchFailuresMessage(const QStringList& documents);

// The reason a document failed when its converter said nothing.
inline const QString NotWrittenReason = QStringLiteral("no output was written");

// Shown instead of the result prompt when a run ends without its output, so
// a failed converter is never reported as success.
QString ConversionFailedMessage(const QString& outputPath, const QString& reason = {});

// When the result was written but the desktop could start no program to
// show it (no display, nothing associated with the file's type).
QString CannotOpenResultMessage(const QString& path);

} // namespace convert
