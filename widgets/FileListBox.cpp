#include "widgets/FileListBox.h"

#include "forms/FormLoader.h"
#include "runtime/FileList.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QStyledItemDelegate>

namespace widgets {

namespace {

// Items of a file list all have the list's item height.
class ItemHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (auto* list = qobject_cast<const FileListBox*>(option.widget))
            size.setHeight(list->itemHeight());
        return size;
    }
};

} // namespace

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent), m_directory(QDir::currentPath())
{
    setUniformItemSizes(true);
    setItemDelegate(new ItemHeightDelegate(this));
    refresh();
}

void FileListBox::setDirectory(const QString& directory)
{
    enterDirectory(directory);
    refresh();
}

void FileListBox::enterDirectory(const QString& directory)
{
    // A relative folder is taken from the folder listed now, which is the
    // working directory.
    const QString absolute = QDir::cleanPath(QDir(m_directory).absoluteFilePath(directory));
    if (!QDir::setCurrent(absolute))
        throw runtime::RuntimeError(QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(absolute)));
    m_directory = absolute;
}

void FileListBox::setMask(const QString& mask)
{
    m_mask = mask;
    refresh();
}

void FileListBox::setFileType(FileTypes types)
{
    m_fileType = types;
    refresh();
}

void FileListBox::setItemHeight(int height)
{
    if (height <= 0 || height == m_itemHeight)
        return;
    m_itemHeight = height;
    doItemsLayout();
}

void FileListBox::applyFilePath(const QString& path)
{
    if (path.isEmpty())
        return;
    // Folder and mask first, then one reading of the folder.
    const runtime::FolderAndMask parts = runtime::SplitFolderAndMask(path);
    if (!parts.folder.isEmpty())
        enterDirectory(parts.folder);
    if (!parts.mask.isEmpty())
        m_mask = parts.mask;
    refresh();
}

bool FileListBox::hiddenOnPurpose() const
{
    return testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden);
}

void FileListBox::refresh()
{
    if (forms::IsLoading(this) || hiddenOnPurpose()) {
        m_readPending = true;
        return;
    }
    reread();
}

void FileListBox::Loaded()
{
    if (m_readPending && !hiddenOnPurpose())
        reread();
}

void FileListBox::showEvent(QShowEvent* event)
{
    if (m_readPending)
        reread();
    QListWidget::showEvent(event);
}

QStringList FileListBox::names()
{
    if (m_readPending)
        reread();
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << item(i)->text();
    return texts;
}

void FileListBox::reread()
{
    m_readPending = false;
    QStringList names;
    if (m_fileType & ftDirectory) {
        for (const QString& folder : runtime::ListMatchingFolders(m_directory, m_mask))
            names << QLatin1Char('[') + folder + QLatin1Char(']');
    }
    if (m_fileType & ftNormal)
        names << runtime::ListMatchingFiles(m_directory, m_mask);
    runtime::SortIgnoringCase(names);
    clear();
    addItems(names);
}

} // namespace widgets
