#include "Catalogue.h"

#include "Art.h"
#include "GenericParts.h"
#include "SharedArt.h"
#include "Styles.h"

#include <array>

namespace {

struct Size {
    int w, h, bpp;
};

// Sizes per style, in style order MacOS, WinXP, DeepBlue, Protein, BlueGlass.
// They are fixed by the controls and theme files that read these pictures.
struct Part {
    const char* name;
    int frames;
    std::array<Size, 5> size;
    const char* layout;
};

const Part Parts[] = {
    {"BUTTON",
     3,
     {{{252, 23, 8}, {54, 21, 8}, {222, 21, 4}, {222, 21, 8}, {231, 27, 8}}},
     "normal (also disabled), mouse over, pressed"},
    {"CHECKBOX",
     4,
     {{{60, 17, 8}, {52, 13, 8}, {52, 13, 4}, {52, 13, 4}, {52, 13, 4}}},
     "checked, unchecked, checked disabled, unchecked disabled"},
    {"RADIOBUTTON",
     4,
     {{{64, 17, 8}, {52, 13, 8}, {52, 13, 4}, {52, 13, 4}, {52, 13, 4}}},
     "checked, unchecked, checked disabled, unchecked disabled"},
    {"TITLEBTN",
     18,
     {{{306, 17, 24}, {378, 21, 24}, {342, 19, 4}, {342, 19, 4}, {342, 19, 4}}},
     "control box, help, maximise, restore, minimise, close; each normal, mouse on, mouse down"},
    {"TITLE_LEFT",
     1,
     {{{48, 23, 8}, {35, 29, 8}, {97, 32, 8}, {441, 23, 8}, {162, 33, 8}}},
     "whole; ends in the client rows"},
    {"TITLE_CLIENT",
     1,
     {{{49, 23, 8}, {37, 29, 8}, {98, 32, 4}, {1, 23, 4}, {179, 33, 8}}},
     "whole; all columns alike (stretched)"},
    {"TITLE_RIGHT",
     1,
     {{{48, 23, 8}, {35, 29, 8}, {97, 32, 8}, {1, 23, 8}, {101, 33, 8}}},
     "whole; starts with the client rows"},
    {"PROGRESSBAR",
     1,
     {{{13, 10, 8}, {6, 10, 8}, {1, 10, 8}, {1, 10, 8}, {1, 10, 8}}},
     "whole; all columns alike (stretched)"},
    {"TRACKBAR_BAR", 1, {{{45, 5, 24}, {45, 8, 24}, {45, 4, 24}, {45, 4, 24}, {45, 4, 24}}}, "whole: the groove"},
    {"TRACKBAR_SLIDER",
     1,
     {{{11, 20, 24}, {11, 21, 24}, {11, 20, 24}, {11, 20, 24}, {11, 20, 24}}},
     "whole: thumb pointing down"},
    {"TRACKBAR_SLIDER_V",
     1,
     {{{19, 11, 8}, {22, 11, 8}, {18, 11, 8}, {18, 11, 8}, {18, 11, 8}}},
     "whole: thumb pointing right"},
    {"SCROLLBAR_BUTTON",
     6,
     {{{96, 22, 8}, {96, 17, 8}, {96, 16, 4}, {96, 16, 8}, {102, 16, 4}}},
     "arrow up normal, hot, pressed; arrow down normal, hot, pressed"},
    {"SCROLLBAR_TRACK",
     3,
     {{{33, 16, 8}, {21, 16, 8}, {21, 16, 4}, {21, 16, 4}, {21, 16, 8}}},
     "thumb start, middle, end"},
    {"CHECKLIST",
     4,
     {{{40, 11, 8}, {44, 11, 4}, {44, 11, 4}, {44, 11, 4}, {44, 11, 4}}},
     "checked, unchecked, checked disabled, unchecked disabled"},
    {"SCROLLBUTTON",
     4,
     {{{72, 18, 8}, {72, 18, 8}, {72, 17, 4}, {72, 17, 4}, {72, 17, 4}}},
     "left normal, left pressed, right normal, right pressed"},
    {"TAB", 2, {{{36, 27, 8}, {18, 18, 8}, {12, 17, 4}, {18, 17, 4}, {18, 17, 4}}}, "selected tab, tab behind"},
    {"TAB_LINE", 1, {{{17, 7, 8}, {8, 1, 4}, {5, 5, 4}, {10, 5, 4}, {10, 5, 4}}}, "whole"},
    {"SIDECHENNEL_HANDLE", 1, {{{7, 84, 8}, {8, 86, 8}, {8, 83, 4}, {8, 83, 4}, {8, 86, 8}}}, "whole: grip"},
    {"SIDECHENNEL_BAR", 1, {{{1, 21, 8}, {1, 21, 8}, {1, 20, 4}, {1, 21, 4}, {1, 21, 4}}}, "whole; all columns alike"},
};

// Where each style's title buttons sit (rows from the bar's top).
constexpr std::array<int, 5> TitleButtonTop{4, 5, 2, 2, 6};

const std::array<const StyleArt*, 5>& styles()
{
    static const std::array<const StyleArt*, 5> all{&MacOSStyle(), &WinXPStyle(), &DeepBlueStyle(), &ProteinStyle(),
                                                    &BlueGlassStyle()};
    return all;
}

// Draws frame k of part for a style at the frame size fw × fh.
QImage drawFrame(const QString& part, int styleIndex, int k, int fw, int fh)
{
    const StyleArt& s = *styles()[size_t(styleIndex)];
    const Palette c = s.Colours();
    const int titleHeight = Parts[4].size[size_t(styleIndex)].h;
    if (part == "BUTTON")
        return s.Button(State(k), fw, fh);
    if (part == "CHECKBOX")
        return s.CheckBox(k % 2 == 0, k < 2, fw, fh);
    if (part == "CHECKLIST")
        return s.CheckBox(k % 2 == 0, k < 2, fw, fh);
    if (part == "RADIOBUTTON")
        return generic::Radio(c, k % 2 == 0, k < 2, fw, fh);
    if (part == "TITLEBTN")
        return s.TitleButton(TitleGlyph(k / 3), State(k % 3), fw, TitleButtonTop[size_t(styleIndex)], titleHeight);
    if (part == "TITLE_LEFT")
        return s.TitleLeft(fw, fh);
    if (part == "TITLE_CLIENT")
        return s.TitleClient(fw, fh);
    if (part == "TITLE_RIGHT")
        return s.TitleRight(fw, fh);
    if (part == "PROGRESSBAR")
        return s.Progress(fw, fh);
    if (part == "TRACKBAR_BAR")
        return generic::TrackGroove(c, fw, fh);
    if (part == "TRACKBAR_SLIDER")
        return generic::TrackThumb(c, fw, fh, false);
    if (part == "TRACKBAR_SLIDER_V")
        return generic::TrackThumb(c, fw, fh, true);
    if (part == "SCROLLBAR_BUTTON")
        return generic::ScrollArrow(c, k, fw, fh);
    if (part == "SCROLLBAR_TRACK")
        return generic::ScrollThumb(c, k, fw, fh);
    if (part == "SCROLLBUTTON")
        return generic::ScrollButton(c, k, fw, fh);
    if (part == "TAB")
        return generic::Tab(c, k, fw, fh);
    if (part == "TAB_LINE")
        return generic::TabLine(c, fw, fh);
    if (part == "SIDECHENNEL_HANDLE")
        return generic::SideHandle(c, fw, fh);
    return generic::SideBar(c, fw, fh);
}

// Colours of the bar's client rows, which the left and right images must
// keep exactly where they meet the client image.
QList<QRgb> titleRows(int styleIndex)
{
    const int h = Parts[4].size[size_t(styleIndex)].h;
    QList<QRgb> rows;
    for (int y = 0; y < h; ++y)
        rows.append(styles()[size_t(styleIndex)]->TitleRow(y, h).rgb());
    return rows;
}

Resource single(const QString& name, int w, int h, int bpp, const char* layout, std::function<QImage(int, int)> draw)
{
    return {name, QStringLiteral("SHARED"), w, h, bpp, 1, QString::fromUtf8(layout), {}, [=] { return draw(w, h); }};
}

Resource strip(const QString& name, int w, int h, int bpp, int frames, const char* layout,
               std::function<QImage(int, int, int)> draw)
{
    const int fw = w / frames;
    return {name, QStringLiteral("SHARED"), w, h, bpp, frames, QString::fromUtf8(layout), {}, [=] {
                return art::Strip(fw, h, frames, [&](int k) { return draw(k, fw, h); });
            }};
}

} // namespace

