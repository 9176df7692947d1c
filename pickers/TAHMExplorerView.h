#pragma once

#include "widgets/FileListBox.h"
#include "widgets/MaskEdit.h"

#include <QImage>

// A file list that draws each name with the small icon of its file type, or
// a folder picture for folder entries. The main window keeps one hidden and
// uses it to enumerate the PDF files of a batch folder.
class TAHMExplorerView : public widgets::FileListBox {
    Q_OBJECT
    Q_PROPERTY(widgets::MaskEdit::TEditCharCase CharCase READ charCase WRITE setCharCase)
    Q_PROPERTY(QString About READ about WRITE setAbout)
public:
    explicit TAHMExplorerView(QWidget* parent = nullptr);

    // Drawn from the icon theme when first asked for (at the latest when the
    // view is shown): the main window's view stays hidden, and reading the
    // icon theme would slow every start of the program.
    const QImage& folderGlyph() const;
    widgets::MaskEdit::TEditCharCase charCase() const { return m_charCase; }
    // Stored, and the list read again; names keep the letters the file
    // system gives them, since a batch opens them by those names.
    void setCharCase(widgets::MaskEdit::TEditCharCase value);
    QString about() const { return m_about; }
    void setAbout(const QString& about) { m_about = about; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    mutable QImage m_folderGlyph;
    widgets::MaskEdit::TEditCharCase m_charCase = widgets::MaskEdit::ecLowerCase;
    QString m_about;
};
