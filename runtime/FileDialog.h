#pragma once

#include "runtime/FileDialogService.h"

#include <QStringList>
#include <memory>

class QFileDialog;

namespace runtime {

// Turns "Description|mask;mask|..." pairs into Qt's name filters
// ("Description (mask mask)"). "*.*" becomes "*", which in Qt matches names
// without an extension too, as "*.*" always has.
QStringList QtNameFilters(const QString& filter);

// Builds the real dialog for a request, ready for exec(). Qt's own dialog is
// used rather than the desktop's: its name filters ignore letter case (a file
// named report.pdf is offered under "*.PDF") and the folder dialog can carry
// the status line the request may ask for.
std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* owner, const FileDialogRequest& request);

// Object name of the folder dialog's status line, for whoever looks for it.
inline constexpr const char* FolderDialogStatusLineName = "statusLine";

} // namespace runtime
