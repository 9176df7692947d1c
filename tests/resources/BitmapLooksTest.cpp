// The properties the controls rely on when they slice, stretch and key the
// pictures: where the magenta key colour is and is not, frames that differ
// by state, title-bar images that join, and pictures that stretch cleanly.

#include "resources/ProgramIcon.h"
#include "runtime/BitmapResource.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr QRgb Key = 0xFF00FF;

QImage load(const char* name)
{
    return runtime::LoadBitmapResource(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
}

QImage frame(const QImage& strip, int frames, int k)
{
    const int w = strip.width() / frames;
    return strip.copy(k * w, 0, w, strip.height());
}

bool isKey(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == Key;
}

int keyCount(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += isKey(image, x, y);
    return n;
}

// The nine-part scaling stretches the middle row and the middle columns of a
// frame and always treats magenta in them as see-through, whatever the
// button's Transparent says: a key pixel there would be a hole along the
// whole stretched edge. Returns how many key pixels those boxes hold.
int keyInStretchedParts(const QImage& f)
{
    const int sw = f.width(), sh = f.height();
    const int hw = sw / 2, hh = sh / 2, farW = sw - sw / 2 + 1;
    const QRect boxes[] = {
        QRect(QPoint(0, hh), QPoint(hw - 1, sh - hh - 1)),    // left edge
        QRect(QPoint(farW, sh - hh), QPoint(sw - 1, hh + 1)), // right edge
        QRect(QPoint(hw, 0), QPoint(farW - 1, hh - 1)),       // top edge
        QRect(QPoint(hw, hh), QPoint(farW - 1, sh - hh - 1)), // centre
        QRect(QPoint(hw, sh - hh), QPoint(farW - 1, sh - 1)), // bottom edge
    };
    int n = 0;
    for (const QRect& box : boxes)
        n += keyCount(f.copy(box.intersected(f.rect())));
    return n;
}

bool cornersKeyed(const QImage& f)
{
    const int r = f.width() - 1, b = f.height() - 1;
    return isKey(f, 0, 0) && isKey(f, r, 0) && isKey(f, 0, b) && isKey(f, r, b);
}

QImage column(const QImage& image, int x)
{
    return image.copy(x, 0, 1, image.height());
}

QImage row(const QImage& image, int y)
{
    return image.copy(0, y, image.width(), 1);
}

const char* const Styles[] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};

std::string part(const char* style, const char* name)
{
    return std::string(style) + "_" + name;
}

// Push buttons: the styles whose buttons honour the key colour have magenta
// corners; the others draw their corners opaque, so they carry no magenta.
TEST(ButtonImages, KeyColourOnlyInTheCornersOfTransparentStyles)
{
    const struct {
        const char* name;
        bool keyed;
    } cases[] = {{"MACOS_BUTTON", true},
                 {"BLUEGLASS_BUTTON", true},
                 {"WINXP_BUTTON", false},
                 {"DEEPBLUE_BUTTON", false},
                 {"PROTEIN_BUTTON", false}};
    for (const auto& c : cases) {
        const QImage strip = load(c.name);
        for (int k = 0; k < 3; ++k) {
            const QImage f = frame(strip, 3, k);
            SCOPED_TRACE(std::string(c.name) + " frame " + std::to_string(k + 1));
            EXPECT_EQ(keyInStretchedParts(f), 0);
            if (c.keyed)
                EXPECT_TRUE(cornersKeyed(f));
            else
                EXPECT_EQ(keyCount(f), 0);
        }
    }
}

// The nine-part scaling stretches row half(h) on the left and the centre and
// the row below it on the right, and the middle columns; if they differed a
// taller button would show a step between its left and right edges.
TEST(ButtonImages, StretchedRowsAndColumnsMatch)
{
    for (const char* style : Styles) {
        const QImage strip = load(part(style, "BUTTON").c_str());
        for (int k = 0; k < 3; ++k) {
            const QImage f = frame(strip, 3, k);
            SCOPED_TRACE(part(style, "BUTTON") + " frame " + std::to_string(k + 1));
            EXPECT_EQ(row(f, f.height() / 2), row(f, f.height() / 2 + 1));
            if (f.width() % 2 == 1) {
                EXPECT_EQ(column(f, f.width() / 2), column(f, f.width() / 2 + 1));
            }
        }
    }
}

