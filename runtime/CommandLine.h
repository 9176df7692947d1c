#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace runtime {

// A program and its arguments, as a child process receives them.
struct ProgramCall {
    QString program;
    QStringList arguments;
    bool operator==(const ProgramCall&) const = default;
};

// Windows command-line rules, kept because every converter parameter text is
// written for them. Blanks or tabs separate arguments outside quotes; a
// double quote opens or closes a quoted part, and "" inside one gives a
// literal quote; backslashes are literal unless they precede a quote (2n
// give n and a delimiter, 2n+1 give n and a literal quote); an unterminated
// quote runs to the end. QProcess::splitCommand follows other rules.
QStringList SplitArguments(const QString& parameters);

// The exact inverse of SplitArguments for one argument: text without blanks,
// tabs or quotes comes back unchanged, anything else is quoted so it arrives
// whole.
QString QuoteArgument(const QString& argument);

// Same, but always enclosed in quotes (how paths are written into command
// lines, so that a path with blanks or quotes still arrives whole).
QString QuotePath(const QString& path);

// Splits a whole command line. The program name is special: quotes only
// group and backslashes are never escapes. An unquoted program path holding
// blanks is resolved as process creation does: successively longer
// blank-separated prefixes are tried, the first naming a file wins, and if
// none does the first word is taken.
ProgramCall SplitCommandLine(const QString& commandLine, const std::function<bool(const QString&)>& isFile);

} // namespace runtime
