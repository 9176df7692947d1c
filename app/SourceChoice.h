#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What a path handed to the window from outside (a command-line argument,
// files dropped on it) makes of the source step.
struct SourceChoice {
    enum Kind { None, File, Folder };
    Kind kind = None;
    QString path; // absolute, without a trailing delimiter
};

// The source a command-line argument names: a folder means batch work,
// anything else is taken as the file to convert. Relative paths are taken
// from `workingDirectory`; an empty argument names nothing.
SourceChoice SourceFromArgument(const QString& argument, const QString& workingDirectory);

// The source that local paths dropped together name: one PDF file, one
// folder, or several PDF files of one folder (that folder). Anything else
// names nothing: files that are not PDF, a mix, files of different
// folders, paths that do not exist.
SourceChoice SourceFromDrop(const QStringList& paths);

} // namespace app
