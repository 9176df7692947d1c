#include "pickers/TAHMExplorerView.h"

#include "pickers/ExplorerItemPainter.h"

#include <QDir>
#include <QFileIconProvider>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// The designed item height: a small icon and a line of text.
constexpr int ExplorerItemHeight = 18;

class ExplorerDelegate : public QStyledItemDelegate {
public:
    explicit ExplorerDelegate(TAHMExplorerView* view) : QStyledItemDelegate(view), m_view(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        ExplorerItem item;
        item.text = index.data().toString();
        item.folderGlyph = m_view->folderGlyph();
        if (!IsFolderItem(item.text))
            item.fileIcon = m_icons.icon(QFileInfo(QDir(m_view->directory()), item.text));
        item.font = option.font;
        item.fill = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        item.textColor = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        PaintExplorerItem(*painter, option.rect, item);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_view->itemHeight()};
    }

private:
    TAHMExplorerView* m_view;
    QFileIconProvider m_icons;
};

QImage makeFolderGlyph()
{
    QImage glyph(16, 16, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    QFileIconProvider().icon(QFileIconProvider::Folder).paint(&painter, glyph.rect());
    return glyph;
}

} // namespace

TAHMExplorerView::TAHMExplorerView(QWidget* parent) : widgets::FileListBox(parent)
{
    setItemHeight(ExplorerItemHeight);
    setItemDelegate(new ExplorerDelegate(this));
}

const QImage& TAHMExplorerView::folderGlyph() const
{
    if (m_folderGlyph.isNull())
        m_folderGlyph = makeFolderGlyph();
    return m_folderGlyph;
}

void TAHMExplorerView::showEvent(QShowEvent* event)
{
    folderGlyph(); // ready before the first paint, which only reads it
    widgets::FileListBox::showEvent(event);
}

void TAHMExplorerView::setCharCase(widgets::MaskEdit::TEditCharCase value)
{
    m_charCase = value;
    refresh();
}
