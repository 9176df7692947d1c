#include "skin/theme/Look.h"

#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/TsuiFileTheme.h"

namespace {

// Which element each field of the record answers. The numbers of a theme
// file and of the built-in cells reach the record through this list only.
struct NumberField {
    ThemeElement element;
    int LookValues::*field;
};
struct FlagField {
    ThemeElement element;
    bool LookValues::*field;
};

using E = ThemeElement;
constexpr FlagField kFlags[] = {
    {E::ButtonTransparentBool, &LookValues::buttonTransparent},
    {E::TitleBarButtonTransparentBool, &LookValues::titleBarButtonTransparent},
};
constexpr NumberField kNumbers[] = {
    {E::TitleBarButtonLeftOffsetInt, &LookValues::titleBarButtonLeftOffset},
    {E::TitleBarButtonRightOffsetInt, &LookValues::titleBarButtonRightOffset},
    {E::TitleBarButtonTopInt, &LookValues::titleBarButtonTop},
    {E::FormMinWidthInt, &LookValues::formMinWidth},
    {E::FormRoundCornerInt, &LookValues::formRoundCorner},
    {E::FormBackgroundColor, &LookValues::formBackground},
    {E::FormBorderColor, &LookValues::formBorder},
    {E::FormBorderWidthInt, &LookValues::formBorderWidth},
    {E::MenuSelectedBorderColor, &LookValues::menuSelectedBorder},
    {E::MenuSelectedBackgroundColor, &LookValues::menuSelectedBackground},
    {E::MenuSelectedFontColor, &LookValues::menuSelectedFont},
    {E::MenuBackgroundColor, &LookValues::menuBackground},
    {E::MenuFontColor, &LookValues::menuFont},
    {E::MenuBarColor, &LookValues::menuBar},
    {E::ControlBorderColor, &LookValues::controlBorder},
    {E::ControlBackgroundColor, &LookValues::controlBackground},
    {E::ControlFontColor, &LookValues::controlFont},
    {E::ScrollBarBackgroundColor, &LookValues::scrollBarBackground},
    {E::ToolBarButtonBorderColor, &LookValues::toolBarButtonBorder},
    {E::ToolBarButtonBackgroundColor, &LookValues::toolBarButtonBackground},
    {E::ToolBarButtonDownBackgroundColor, &LookValues::toolBarButtonDownBackground},
};

} // namespace

bool LookNumber(const LookValues& values, ThemeElement element, qint32& number)
{
    for (const FlagField& f : kFlags)
        if (f.element == element) {
            number = values.*f.field ? 1 : 0;
            return true;
        }
    for (const NumberField& n : kNumbers)
        if (n.element == element) {
            number = values.*n.field;
            return true;
        }
    return false;
}

void Look::bitmap(ThemeElement element, QImage& bitmap) const
{
    if (file)
        file->GetBitmap(element, bitmap);
    else
        GetBuiltinThemeBitmap(style, element, bitmap, 0, 0);
}

void Look::bitmapFrame(ThemeElement element, QImage& bitmap, int count, int index) const
{
    if (file)
        file->GetBitmapFrame(element, bitmap, count, index);
    else
        GetBuiltinThemeBitmap(style, element, bitmap, count, index);
}

Look ResolveLook(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
{
    Look look;
    if (ResolveUIStyle(fileTheme, style, look.style)) {
        look.style = TsuiUIStyle::FromThemeFile;
        look.file = fileTheme;
        // Colours and integers are both integer records in a theme file.
        for (const FlagField& f : kFlags)
            look.*f.field = fileTheme->GetBool(f.element);
        for (const NumberField& n : kNumbers)
            look.*n.field = fileTheme->GetInt(n.element);
        return look;
    }
    static_cast<LookValues&>(look) = BuiltinLookValues(look.style);
    return look;
}
