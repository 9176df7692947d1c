#include "common/FileDialogResponder.h"
#include "common/QStringPrinter.h"
#include "pickers/TAHMFileLookup.h"
#include "runtime/BitmapResource.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

void clickBrowse(TAHMFileLookup& lookup)
{
    QTest::mouseClick(lookup.editButton1()->button(), Qt::LeftButton);
}

} // namespace

TEST(FileLookup, Defaults)
{
    TAHMFileLookup lookup;
    EXPECT_EQ(lookup.filter(), QStringLiteral("All Files|*.*"));
    EXPECT_TRUE(lookup.text().isEmpty());
    EXPECT_FALSE(lookup.editButton2()->isVisible());
    EXPECT_TRUE(lookup.editButton1()->isVisible());
    EXPECT_EQ(lookup.editButton1()->numGlyphs(), 2);
    EXPECT_EQ(lookup.editButton1()->glyph(), runtime::LoadBitmapResource(QStringLiteral("TAHMFileLookupA")));
    EXPECT_FALSE(lookup.editButton1()->button()->icon().isNull());

    FileDialogResponder responder;
    clickBrowse(lookup);
    ASSERT_EQ(responder.requests().size(), 1);
    EXPECT_EQ(responder.requests().first().filter, QStringLiteral("All Files|*.*"));
    EXPECT_EQ(responder.requests().first().kind, runtime::FileDialogKind::OpenFile);
}

TEST(FileLookup, HandsItsSettingsToTheDialogAndTakesTheChosenPath)
{
    TAHMFileLookup lookup;
    lookup.setFilter(QStringLiteral("Adobe PDF Files|*.PDF"));
    lookup.setInitialDir(QStringLiteral("/srv/in"));
    lookup.setDefaultExt(QStringLiteral("pdf"));
    lookup.setTitle(QStringLiteral("Source"));
    lookup.setOptions(runtime::ofFileMustExist | runtime::ofForceShowHidden);
    lookup.setText(QStringLiteral("/docs/a.pdf"));

    FileDialogResponder responder;
    const QString chosen = QString::fromUtf8("/my docs/\xc3\xbc b.PDF");
    responder.choose(chosen);
    clickBrowse(lookup);
    ASSERT_EQ(responder.requests().size(), 1);
    const runtime::FileDialogRequest& request = responder.requests().first();
    EXPECT_EQ(request.filter, QStringLiteral("Adobe PDF Files|*.PDF"));
    EXPECT_EQ(request.initialDir, QStringLiteral("/srv/in"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("pdf"));
    EXPECT_EQ(request.title, QStringLiteral("Source"));
    EXPECT_EQ(request.options, runtime::ofFileMustExist | runtime::ofForceShowHidden);
    EXPECT_EQ(request.fileName, QStringLiteral("/docs/a.pdf"));
    // The whole text is replaced, also through Filename.
    EXPECT_EQ(lookup.text(), chosen);
    EXPECT_EQ(lookup.property("Filename").toString(), chosen);

    // Cancelled: nothing changes.
    responder.cancelNext();
    lookup.Lookup();
    EXPECT_EQ(lookup.text(), chosen);
    EXPECT_EQ(responder.requests().last().fileName, chosen);
}

TEST(FileLookup, TypedTextIsKeptUnchecked)
{
    TAHMFileLookup lookup;
    QTest::keyClicks(&lookup, QStringLiteral("no such file"));
    EXPECT_EQ(lookup.text(), QStringLiteral("no such file"));
}
