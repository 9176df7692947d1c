#include "skin/theme/BuiltinStyles.h"

namespace {

// Colours are 0xBBGGRR. Resource names are kept as the bitmaps are stored,
// including the "SCROLLBAR_TRACK" slider, the shared "MORE_SCROLLBUTTON"
// and the "SIDECHENNEL" spelling.
constexpr BuiltinStyle kMacOS = {
    .look =
        {
            .buttonTransparent = true,
            .titleBarButtonTransparent = false,
            .titleBarButtonLeftOffset = 3,
            .titleBarButtonRightOffset = -2,
            .titleBarButtonTop = 4,
            .formMinWidth = 130,
            .formRoundCorner = 0,
            .formBackground = 0xE7E7E7,
            .formBorder = 0x7F7F7F,
            .formBorderWidth = 1,
            .menuSelectedBorder = 0xC47339,
            .menuSelectedBackground = 0xC47339,
            .menuSelectedFont = 0xFFFFFF,
            .menuBackground = 0x000000,
            .menuFont = 0x000000,
            .menuBar = 0x000000,
            .controlBorder = 0x7F7F7F,
            .controlBackground = 0xE7E7E7,
            .controlFont = 0x000000,
            .scrollBarBackground = 0xC9C9C9,
            .toolBarButtonBorder = 0x474747,
            .toolBarButtonBackground = 0xEFEFEF,
            .toolBarButtonDownBackground = 0xD8D8D8,
        },
    .images =
        {
            .button = "MACOS_BUTTON",
            .checkBox = "MACOS_CHECKBOX",
            .radioButton = "MACOS_RADIOBUTTON",
            .titleBarButton = "MACOS_TITLEBTN",
            .titleBarLeft = "MACOS_TITLE_LEFT",
            .titleBarClient = "MACOS_TITLE_CLIENT",
            .titleBarRight = "MACOS_TITLE_RIGHT",
            .progressBar = "MACOS_PROGRESSBAR",
            .trackBarBar = "MACOS_TRACKBAR_BAR",
            .trackBarSlider = "MACOS_TRACKBAR_SLIDER",
            .trackBarSliderV = "MACOS_TRACKBAR_SLIDER_V",
            .scrollBarButton = "MACOS_SCROLLBAR_BUTTON",
            .scrollBarSlider = "MACOS_SCROLLBAR_TRACK",
            .checkListBox = "MACOS_CHECKLIST",
            .scrollButton = "MACOS_SCROLLBUTTON",
            .tabControlTab = "MACOS_TAB",
            .tabControlBar = "MACOS_TAB_LINE",
            .sideChannelHandle = "MACOS_SIDECHENNEL_HANDLE",
            .sideChannelBar = "MACOS_SIDECHENNEL_BAR",
        },
};

constexpr BuiltinStyle kWinXP = {
    .look =
        {
            .buttonTransparent = false,
            .titleBarButtonTransparent = false,
            .titleBarButtonLeftOffset = 2,
            .titleBarButtonRightOffset = -2,
            .titleBarButtonTop = 5,
            .formMinWidth = 150,
            .formRoundCorner = 13,
            .formBackground = 0xDEEBEF,
            .formBorder = 0xC82C00,
            .formBorderWidth = 3,
            .menuSelectedBorder = 0xC66931,
            .menuSelectedBackground = 0xEFD3C6,
            .menuSelectedFont = 0x000000,
            .menuBackground = 0xFFFFFF,
            .menuFont = 0x000000,
            .menuBar = 0xCED3D6,
            .controlBorder = 0x686868,
            .controlBackground = 0xDEEBEF,
            .controlFont = 0xCF4602,
            .scrollBarBackground = 0xF9F9F9,
            .toolBarButtonBorder = 0xC66931,
            .toolBarButtonBackground = 0xEFD3C6,
            .toolBarButtonDownBackground = 0xE1AC93,
        },
    .images =
        {
            .button = "WINXP_BUTTON",
            .checkBox = "WINXP_CHECKBOX",
            .radioButton = "WINXP_RADIOBUTTON",
            .titleBarButton = "WINXP_TITLEBTN",
            .titleBarLeft = "WINXP_TITLE_LEFT",
            .titleBarClient = "WINXP_TITLE_CLIENT",
            .titleBarRight = "WINXP_TITLE_RIGHT",
            .progressBar = "WINXP_PROGRESSBAR",
            .trackBarBar = "WINXP_TRACKBAR_BAR",
            .trackBarSlider = "WINXP_TRACKBAR_SLIDER",
            .trackBarSliderV = "WINXP_TRACKBAR_SLIDER_V",
            .scrollBarButton = "WINXP_SCROLLBAR_BUTTON",
            .scrollBarSlider = "WINXP_SCROLLBAR_TRACK",
            .checkListBox = "WINXP_CHECKLIST",
            .scrollButton = "WINXP_SCROLLBUTTON",
            .tabControlTab = "WINXP_TAB",
            .tabControlBar = "WINXP_TAB_LINE",
            .sideChannelHandle = "WINXP_SIDECHENNEL_HANDLE",
            .sideChannelBar = "WINXP_SIDECHENNEL_BAR",
        },
};

constexpr BuiltinStyle kDeepBlue = {
    .look =
        {
            .buttonTransparent = false,
            .titleBarButtonTransparent = false,
            .titleBarButtonLeftOffset = 0,
            .titleBarButtonRightOffset = 0,
            .titleBarButtonTop = 2,
            .formMinWidth = 130,
            .formRoundCorner = 0,
            .formBackground = 0xE8E8E8,
            .formBorder = 0x000000,
            .formBorderWidth = 1,
            .menuSelectedBorder = 0xA04A44,
            .menuSelectedBackground = 0xA04A44,
            .menuSelectedFont = 0xFFFFFF,
            .menuBackground = 0xFFFFFF,
            .menuFont = 0x000000,
            .menuBar = 0xCED3D6,
            .controlBorder = 0x000000,
            .controlBackground = 0xE8E8E8,
            .controlFont = 0x000000,
            .scrollBarBackground = 0xF5F5F5,
            .toolBarButtonBorder = 0x474747,
            .toolBarButtonBackground = 0xEFEFEF,
            .toolBarButtonDownBackground = 0xD8D8D8,
        },
    .images =
        {
            .button = "DEEPBLUE_BUTTON",
            .checkBox = "DEEPBLUE_CHECKBOX",
            .radioButton = "DEEPBLUE_RADIOBUTTON",
            .titleBarButton = "DEEPBLUE_TITLEBTN",
            .titleBarLeft = "DEEPBLUE_TITLE_LEFT",
            .titleBarClient = "DEEPBLUE_TITLE_CLIENT",
            .titleBarRight = "DEEPBLUE_TITLE_RIGHT",
            .progressBar = "DEEPBLUE_PROGRESSBAR",
            .trackBarBar = "DEEPBLUE_TRACKBAR_BAR",
            .trackBarSlider = "DEEPBLUE_TRACKBAR_SLIDER",
            .trackBarSliderV = "DEEPBLUE_TRACKBAR_SLIDER_V",
            .scrollBarButton = "DEEPBLUE_SCROLLBAR_BUTTON",
            .scrollBarSlider = "DEEPBLUE_SCROLLBAR_TRACK",
            .checkListBox = "DEEPBLUE_CHECKLIST",
            .scrollButton = "MORE_SCROLLBUTTON",
            .tabControlTab = "DEEPBLUE_TAB",
            .tabControlBar = "DEEPBLUE_TAB_LINE",
            .sideChannelHandle = "DEEPBLUE_SIDECHENNEL_HANDLE",
            .sideChannelBar = "DEEPBLUE_SIDECHENNEL_BAR",
        },
};

constexpr BuiltinStyle kProtein = {
    .look =
        {
            .buttonTransparent = false,
            .titleBarButtonTransparent = true,
            .titleBarButtonLeftOffset = 0,
            .titleBarButtonRightOffset = 0,
            .titleBarButtonTop = 2,
            .formMinWidth = 130,
            .formRoundCorner = 0,
            .formBackground = 0xFBFBFB,
            .formBorder = 0x000000,
            .formBorderWidth = 1,
            .menuSelectedBorder = 0xC4302D,
            .menuSelectedBackground = 0xC4302D,
            .menuSelectedFont = 0xFFFFFF,
            .menuBackground = 0xFFFFFF,
            .menuFont = 0x000000,
            .menuBar = 0xCED3D6,
            .controlBorder = 0x000000,
            .controlBackground = 0xFBFBFB,
            .controlFont = 0x000000,
            .scrollBarBackground = 0xF5F5F5,
            .toolBarButtonBorder = 0x474747,
            .toolBarButtonBackground = 0xEFEFEF,
            .toolBarButtonDownBackground = 0xD8D8D8,
        },
    .images =
        {
            .button = "PROTEIN_BUTTON",
            .checkBox = "PROTEIN_CHECKBOX",
            .radioButton = "PROTEIN_RADIOBUTTON",
            .titleBarButton = "PROTEIN_TITLEBTN",
            .titleBarLeft = "PROTEIN_TITLE_LEFT",
            .titleBarClient = "PROTEIN_TITLE_CLIENT",
            .titleBarRight = "PROTEIN_TITLE_RIGHT",
            .progressBar = "PROTEIN_PROGRESSBAR",
            .trackBarBar = "PROTEIN_TRACKBAR_BAR",
            .trackBarSlider = "PROTEIN_TRACKBAR_SLIDER",
            .trackBarSliderV = "PROTEIN_TRACKBAR_SLIDER_V",
            .scrollBarButton = "PROTEIN_SCROLLBAR_BUTTON",
            .scrollBarSlider = "PROTEIN_SCROLLBAR_TRACK",
            .checkListBox = "PROTEIN_CHECKLIST",
            .scrollButton = "MORE_SCROLLBUTTON",
            .tabControlTab = "PROTEIN_TAB",
            .tabControlBar = "PROTEIN_TAB_LINE",
            .sideChannelHandle = "PROTEIN_SIDECHENNEL_HANDLE",
            .sideChannelBar = "PROTEIN_SIDECHENNEL_BAR",
        },
};

constexpr BuiltinStyle kBlueGlass = {
    .look =
        {
            .buttonTransparent = true,
            .titleBarButtonTransparent = true,
            .titleBarButtonLeftOffset = 4,
            .titleBarButtonRightOffset = -3,
            .titleBarButtonTop = 6,
            .formMinWidth = 270,
            .formRoundCorner = 11,
            .formBackground = 0xE7E7E7,
            .formBorder = 0x000000,
            .formBorderWidth = 1,
            .menuSelectedBorder = 0xEC5E5E,
            .menuSelectedBackground = 0xEC5E5E,
            .menuSelectedFont = 0xFFFFFF,
            .menuBackground = 0xE7E7E7,
            .menuFont = 0x000000,
            .menuBar = 0xCED3D6,
            .controlBorder = 0x000000,
            .controlBackground = 0xE7E7E7,
            .controlFont = 0x000000,
            .scrollBarBackground = 0xF4F4F4,
            .toolBarButtonBorder = 0x474747,
            .toolBarButtonBackground = 0xEFEFEF,
            .toolBarButtonDownBackground = 0xD8D8D8,
        },
    .images =
        {
            .button = "BLUEGLASS_BUTTON",
            .checkBox = "BLUEGLASS_CHECKBOX",
            .radioButton = "BLUEGLASS_RADIOBUTTON",
            .titleBarButton = "BLUEGLASS_TITLEBTN",
            .titleBarLeft = "BLUEGLASS_TITLE_LEFT",
            .titleBarClient = "BLUEGLASS_TITLE_CLIENT",
            .titleBarRight = "BLUEGLASS_TITLE_RIGHT",
            .progressBar = "BLUEGLASS_PROGRESSBAR",
            .trackBarBar = "BLUEGLASS_TRACKBAR_BAR",
            .trackBarSlider = "BLUEGLASS_TRACKBAR_SLIDER",
            .trackBarSliderV = "BLUEGLASS_TRACKBAR_SLIDER_V",
            .scrollBarButton = "BLUEGLASS_SCROLLBAR_BUTTON",
            .scrollBarSlider = "BLUEGLASS_SCROLLBAR_TRACK",
            .checkListBox = "BLUEGLASS_CHECKLIST",
            .scrollButton = "MORE_SCROLLBUTTON",
            .tabControlTab = "BLUEGLASS_TAB",
            .tabControlBar = "BLUEGLASS_TAB_LINE",
            .sideChannelHandle = "BLUEGLASS_SIDECHENNEL_HANDLE",
            .sideChannelBar = "BLUEGLASS_SIDECHENNEL_BAR",
        },
};

// In style order MacOS (1) .. BlueGlass (5).
constexpr const BuiltinStyle* kStyles[] = {&kMacOS, &kWinXP, &kDeepBlue, &kProtein, &kBlueGlass};

struct ImageField {
    ThemeElement element;
    const char* BuiltinImages::*field;
};

using E = ThemeElement;
constexpr ImageField kImages[] = {
    {E::ButtonImage, &BuiltinImages::button},
    {E::CheckBoxImage, &BuiltinImages::checkBox},
    {E::RadioButtonImage, &BuiltinImages::radioButton},
    {E::TitleBarButtonImage, &BuiltinImages::titleBarButton},
    {E::TitleBarLeftImage, &BuiltinImages::titleBarLeft},
    {E::TitleBarClientImage, &BuiltinImages::titleBarClient},
    {E::TitleBarRightImage, &BuiltinImages::titleBarRight},
    {E::ProgressBarImage, &BuiltinImages::progressBar},
    {E::TrackBarBarImage, &BuiltinImages::trackBarBar},
    {E::TrackBarSliderImage, &BuiltinImages::trackBarSlider},
    {E::TrackBarSliderVImage, &BuiltinImages::trackBarSliderV},
    {E::ScrollBarButtonImage, &BuiltinImages::scrollBarButton},
    {E::ScrollBarSliderImage, &BuiltinImages::scrollBarSlider},
    {E::CheckListBoxImage, &BuiltinImages::checkListBox},
    {E::ScrollButtonImage, &BuiltinImages::scrollButton},
    {E::TabControlTabImage, &BuiltinImages::tabControlTab},
    {E::TabControlBarImage, &BuiltinImages::tabControlBar},
    {E::SideChannelHandleImage, &BuiltinImages::sideChannelHandle},
    {E::SideChannelBarImage, &BuiltinImages::sideChannelBar},
};

} // namespace

const BuiltinStyle* FindBuiltinStyle(TsuiUIStyle style)
{
    const int s = static_cast<quint8>(style) & 0x7F;
    return s >= 1 && s <= 5 ? kStyles[s - 1] : nullptr;
}

const char* BuiltinImageName(const BuiltinImages& images, ThemeElement element)
{
    for (const ImageField& i : kImages)
        if (i.element == element)
            return images.*i.field;
    return nullptr;
}
