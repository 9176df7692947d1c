#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace runtime {

// Listing a folder the way the file list box does, kept apart from any
// widget so batch work can call it directly.
//
// Masks are ";"-separated and use only "*" and "?"; "*.*" stands for every
// name. Masks were written for file systems that ignore letter case, so they
// match without regard to case here too: "*.PDF" finds a.pdf, B.Pdf and
// C.PDF, and a batch never misses a document because of its extension.

// True when name matches at least one of the masks.
bool MatchesMask(const QString& name, const QString& masks);

// The plain files of dir (no folders, no hidden files) whose names match the
// masks, as bare names, each once, sorted without regard to case. A folder
// that cannot be read lists nothing.
QStringList ListMatchingFiles(const QString& dir, const QString& masks);

// The sub-folders of dir whose names match the masks, bare names sorted like
// ListMatchingFiles.
QStringList ListMatchingFolders(const QString& dir, const QString& masks);

// Sorts names by their letters without regard to case; names that differ only
// in case keep a fixed order among themselves.
void SortIgnoringCase(QStringList& names);

struct FolderAndMask {
    QString folder;
    QString mask; // empty when the path named no mask
};

// Splits a path that may end in a mask: a last part holding "*" or "?" is the
// mask and the rest the folder; any other path is a folder as a whole.
// The delimiter is a parameter so paths of either system can be split.
FolderAndMask SplitFolderAndMask(const QString& path, QChar delimiter = QLatin1Char('/'));

} // namespace runtime
