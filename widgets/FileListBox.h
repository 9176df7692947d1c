#pragma once

#include <QListWidget>

namespace widgets {

// The runtime's file list box: the names of the files in one folder that
// match a mask, kept sorted without regard to case. The listed folder is the
// process's working directory, so a listed bare name opens as it stands.
// A list its program has hidden reads the folder only when it is shown or
// asked for its names: a window that keeps one hidden, as a batch's list,
// does not read the working folder, however large, every time it starts.
class FileListBox : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(QString Directory READ directory WRITE setDirectory)
    Q_PROPERTY(QString Mask READ mask WRITE setMask)
    Q_PROPERTY(FileTypes FileType READ fileType WRITE setFileType)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
public:
    enum FileTypeFlag { ftNormal = 0x1, ftDirectory = 0x2 };
    Q_DECLARE_FLAGS(FileTypes, FileTypeFlag)
    Q_FLAG(FileTypes)

    // Starts on the working directory.
    explicit FileListBox(QWidget* parent = nullptr);

    QString directory() const { return m_directory; }
    // Lists the folder and makes it the working directory. A folder that does
    // not exist raises RuntimeError and changes nothing.
    void setDirectory(const QString& directory);
    QString mask() const { return m_mask; }
    void setMask(const QString& mask);
    FileTypes fileType() const { return m_fileType; }
    void setFileType(FileTypes types);
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // Points the list at a path that may end in a mask ("/pdfs/*.PDF"): the
    // folder part becomes the directory, a last part holding "*" or "?" the
    // mask; a path without such a part is taken as a folder.
    void applyFilePath(const QString& path);

    // Rebuilds the items from the folder: bare names, folders (when FileType
    // asks for them) as "[name]".
    void reread();
    // The items' texts, the folder read first if a reading is due.
    QStringList names();

    // After a form description has set every property: the folder is read
    // once here instead of once per stored property.
    Q_INVOKABLE void Loaded();

protected:
    // Reads the folder again, or only notes that it must be read while a
    // form description is still being loaded or the list is hidden.
    void refresh();
    void showEvent(QShowEvent* event) override;

private:
    // Makes the folder the listed and working directory without reading it.
    void enterDirectory(const QString& directory);
    // Hidden by the program (a stored Visible = False), not merely not yet shown.
    bool hiddenOnPurpose() const;

    QString m_directory;
    QString m_mask = QStringLiteral("*.*");
    FileTypes m_fileType = ftNormal;
    int m_itemHeight = 16;
    bool m_readPending = false;
};

} // namespace widgets

Q_DECLARE_OPERATORS_FOR_FLAGS(widgets::FileListBox::FileTypes)
