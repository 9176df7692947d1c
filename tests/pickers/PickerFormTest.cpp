#include "common/FileDialogResponder.h"
#include "common/QStringPrinter.h"
#include "forms/FormLoader.h"
#include "pickers/PickersComponents.h"
#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The pickers as the main window stores them.
const char* const StoredPickers = R"(object Form1: TPickerForm
  Font.Height = -11
  object AHMFileLookup1: TAHMFileLookup
    Left = 112
    Top = 64
    Width = 369
    Height = 21
    AutoSize = False
    Filter = 'Adobe PDF Files|*.PDF'
  end
  object AHMFolderLookup1: TAHMFolderLookup
    Left = 112
    Top = 86
    Width = 369
    Height = 21
    AutoSize = False
    LookupFlags = [FileSystemDirsOnly, StatusText]
    OnPathChanged = AHMFolderLookup1PathChanged
  end
  object AEV: TAHMExplorerView
    Left = 376
    Top = 136
    Width = 113
    Height = 89
    Visible = False
    ItemHeight = 18
    Mask = '*.pdf'
    CharCase = ecLowerCase
  end
end
)";

class PickerForm : public QWidget {
    Q_OBJECT
public slots:
    void AHMFolderLookup1PathChanged(QObject* sender, QString oldPath, QString newPath)
    {
        changes << QStringLiteral("%1: %2 -> %3").arg(sender->objectName(), oldPath, newPath);
    }

public:
    QStringList changes;
};

} // namespace

TEST(PickerFormLoad, LoadsAsTheMainWindowStoresIt)
{
    const QString savedCwd = QDir::currentPath();
    // Started in a folder of documents: the hidden list holds them once the
    // form is loaded (read once, after every stored property arrived).
    QTemporaryDir start;
    for (const char* name : {"b.PDF", "a.pdf", "notes.txt"})
        QFile(start.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    QDir::setCurrent(start.path());
    RegisterPickersComponents();
    PickerForm form;
    forms::LoadForm(&form, forms::ParseFormDescription(QString::fromUtf8(StoredPickers)));
    form.show();

    auto* file = form.findChild<TAHMFileLookup*>(QStringLiteral("AHMFileLookup1"));
    auto* folder = form.findChild<TAHMFolderLookup*>(QStringLiteral("AHMFolderLookup1"));
    auto* view = form.findChild<TAHMExplorerView*>(QStringLiteral("AEV"));
    ASSERT_TRUE(file && folder && view);
    EXPECT_EQ(file->geometry(), QRect(112, 64, 369, 21));
    EXPECT_EQ(file->filter(), QStringLiteral("Adobe PDF Files|*.PDF"));
    EXPECT_FALSE(file->autoSize());
    // One visible button: the text leaves room for it alone.
    EXPECT_EQ(file->textMargins().right(), 17);
    EXPECT_EQ(folder->lookupFlags(), TAHMFolderLookup::FileSystemDirsOnly | TAHMFolderLookup::StatusText);
    EXPECT_EQ(view->mask(), QStringLiteral("*.pdf"));
    EXPECT_EQ(view->itemHeight(), 18);
    EXPECT_EQ(view->charCase(), widgets::MaskEdit::ecLowerCase);
    EXPECT_TRUE(view->isHidden());
    // Hidden, it has not read the working folder yet; shown, it has.
    EXPECT_EQ(view->count(), 0);
    view->show();
    EXPECT_EQ(view->count(), 2);
    EXPECT_EQ(view->names(), (QStringList{QStringLiteral("a.pdf"), QStringLiteral("b.PDF")}));

    FileDialogResponder responder;
    responder.choose(QStringLiteral("/data/pdfs"));
    QTest::mouseClick(folder->editButton1()->button(), Qt::LeftButton);
    EXPECT_EQ(form.changes, QStringList{QStringLiteral("AHMFolderLookup1:  -> /data/pdfs")});
    QDir::setCurrent(savedCwd);
}

#include "PickerFormTest.moc"
