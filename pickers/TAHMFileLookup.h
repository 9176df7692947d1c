#pragma once

#include "pickers/TAHMCustomLookupEdit.h"
#include "runtime/FileDialogService.h"

// A lookup edit whose one button opens the open-file dialog; the chosen
// file's full path becomes the text.
class TAHMFileLookup : public TAHMCustomLookupEdit {
    Q_OBJECT
    Q_PROPERTY(uint Options READ optionBits WRITE setOptionBits)
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(QString InitialDir READ initialDir WRITE setInitialDir)
    Q_PROPERTY(QString Filename READ text WRITE setText)
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
    Q_PROPERTY(QString DefaultExt READ defaultExt WRITE setDefaultExt)
public:
    explicit TAHMFileLookup(QWidget* parent = nullptr);

    runtime::OpenOptions options() const { return m_options; }
    void setOptions(runtime::OpenOptions options) { m_options = options; }
    uint optionBits() const { return uint(m_options.toInt()); }
    void setOptionBits(uint bits) { m_options = runtime::OpenOptions::fromInt(int(bits)); }
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    QString initialDir() const { return m_initialDir; }
    void setInitialDir(const QString& dir) { m_initialDir = dir; }
    QString filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& ext) { m_defaultExt = ext; }

    // Opens the dialog on the current text; a confirmed file replaces the
    // whole text, a cancelled dialog leaves it as it was.
    void Lookup();

private:
    runtime::OpenOptions m_options;
    QString m_title;
    QString m_initialDir;
    QString m_filter = QStringLiteral("All Files|*.*");
    QString m_defaultExt;
};
