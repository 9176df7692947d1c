#include "skin/theme/ThemeElement.h"

#include <array>

namespace {

using K = ThemeValueKind;

// Indexed by element number - 1.
constexpr std::array<ThemeValueKind, ThemeElementCount> kKinds = {
    K::Image, K::Bool,  K::Image, K::Image, K::Image, K::Bool,  K::Int,   K::Int,   K::Int,   K::Image, // 1-10
    K::Image, K::Image, K::Int,   K::Int,   K::Color, K::Color, K::Int,   K::Color, K::Color, K::Color, // 11-20
    K::Color, K::Color, K::Color, K::Image, K::Color, K::Color, K::Color, K::Image, K::Image,           // 21-29
    K::Image, K::Color, K::Image, K::Image, K::Image, K::Color, K::Color, K::Color, K::Image,           // 30-38
    K::Image, K::Image, K::Image, K::Image,                                                             // 39-42
};

constexpr std::array<const char*, ThemeElementCount> kNames = {
    "ButtonImage",
    "ButtonTransparentBool",
    "CheckBoxImage",
    "RadioButtonImage",
    "TitleBarButtonImage",
    "TitleBarButtonTransparentBool",
    "TitleBarButtonLeftOffsetInt",
    "TitleBarButtonRightOffsetInt",
    "TitleBarButtonTopInt",
    "TitleBarLeftImage",
    "TitleBarClientImage",
    "TitleBarRightImage",
    "FormMinWidthInt",
    "FormRoundCornerInt",
    "FormBackgroundColor",
    "FormBorderColor",
    "FormBorderWidthInt",
    "MenuSelectedBorderColor",
    "MenuSelectedBackgroundColor",
    "MenuSelectedFontColor",
    "MenuBackgroundColor",
    "MenuFontColor",
    "MenuBarColor",
    "ProgressBarImage",
    "ControlBorderColor",
    "ControlBackgroundColor",
    "ControlFontColor",
    "TrackBarBarImage",
    "TrackBarSliderImage",
    "TrackBarSliderVImage",
    "ScrollBarBackgroundColor",
    "ScrollBarButtonImage",
    "ScrollBarSliderImage",
    "CheckListBoxImage",
    "ToolBarButtonBorderColor",
    "ToolBarButtonBackgroundColor",
    "ToolBarButtonDownBackgroundColor",
    "ScrollButtonImage",
    "TabControlTabImage",
    "TabControlBarImage",
    "SideChannelHandleImage",
    "SideChannelBarImage",
};

} // namespace

ThemeValueKind GetThemeElementKind(ThemeElement element)
{
    return kKinds.at(static_cast<int>(element) - 1);
}

const char* GetThemeElementName(ThemeElement element)
{
    return kNames.at(static_cast<int>(element) - 1);
}

int FindThemeElement(const QString& name)
{
    for (int i = 0; i < ThemeElementCount; ++i)
        if (name.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}