std::vector<Resource> Catalogue()
{
    std::vector<Resource> out;
    for (int si = 0; si < 5; ++si) {
        const QString prefix = styles()[size_t(si)]->Prefix();
        for (const Part& part : Parts) {
            const QString partName = QString::fromLatin1(part.name);
            // DeepBlue, Protein and BlueGlass share one scroll button strip.
            if (partName == "SCROLLBUTTON" && si >= 2)
                continue;
            const Size size = part.size[size_t(si)];
            const int fw = size.w / part.frames;
            Resource r{prefix + '_' + partName,        prefix, size.w, size.h, size.bpp, part.frames,
                       QString::fromUtf8(part.layout), {},     {}};
            if (partName == "TITLE_LEFT" || partName == "TITLE_RIGHT")
                r.keep = titleRows(si);
            if (partName == "BUTTON")
                r.layout += si == 0 || si == 4 ? "; magenta corners" : "; opaque corners";
            if (partName == "TITLEBTN")
                r.layout += si >= 3 ? "; magenta corners, keyed by the bottom-left pixel" : "; opaque";
            r.draw = [=] {
                return art::Strip(fw, size.h, part.frames,
                                  [&](int k) { return drawFrame(partName, si, k, fw, size.h); });
            };
            out.push_back(std::move(r));
        }
    }
    out.push_back(
        strip(QStringLiteral("MORE_SCROLLBUTTON"), 72, 17, 4, 4,
              "left normal, left pressed, right normal, right pressed; DeepBlue, Protein and BlueGlass",
              [](int k, int fw, int h) { return generic::ScrollButton(DeepBlueStyle().Colours(), k, fw, h); }));
    out.push_back(single(QStringLiteral("MACOS_MENU_BAR"), 1, 22, 4, "whole; the menus use its top 12 or 20 rows",
                         shared::MacMenuBar));
    out.push_back(single(QStringLiteral("MACOS_MENU_SELECT"), 1, 21, 8, "whole; the menus use its top 20 rows",
                         shared::MacMenuSelect));
    out.push_back(single(QStringLiteral("MENU_CHECKED"), 16, 16, 4, "whole; white is its see-through colour",
                         shared::MenuChecked));
    out.push_back(single(QStringLiteral("MACOS_FORM_BACKGROUND"), 8, 8, 4, "whole; tiled", shared::MacFormBackground));
    out.push_back(
        single(QStringLiteral("PROTEIN_FORM_BACKGROUND"), 8, 8, 4, "whole; tiled", shared::ProteinFormBackground));
    out.push_back(single(QStringLiteral("MACOS_COMBOBOX_BUTTON"), 16, 17, 8, "whole; stretched, arrow drawn over it",
                         shared::MacComboButton));
    out.push_back(single(QStringLiteral("WINXP_COMBOBOX_BUTTON"), 16, 18, 8, "whole; stretched, carries its arrow",
                         shared::XPComboButton));
    out.push_back(strip(QStringLiteral("DBNAV_BUTTON"), 160, 16, 8, 10,
                        "first, prior, next, last, insert, delete, edit, post, cancel, refresh; magenta background",
                        shared::NavigatorGlyph));
    const std::pair<const char*, shared::LookupGlyph> lookups[] = {
        {"TAHMFileLookupA", shared::LookupGlyph::File},
        {"AHMFolderLookup", shared::LookupGlyph::Folder},
        {"AHMLOOKUPEDITB1", shared::LookupGlyph::Ellipsis},
        {"AHMLOOKUPEDITB2", shared::LookupGlyph::DropDown},
    };
    for (const auto& [name, glyph] : lookups) {
        const shared::LookupGlyph g = glyph;
        out.push_back(strip(QString::fromLatin1(name), 26, 13, 8, 2, "normal, disabled; magenta background",
                            [g](int k, int fw, int h) { return shared::LookupFrame(g, k, fw, h); }));
    }
    out.push_back(single(QStringLiteral("QUARLEX_IMAGE1"), 25, 33, 8, "whole; magenta background", shared::MakerLink));
    out.push_back(
        single(QStringLiteral("QUARLEX_IMAGE2"), 33, 33, 8, "whole; magenta background", shared::ProductLink));
    out.push_back(single(QStringLiteral("MAINICON"), 16, 16, 32, "whole; alpha channel",
                         [](int w, int) { return shared::ProgramIcon(w); }));
    return out;
}
