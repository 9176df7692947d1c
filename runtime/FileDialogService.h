#pragma once

#include <QFlags>
#include <QString>
#include <functional>

class QWidget;

namespace runtime {

// Options of the open-file dialog, in the order the runtime has always
// listed them so stored forms name the same members. Those with a meaning on
// Linux are honoured by the real dialog; the rest are carried and ignored.
enum OpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
    ofDontAddToRecent = 1u << 20,
    ofForceShowHidden = 1u << 21,
};
Q_DECLARE_FLAGS(OpenOptions, OpenOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(OpenOptions)

enum class FileDialogKind { OpenFile, Folder };

// Everything a file dialog is opened with; the same record goes to a test's
// responder, so tests see exactly what the user would have been shown.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::OpenFile;
    QString title;

    // Open-file dialog.
    QString initialDir;
    QString fileName;   // the name the dialog opens on
    QString filter;     // "Description|mask;mask|Description|mask"
    QString defaultExt; // added to a typed name without an extension
    OpenOptions options;

    // Folder dialog.
    QString root;              // the folder the user cannot leave; empty: the whole file system
    QString selection;         // an existing folder to preselect, or empty
    bool dirsOnly = true;      // only file-system folders can be chosen
    bool statusLine = false;   // the dialog has a status line
    bool pathInStatus = false; // the status line shows the selected path
};

struct FileDialogAnswer {
    bool accepted = false;
    QString path; // full path of the chosen file or folder
};

// Every file-open and folder dialog of the program goes through here. A test
// installs a responder that answers (and records) each request instead of
// showing a dialog, so no test blocks on a modal dialog.
class FileDialogService {
public:
    using Responder = std::function<FileDialogAnswer(const FileDialogRequest&)>;

    static FileDialogAnswer show(QWidget* owner, const FileDialogRequest& request);
    static void setResponder(Responder responder);
    static bool hasResponder();
};

} // namespace runtime
