#pragma once

#include "convert/RipOptions.h"

#include <QString>

namespace convert {

// What the command-line texts are built from. The source is the full path
// in single-file work and the bare file name in batch work.
struct CommandLineInput {
    int ripMode = 0;
    QString source;
    QString destination;
    RipOptions options;
};

// The source's file name (after the last delimiter) without its ".pdf" in
// any letter case; any other name is kept whole, so "ab" does not become a
// hidden ".txt" and "a.doc" does not lose its own extension.
QString BaseName(const QString& source, const QString& delimiter);

// D + delimiter + B + extension (".html", ".txt", ".rtf").
QString OutputPath(const QString& destination, const QString& baseName, const QString& extension,
                   const QString& delimiter);

// The same enclosed in double quotes; the quotes are part of the text
// (save-as call, opening results).
QString QuotedOutputPath(const QString& destination, const QString& baseName, const QString& extension,
                         const QString& delimiter);

// windir + delimiter + "system32" + delimiter + program.
QString SystemProgramPath(const QString& windir, const QString& program, const QString& delimiter);

// The HTML converter's parameter text, read left to right: zoom, user
// password, owner password, "-i ", then "-noframes -nomerge" and the two
// quoted paths. No "-q": it would silence the complaints ("Incorrect
// password") a failure message must repeat. Each password is quoted by the command-line rules so it
// arrives as one argument (a password without blanks or quotes keeps its
// text). A zoom text that is not a number raises the runtime's error, in
// every mode.
QString HtmlConverterParameters(const CommandLineInput& input, const QString& delimiter);

// The text converter's whole command line: its quoted program path (a
// folder with a blank must not make another program run), the passwords
// as the HTML converter gets them (an encrypted document converts in every
// mode the window offers them for), the quoted source and the quoted ".txt"
// output.
QString TextConverterCommandLine(const QString& windir, const CommandLineInput& input, const QString& delimiter);

inline const QString HtmlConverterName = QStringLiteral("zorvan.exe");
inline const QString TextConverterName = QStringLiteral("quildo.exe");

} // namespace convert
