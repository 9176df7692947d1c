#include "ThemeTool.h"
#include "ThemeFileTestSupport.h"

#include "runtime/BitmapResource.h"
#include "runtime/RuntimeError.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/Look.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

QString dumpOf(const QString& path)
{
    QString text;
    QTextStream out(&text);
    DumpThemeFile(path, out);
    return text;
}

} // namespace

TEST(ThemeTool, PackedFolderDumpsEveryEntry)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("skin"));
    QDir().mkpath(folder);
    writeText(folder + QStringLiteral("/values.txt"),
              "# a comment\nFormBackgroundColor=0xE7E7E7\nFormMinWidthInt = -3\nButtonTransparentBool=True\n"
              "Author=someone\n");
    QImage strip(54, 21, QImage::Format_RGB32);
    strip.fill(Qt::blue);
    strip.save(folder + QStringLiteral("/ButtonImage.bmp"), "BMP");
    const QString file = dir.filePath(QStringLiteral("packed.theme"));
    SaveThemeFile(file, PackThemeFolder(folder));

    EXPECT_EQ(dumpOf(file).toStdString(),
              std::string("FormBackgroundColor\tInteger\t15198183 (0xE7E7E7)\n"
                          "FormMinWidthInt\tInteger\t-3\n"
                          "ButtonTransparentBool\tBoolean\tTrue\n"
                          "Author\tString\tsomeone\n"
                          "ButtonImage\tBitmap\t54x21, 24 bpp\n"));
    TsuiFileTheme theme;
    theme.AssignThemeFile(file);
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), 0xE7E7E7);
    EXPECT_TRUE(theme.GetBool(ThemeElement::ButtonTransparentBool));
}

TEST(ThemeTool, PackRefusesValuesOfTheWrongKindAndBadBitmaps)
{
    QTemporaryDir dir;
    writeText(dir.filePath(QStringLiteral("values.txt")), "ButtonTransparentBool=maybe\n");
    EXPECT_THROW(PackThemeFolder(dir.path()), runtime::RuntimeError);
    writeText(dir.filePath(QStringLiteral("values.txt")), "FormMinWidthInt=wide\n");
    EXPECT_THROW(PackThemeFolder(dir.path()), runtime::RuntimeError);
    writeText(dir.filePath(QStringLiteral("values.txt")), "");
    writeText(dir.filePath(QStringLiteral("ButtonImage.bmp")), "BM not really");
    EXPECT_THROW(PackThemeFolder(dir.path()), runtime::RuntimeError);
}

TEST(ThemeTool, DumpOfAMalformedFileRaisesTheReadersError)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bad.theme"));
    auto bytes = themefile::WriteThemeFile({themefile::IntegerEntry("FormMinWidthInt", 1)});
    themefile::PutU32(bytes, 12, 16);
    WriteBytes(file, bytes);
    try {
        dumpOf(file);
        ADD_FAILURE() << "accepted";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("header length is 16"))) << e.what();
    }
}

TEST(ThemeTool, StylesAreNamedAsTheEnumeration)
{
    EXPECT_EQ(BuiltinStyleNamed(QStringLiteral("blueglass")), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(BuiltinStyleNamed(QStringLiteral("WinXP")), TsuiUIStyle::WinXP);
    EXPECT_FALSE(BuiltinStyleNamed(QStringLiteral("FromThemeFile")));
}

#ifdef QUARLEX_HAVE_RESOURCES

TEST(ThemeTool, AnExportedStyleLoadsBackAsTheBuiltInStyle)
{
    QTemporaryDir dir;
    for (TsuiUIStyle style : BuiltinStyles) {
        SCOPED_TRACE(int(style));
        const QString file = dir.filePath(QStringLiteral("style%1.theme").arg(int(style)));
        SaveThemeFile(file, ExportBuiltinStyle(style));
        TsuiFileTheme theme;
        theme.AssignThemeFile(file);
        ASSERT_TRUE(theme.ThemeLoaded());
        // The named record reads every element from the file as the table
        // gives it, so a field wired to the wrong element shows here.
        const Look look = ResolveLook(&theme, TsuiUIStyle::FromThemeFile);
        EXPECT_TRUE(look.fromFile());
        EXPECT_TRUE(static_cast<const LookValues&>(look) == BuiltinLookValues(style));
        for (int n = 1; n <= ThemeElementCount; ++n) {
            const ThemeElement e = ThemeElementAt(n);
            SCOPED_TRACE(GetThemeElementName(e));
            switch (GetThemeElementKind(e)) {
            case ThemeValueKind::Int:
                EXPECT_EQ(theme.GetInt(e), GetBuiltinThemeInt(style, e));
                break;
            case ThemeValueKind::Color:
                EXPECT_EQ(theme.GetColor(e), GetBuiltinThemeColor(style, e));
                break;
            case ThemeValueKind::Bool:
                EXPECT_EQ(theme.GetBool(e), GetBuiltinThemeBool(style, e));
                break;
            case ThemeValueKind::Image: {
                QImage fromFile, builtin;
                theme.GetBitmap(e, fromFile);
                GetBuiltinThemeBitmap(style, e, builtin, 0, 0);
                ASSERT_FALSE(builtin.isNull());
                EXPECT_EQ(fromFile, builtin);
                theme.GetBitmapFrame(e, fromFile, 3, 2);
                GetBuiltinThemeBitmap(style, e, builtin, 3, 2);
                EXPECT_EQ(fromFile, builtin);
                break;
            }
            }
        }
    }
}

TEST(BuiltinThemeBitmaps, FramesAndSharedResourcesLoadByName)
{
    QImage bitmap;
    GetBuiltinThemeBitmap(TsuiUIStyle::WinXP, ThemeElement::ButtonImage, bitmap, 0, 0);
    const QImage strip = bitmap;
    EXPECT_EQ(strip.size(), QSize(54, 21));
    GetBuiltinThemeBitmap(TsuiUIStyle::WinXP, ThemeElement::ButtonImage, bitmap, 3, 2);
    ASSERT_EQ(bitmap.size(), QSize(18, 21));
    EXPECT_EQ(bitmap, strip.copy(18, 0, 18, 21));
    GetBuiltinThemeBitmap(TsuiUIStyle::Protein, ThemeElement::ScrollButtonImage, bitmap, 0, 0);
    EXPECT_EQ(bitmap, runtime::ToBitmap(runtime::LoadBitmapResource(QStringLiteral("MORE_SCROLLBUTTON"))));
}

#endif
