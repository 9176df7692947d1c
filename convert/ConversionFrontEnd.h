#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace convert {

// What the conversion driver needs from whoever shows it: the main window
// implements it with its controls, the console by printing. The driver
// never touches a widget. Messages, the result prompt and opening a result
// default to the runtime's message boxes and shell.
class ConversionFrontEnd {
public:
    virtual ~ConversionFrontEnd() = default;

    // A modal message with an OK button.
    virtual void showMessage(const QString& text);
    // "Do you want to view the result ?": true unless the answer is No.
    virtual bool askToViewResult();
    // Opens a result; the path arrives in its quoted form.
    virtual void openResult(const QString& quotedPath);

    // The status line (the window's Label10).
    virtual void setStatus(const QString& text) = 0;
    // The current document's progress (PB1) and the whole batch's (PB2).
    virtual void setDocumentProgress(int percent) = 0;
    virtual void setBatchProgress(int percent) = 0;

    // Points the list of a batch at the source folder text (a folder, or a
    // folder and mask such as "/pdfs/*.PDF"), makes that folder the working
    // directory and returns the bare names of its PDF files, sorted without
    // regard to case; `directory` receives the folder. The window lists
    // through its hidden file list; this default lists directly. A folder
    // that cannot be entered raises RuntimeError.
    virtual QStringList listDocuments(const QString& folderText, QString& directory);

    // The window that owns message boxes; none on the console.
    virtual QWidget* owner() const { return nullptr; }
};

} // namespace convert
