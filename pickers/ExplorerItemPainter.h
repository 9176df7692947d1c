#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// What one item of an explorer view is drawn from.
struct ExplorerItem {
    QString text;
    QImage folderGlyph; // 16 x 16, drawn for folder entries
    QIcon fileIcon;     // the small icon of the file's type
    QFont font;
    QColor fill;
    QColor textColor;
};

// Whether an item is drawn as a folder: folder entries are listed as
// "[name]", so any "[" counts (a file named so gets the folder picture too).
bool IsFolderItem(const QString& text);

// Paints one item into rect: the fill, the folder glyph or the file icon at
// the top-left corner, and the text 18 pixels to the right.
void PaintExplorerItem(QPainter& painter, const QRect& rect, const ExplorerItem& item);
