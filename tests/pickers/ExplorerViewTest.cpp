#include "common/QStringPrinter.h"
#include "common/TouchFile.h"
#include "pickers/ExplorerItemPainter.h"
#include "pickers/TAHMExplorerView.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

namespace {

QStringList items(const TAHMExplorerView& view)
{
    QStringList result;
    for (int i = 0; i < view.count(); ++i)
        result << view.item(i)->text();
    return result;
}

class ExplorerView : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"zeta.PDF", "a.pdf", "B.Pdf", "C.PDF", "My Report.pdf", "\xc3\xa9t\xc3\xa9.pdf",
                                 "notes.txt", "scan.PDF.bak"})
            TouchFile(path(QString::fromUtf8(name)));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("more.pdf")));
    }
    void TearDown() override { QDir::setCurrent(m_savedCwd); }
    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_dir;
    QString m_savedCwd = QDir::currentPath();
};

// Every pixel of the image inside rect has the given colour.
bool allPixels(const QImage& image, const QRect& rect, QColor colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

} // namespace

TEST_F(ExplorerView, ListsExactlyTheMatchingFilesAsTheFileSystemNamesThem)
{
    TAHMExplorerView view;
    EXPECT_EQ(view.itemHeight(), 18);
    EXPECT_EQ(view.charCase(), widgets::MaskEdit::ecLowerCase);
    view.setMask(QStringLiteral("*.pdf"));
    // The batch points the view at "folder/*.PDF".
    view.applyFilePath(path(QStringLiteral("*.PDF")));
    const QStringList expected = {QStringLiteral("a.pdf"),    QStringLiteral("B.Pdf"),
                                  QStringLiteral("C.PDF"),    QStringLiteral("My Report.pdf"),
                                  QStringLiteral("zeta.PDF"), QString::fromUtf8("\xc3\xa9t\xc3\xa9.pdf")};
    EXPECT_EQ(items(view), expected);
    EXPECT_EQ(view.mask(), QStringLiteral("*.PDF"));
    EXPECT_EQ(QDir::currentPath(), QDir(m_dir.path()).absolutePath());

    // A new CharCase re-reads the folder but keeps the names' letters.
    TouchFile(path(QStringLiteral("Late Arrival.PDF")));
    view.setCharCase(widgets::MaskEdit::ecUpperCase);
    EXPECT_EQ(items(view).value(3), QStringLiteral("Late Arrival.PDF"));
    EXPECT_EQ(view.count(), expected.size() + 1);
}

TEST_F(ExplorerView, ItemsAreDrawnAtTheItemHeight)
{
    TAHMExplorerView view;
    view.setDirectory(m_dir.path());
    view.resize(200, 200);
    view.show();
    ASSERT_GT(view.count(), 1);
    EXPECT_EQ(view.visualItemRect(view.item(0)).height(), 18);
    EXPECT_EQ(view.visualItemRect(view.item(1)).top(), view.visualItemRect(view.item(0)).top() + 18);
}

TEST(ExplorerItemPainter, FolderGlyphIconAndText)
{
    const QColor fill(Qt::white);
    QImage folder(16, 16, QImage::Format_ARGB32);
    folder.fill(QColor(200, 0, 0));
    QImage iconImage(16, 16, QImage::Format_ARGB32);
    iconImage.fill(QColor(0, 0, 200));
    ExplorerItem item;
    item.folderGlyph = folder;
    item.fileIcon = QIcon(QPixmap::fromImage(iconImage));
    item.fill = fill;
    item.textColor = Qt::black;

    struct Row {
        const char* text;
        QColor corner;
    };
    const Row rows[] = {
        {"[sub]", QColor(200, 0, 0)},
        // A file whose name holds "[" is drawn as a folder too.
        {"report [draft].pdf", QColor(200, 0, 0)},
        {"report.pdf", QColor(0, 0, 200)},
    };
    for (const Row& row : rows) {
        QImage image(120, 18, QImage::Format_ARGB32);
        image.fill(Qt::gray);
        item.text = QLatin1String(row.text);
        QPainter painter(&image);
        PaintExplorerItem(painter, image.rect(), item);
        painter.end();
        EXPECT_TRUE(allPixels(image, QRect(0, 0, 16, 16), row.corner)) << row.text;
        // Two blank columns between picture and text, and the text after.
        EXPECT_TRUE(allPixels(image, QRect(16, 0, 2, 18), fill)) << row.text;
        EXPECT_FALSE(allPixels(image, QRect(18, 0, 102, 18), fill)) << row.text;
    }
}

TEST(ExplorerItemPainter, ViewFolderGlyphIsASixteenPixelPicture)
{
    TAHMExplorerView view;
    EXPECT_EQ(view.folderGlyph().size(), QSize(16, 16));
}

TEST_F(ExplorerView, EveryFileGetsAnIconEvenOfAnUnknownType)
{
    TouchFile(path(QStringLiteral("strange.zz9q")));
    TAHMExplorerView view;
    view.setMask(QStringLiteral("*.zz9q;*.txt"));
    view.setDirectory(m_dir.path());
    view.resize(200, 100);
    view.show();
    ASSERT_EQ(items(view), (QStringList{QStringLiteral("notes.txt"), QStringLiteral("strange.zz9q")}));
    const QImage shot = view.viewport()->grab().toImage();
    const QColor base = view.palette().color(QPalette::Base);
    for (int i = 0; i < view.count(); ++i) {
        const QRect icon(view.visualItemRect(view.item(i)).topLeft(), QSize(16, 16));
        EXPECT_FALSE(allPixels(shot, icon, base)) << view.item(i)->text().toStdString();
    }
}
