#pragma once

#include <QString>

// The themable values, numbered 1 to 42. The numbering is shared by the
// built-in tables and by theme files, whose keys are the element names.
enum class ThemeElement : int {
    ButtonImage = 1,
    ButtonTransparentBool,
    CheckBoxImage,
    RadioButtonImage,
    TitleBarButtonImage,
    TitleBarButtonTransparentBool,
    TitleBarButtonLeftOffsetInt,
    TitleBarButtonRightOffsetInt,
    TitleBarButtonTopInt,
    TitleBarLeftImage,
    TitleBarClientImage,
    TitleBarRightImage,
    FormMinWidthInt,
    FormRoundCornerInt,
    FormBackgroundColor,
    FormBorderColor,
    FormBorderWidthInt,
    MenuSelectedBorderColor,
    MenuSelectedBackgroundColor,
    MenuSelectedFontColor,
    MenuBackgroundColor,
    MenuFontColor,
    MenuBarColor,
    ProgressBarImage,
    ControlBorderColor,
    ControlBackgroundColor,
    ControlFontColor,
    TrackBarBarImage,
    TrackBarSliderImage,
    TrackBarSliderVImage,
    ScrollBarBackgroundColor,
    ScrollBarButtonImage,
    ScrollBarSliderImage,
    CheckListBoxImage,
    ToolBarButtonBorderColor,
    ToolBarButtonBackgroundColor,
    ToolBarButtonDownBackgroundColor,
    ScrollButtonImage,
    TabControlTabImage,
    TabControlBarImage,
    SideChannelHandleImage,
    SideChannelBarImage,
};

constexpr int ThemeElementCount = 42;

// The kind of value an element holds; the numbers are those of the kind table.
enum class ThemeValueKind : quint8 { Int = 0, Color = 1, Image = 2, Bool = 3 };

ThemeValueKind GetThemeElementKind(ThemeElement element);

// The element's name, which is also its key in a theme file.
const char* GetThemeElementName(ThemeElement element);

// The element with that name (letter case ignored, as theme-file keys are
// compared), or 0 when there is none.
int FindThemeElement(const QString& name);

inline ThemeElement ThemeElementAt(int number)
{
    return static_cast<ThemeElement>(number);
}
