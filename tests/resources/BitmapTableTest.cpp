// Every bitmap the program loads by name is compiled in at its fixed size and
// depth. The table is kept here on its own, so the generator has to meet it
// rather than define it.

#include "runtime/Bitmap.h"
#include "runtime/BitmapResource.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    int width;
    int height;
    int depth;
};

// clang-format off
const Expected Table[] = {
    {"MACOS_BUTTON", 252, 23, 8},        {"WINXP_BUTTON", 54, 21, 8},         {"DEEPBLUE_BUTTON", 222, 21, 4},
    {"PROTEIN_BUTTON", 222, 21, 8},      {"BLUEGLASS_BUTTON", 231, 27, 8},
    {"MACOS_CHECKBOX", 60, 17, 8},       {"WINXP_CHECKBOX", 52, 13, 8},       {"DEEPBLUE_CHECKBOX", 52, 13, 4},
    {"PROTEIN_CHECKBOX", 52, 13, 4},     {"BLUEGLASS_CHECKBOX", 52, 13, 4},
    {"MACOS_RADIOBUTTON", 64, 17, 8},    {"WINXP_RADIOBUTTON", 52, 13, 8},    {"DEEPBLUE_RADIOBUTTON", 52, 13, 4},
    {"PROTEIN_RADIOBUTTON", 52, 13, 4},  {"BLUEGLASS_RADIOBUTTON", 52, 13, 4},
    {"MACOS_TITLEBTN", 306, 17, 24},     {"WINXP_TITLEBTN", 378, 21, 24},     {"DEEPBLUE_TITLEBTN", 342, 19, 4},
    {"PROTEIN_TITLEBTN", 342, 19, 4},    {"BLUEGLASS_TITLEBTN", 342, 19, 4},
    {"MACOS_TITLE_LEFT", 48, 23, 8},     {"WINXP_TITLE_LEFT", 35, 29, 8},     {"DEEPBLUE_TITLE_LEFT", 97, 32, 8},
    {"PROTEIN_TITLE_LEFT", 441, 23, 8},  {"BLUEGLASS_TITLE_LEFT", 162, 33, 8},
    {"MACOS_TITLE_CLIENT", 49, 23, 8},   {"WINXP_TITLE_CLIENT", 37, 29, 8},   {"DEEPBLUE_TITLE_CLIENT", 98, 32, 4},
    {"PROTEIN_TITLE_CLIENT", 1, 23, 4},  {"BLUEGLASS_TITLE_CLIENT", 179, 33, 8},
    {"MACOS_TITLE_RIGHT", 48, 23, 8},    {"WINXP_TITLE_RIGHT", 35, 29, 8},    {"DEEPBLUE_TITLE_RIGHT", 97, 32, 8},
    {"PROTEIN_TITLE_RIGHT", 1, 23, 8},   {"BLUEGLASS_TITLE_RIGHT", 101, 33, 8},
    {"MACOS_PROGRESSBAR", 13, 10, 8},    {"WINXP_PROGRESSBAR", 6, 10, 8},     {"DEEPBLUE_PROGRESSBAR", 1, 10, 8},
    {"PROTEIN_PROGRESSBAR", 1, 10, 8},   {"BLUEGLASS_PROGRESSBAR", 1, 10, 8},
    {"MACOS_TRACKBAR_BAR", 45, 5, 24},   {"WINXP_TRACKBAR_BAR", 45, 8, 24},   {"DEEPBLUE_TRACKBAR_BAR", 45, 4, 24},
    {"PROTEIN_TRACKBAR_BAR", 45, 4, 24}, {"BLUEGLASS_TRACKBAR_BAR", 45, 4, 24},
    {"MACOS_TRACKBAR_SLIDER", 11, 20, 24},   {"WINXP_TRACKBAR_SLIDER", 11, 21, 24},
    {"DEEPBLUE_TRACKBAR_SLIDER", 11, 20, 24}, {"PROTEIN_TRACKBAR_SLIDER", 11, 20, 24},
    {"BLUEGLASS_TRACKBAR_SLIDER", 11, 20, 24},
    {"MACOS_TRACKBAR_SLIDER_V", 19, 11, 8},   {"WINXP_TRACKBAR_SLIDER_V", 22, 11, 8},
    {"DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11, 8}, {"PROTEIN_TRACKBAR_SLIDER_V", 18, 11, 8},
    {"BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11, 8},
    {"MACOS_SCROLLBAR_BUTTON", 96, 22, 8},   {"WINXP_SCROLLBAR_BUTTON", 96, 17, 8},
    {"DEEPBLUE_SCROLLBAR_BUTTON", 96, 16, 4}, {"PROTEIN_SCROLLBAR_BUTTON", 96, 16, 8},
    {"BLUEGLASS_SCROLLBAR_BUTTON", 102, 16, 4},
    {"MACOS_SCROLLBAR_TRACK", 33, 16, 8},    {"WINXP_SCROLLBAR_TRACK", 21, 16, 8},
    {"DEEPBLUE_SCROLLBAR_TRACK", 21, 16, 4},  {"PROTEIN_SCROLLBAR_TRACK", 21, 16, 4},
    {"BLUEGLASS_SCROLLBAR_TRACK", 21, 16, 8},
    {"MACOS_CHECKLIST", 40, 11, 8},      {"WINXP_CHECKLIST", 44, 11, 4},      {"DEEPBLUE_CHECKLIST", 44, 11, 4},
    {"PROTEIN_CHECKLIST", 44, 11, 4},    {"BLUEGLASS_CHECKLIST", 44, 11, 4},
    {"MACOS_SCROLLBUTTON", 72, 18, 8},   {"WINXP_SCROLLBUTTON", 72, 18, 8},   {"MORE_SCROLLBUTTON", 72, 17, 4},
    {"MACOS_TAB", 36, 27, 8},            {"WINXP_TAB", 18, 18, 8},            {"DEEPBLUE_TAB", 12, 17, 4},
    {"PROTEIN_TAB", 18, 17, 4},          {"BLUEGLASS_TAB", 18, 17, 4},
    {"MACOS_TAB_LINE", 17, 7, 8},        {"WINXP_TAB_LINE", 8, 1, 4},         {"DEEPBLUE_TAB_LINE", 5, 5, 4},
    {"PROTEIN_TAB_LINE", 10, 5, 4},      {"BLUEGLASS_TAB_LINE", 10, 5, 4},
    {"MACOS_SIDECHENNEL_HANDLE", 7, 84, 8},  {"WINXP_SIDECHENNEL_HANDLE", 8, 86, 8},
    {"DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83, 4}, {"PROTEIN_SIDECHENNEL_HANDLE", 8, 83, 4},
    {"BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86, 8},
    {"MACOS_SIDECHENNEL_BAR", 1, 21, 8}, {"WINXP_SIDECHENNEL_BAR", 1, 21, 8}, {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20, 4},
    {"PROTEIN_SIDECHENNEL_BAR", 1, 21, 4}, {"BLUEGLASS_SIDECHENNEL_BAR", 1, 21, 4},
    {"MACOS_MENU_BAR", 1, 22, 4},        {"MACOS_MENU_SELECT", 1, 21, 8},     {"MENU_CHECKED", 16, 16, 4},
    {"MACOS_FORM_BACKGROUND", 8, 8, 4},  {"PROTEIN_FORM_BACKGROUND", 8, 8, 4},
    {"MACOS_COMBOBOX_BUTTON", 16, 17, 8}, {"WINXP_COMBOBOX_BUTTON", 16, 18, 8},
    {"DBNAV_BUTTON", 160, 16, 8},
    {"TAHMFileLookupA", 26, 13, 8},      {"AHMFolderLookup", 26, 13, 8},
    {"AHMLOOKUPEDITB1", 26, 13, 8},      {"AHMLOOKUPEDITB2", 26, 13, 8},
    {"QUARLEX_IMAGE1", 25, 33, 8},       {"QUARLEX_IMAGE2", 33, 33, 8},
    {"MAINICON", 16, 16, 32},
};
// clang-format on

struct Header {
    QByteArray magic;
    qint32 width = 0;
    qint32 height = 0;
    quint16 depth = 0;
    quint32 compression = 0;
};

Header readHeader(const QString& name)
{
    QFile file(QStringLiteral(":/bitmaps/%1.bmp").arg(name));
    Header h;
    if (!file.open(QIODevice::ReadOnly))
        return h;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 54)
        return h;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    h.magic = bytes.left(2);
    h.width = qFromLittleEndian<qint32>(p + 18);
    h.height = qFromLittleEndian<qint32>(p + 22);
    h.depth = qFromLittleEndian<quint16>(p + 28);
    h.compression = qFromLittleEndian<quint32>(p + 30);
    return h;
}

class BitmapTable : public testing::TestWithParam<Expected> {};

TEST_P(BitmapTable, IsCompiledInAtItsSizeAndDepth)
{
    const Expected e = GetParam();
    const QString name = QString::fromLatin1(e.name);
    const Header h = readHeader(name);
    EXPECT_EQ(h.magic, QByteArray("BM"));
    EXPECT_EQ(h.width, e.width);
    EXPECT_EQ(h.height, e.height) << "rows are stored bottom-up, so the height is positive";
    EXPECT_EQ(h.depth, e.depth);
    EXPECT_EQ(h.compression, e.depth == 32 ? 3u : 0u) << "uncompressed, bit fields only for the alpha icon";

    const QImage image = runtime::LoadBitmapResource(name);
    EXPECT_EQ(image.size(), QSize(e.width, e.height));
    // The program decodes its own bitmaps; every pixel as Qt's reader has it.
    EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(name)).convertToFormat(QImage::Format_ARGB32));
}

INSTANTIATE_TEST_SUITE_P(Resources, BitmapTable, testing::ValuesIn(Table),
                         [](const testing::TestParamInfo<Expected>& info) { return std::string(info.param.name); });

TEST(BitmapResources, AnUnknownNameIsNotFoundEveryTimeItIsAskedFor)
{
    for (int i = 0; i < 2; ++i) {
        EXPECT_THROW(runtime::LoadBitmapResource(QStringLiteral("MACOS_SIDECHANNEL_BAR")), runtime::ResourceNotFound);
        EXPECT_THROW(runtime::LoadBitmapResourceAsBitmap(QStringLiteral("MACOS_SIDECHANNEL_BAR")),
                     runtime::ResourceNotFound);
    }
}

TEST(BitmapResources, DecodedOnceYetUntouchedByWhatCallersPaintIntoTheirCopies)
{
    const QString name = QStringLiteral("BLUEGLASS_BUTTON");
    const QImage decoded = runtime::LoadBitmapResource(name).copy();
    QImage first = runtime::LoadBitmapResource(name);
    QImage bitmap = runtime::LoadBitmapResourceAsBitmap(name);
    EXPECT_EQ(bitmap.format(), runtime::BitmapFormat);
    EXPECT_EQ(bitmap, runtime::ToBitmap(decoded));

    first.fill(Qt::red);
    bitmap.fill(Qt::red);
    EXPECT_EQ(runtime::LoadBitmapResource(name), decoded);
    EXPECT_EQ(runtime::LoadBitmapResourceAsBitmap(name), runtime::ToBitmap(decoded));
}

} // namespace