TEST(ButtonImages, TheThreeStatesDiffer)
{
    for (const char* style : Styles) {
        const QImage strip = load(part(style, "BUTTON").c_str());
        SCOPED_TRACE(style);
        EXPECT_NE(frame(strip, 3, 0), frame(strip, 3, 1));
        EXPECT_NE(frame(strip, 3, 1), frame(strip, 3, 2));
        EXPECT_NE(frame(strip, 3, 0), frame(strip, 3, 2));
    }
}

// Title-bar buttons: Protein and BlueGlass key out the colour of each
// frame's bottom-left pixel; it is the key colour, round the button in every
// corner. The other styles draw the whole square and carry no magenta.
TEST(TitleButtonImages, KeyedCornersWhereTheStyleIsTransparent)
{
    for (const char* style : Styles) {
        const bool keyed = std::string(style) == "PROTEIN" || std::string(style) == "BLUEGLASS";
        const QImage strip = load(part(style, "TITLEBTN").c_str());
        ASSERT_EQ(strip.width() % 18, 0);
        ASSERT_EQ(strip.width() / 18, strip.height()) << "square frames";
        for (int k = 0; k < 18; ++k) {
            const QImage f = frame(strip, 18, k);
            SCOPED_TRACE(part(style, "TITLEBTN") + " frame " + std::to_string(k + 1));
            EXPECT_FALSE(isKey(f, f.width() / 2, f.height() / 2));
            if (keyed)
                EXPECT_TRUE(cornersKeyed(f));
            else
                EXPECT_EQ(keyCount(f), 0);
        }
    }
}

// Every glyph shows in three looks that differ, and the six glyphs differ
// from each other in each look.
TEST(TitleButtonImages, SixGlyphsInThreeStates)
{
    for (const char* style : Styles) {
        const QImage strip = load(part(style, "TITLEBTN").c_str());
        SCOPED_TRACE(style);
        for (int state = 0; state < 3; ++state) {
            std::set<QByteArray> glyphs;
            for (int g = 0; g < 6; ++g) {
                const QImage f = frame(strip, 18, g * 3 + state);
                glyphs.insert(QByteArray(reinterpret_cast<const char*>(f.constBits()), int(f.sizeInBytes())));
            }
            EXPECT_EQ(glyphs.size(), 6u) << "state " << state;
        }
        for (int g = 0; g < 6; ++g) {
            EXPECT_NE(frame(strip, 18, g * 3), frame(strip, 18, g * 3 + 1));
            EXPECT_NE(frame(strip, 18, g * 3 + 1), frame(strip, 18, g * 3 + 2));
        }
    }
}

// The title bar draws the left and right images unscaled and stretches the
// client image between them: the client's columns are all alike, and the
// left and right images end in exactly those columns.
TEST(TitleBarImages, LeftClientAndRightJoinWithoutSeams)
{
    for (const char* style : Styles) {
        const QImage left = load(part(style, "TITLE_LEFT").c_str());
        const QImage client = load(part(style, "TITLE_CLIENT").c_str());
        const QImage right = load(part(style, "TITLE_RIGHT").c_str());
        SCOPED_TRACE(style);
        ASSERT_EQ(left.height(), client.height());
        ASSERT_EQ(right.height(), client.height());
        for (int x = 1; x < client.width(); ++x)
            EXPECT_EQ(column(client, x), column(client, 0)) << "client column " << x;
        EXPECT_EQ(column(left, left.width() - 1), column(client, 0));
        EXPECT_EQ(column(right, 0), column(client, 0));
        EXPECT_EQ(keyCount(left) + keyCount(client) + keyCount(right), 0);
    }
}

