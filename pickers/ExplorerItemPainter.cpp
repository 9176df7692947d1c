#include "pickers/ExplorerItemPainter.h"

#include <QPainter>

namespace {
// Icons are small icons; the text starts after the icon and two pixels.
constexpr int IconSize = 16;
constexpr int TextIndent = 18;
} // namespace

bool IsFolderItem(const QString& text)
{
    return text.contains(QLatin1Char('['));
}

void PaintExplorerItem(QPainter& painter, const QRect& rect, const ExplorerItem& item)
{
    painter.save();
    painter.fillRect(rect, item.fill);
    if (IsFolderItem(item.text))
        painter.drawImage(rect.topLeft(), item.folderGlyph);
    else
        item.fileIcon.paint(&painter, QRect(rect.topLeft(), QSize(IconSize, IconSize)));
    painter.setFont(item.font);
    painter.setPen(item.textColor);
    const QRect textRect(rect.left() + TextIndent, rect.top(), rect.width() - TextIndent, rect.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, item.text);
    painter.restore();
}