// Check boxes are drawn opaque, one frame per look: checked, unchecked,
// checked and disabled, unchecked and disabled.
TEST(CheckBoxImages, FourDistinctOpaqueFrames)
{
    for (const char* name : {"MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX",
                             "BLUEGLASS_CHECKBOX", "MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST",
                             "PROTEIN_CHECKLIST", "BLUEGLASS_CHECKLIST", "MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON",
                             "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON", "BLUEGLASS_RADIOBUTTON"}) {
        const QImage strip = load(name);
        SCOPED_TRACE(name);
        EXPECT_EQ(keyCount(strip), 0);
        std::set<QByteArray> looks;
        for (int k = 0; k < 4; ++k) {
            const QImage f = frame(strip, 4, k);
            looks.insert(QByteArray(reinterpret_cast<const char*>(f.constBits()), int(f.sizeInBytes())));
        }
        EXPECT_EQ(looks.size(), 4u);
    }
}

// Progress images are stretched along the bar (and turned for an upright
// bar), so every column is the same and nothing is keyed out.
TEST(ProgressImages, StretchWithoutDistortion)
{
    for (const char* style : Styles) {
        const QImage image = load(part(style, "PROGRESSBAR").c_str());
        SCOPED_TRACE(style);
        for (int x = 1; x < image.width(); ++x)
            EXPECT_EQ(column(image, x), column(image, 0));
        EXPECT_EQ(keyCount(image), 0);
        EXPECT_NE(image.pixel(0, 0), image.pixel(0, image.height() / 2)) << "shaded, not flat";
    }
}

// The menus add the check mark with white as its see-through colour.
TEST(MenuImages, CheckMarkOnWhite)
{
    const QImage check = load("MENU_CHECKED");
    EXPECT_EQ(check.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(check.pixel(15, 15) & 0xFFFFFF, 0xFFFFFFu);
    int ink = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ink += (check.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(ink, 10);
}

// Navigator and lookup glyphs and the window's link pictures are masked by a
// corner pixel's colour: the navigator's buttons take the top-left one, the
// lookup buttons and picture controls the bottom-left one. Both are the key
// colour; the picture itself is not.
TEST(GlyphImages, CornersCarryTheKeyColour)
{
    const struct {
        const char* name;
        int frames;
    } cases[] = {{"DBNAV_BUTTON", 10},   {"TAHMFileLookupA", 2}, {"AHMFolderLookup", 2}, {"AHMLOOKUPEDITB1", 2},
                 {"AHMLOOKUPEDITB2", 2}, {"QUARLEX_IMAGE1", 1},  {"QUARLEX_IMAGE2", 1}};
    for (const auto& c : cases) {
        const QImage strip = load(c.name);
        std::set<QByteArray> frames;
        for (int k = 0; k < c.frames; ++k) {
            const QImage f = frame(strip, c.frames, k);
            SCOPED_TRACE(std::string(c.name) + " frame " + std::to_string(k + 1));
            EXPECT_TRUE(isKey(f, 0, 0));
            EXPECT_TRUE(isKey(f, 0, f.height() - 1));
            EXPECT_LT(keyCount(f), f.width() * f.height()) << "frame is not empty";
            frames.insert(QByteArray(reinterpret_cast<const char*>(f.constBits()), int(f.sizeInBytes())));
        }
        EXPECT_EQ(int(frames.size()), c.frames) << c.name;
    }
}

TEST(ProgramIcon, TransparentAroundAnOpaquePicture)
{
    const QImage icon = runtime::LoadBitmapResource(QStringLiteral("MAINICON"));
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(15, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(6, 8)), 255);

    const QIcon programIcon = resources::ProgramIcon();
    EXPECT_EQ(programIcon.pixmap(16, 16).size(), QSize(16, 16));
    EXPECT_EQ(programIcon.pixmap(256, 256).size(), QSize(256, 256));
}

} // namespace
