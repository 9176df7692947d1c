#include "skin/theme/BuiltinTheme.h"

#include "runtime/BitmapResource.h"
#include "skin/theme/SkinBitmaps.h"

#include <QMetaObject>
#include <QVariant>
#include <QWidget>

#include <array>

namespace {

using Table = std::array<BuiltinThemeCell, ThemeElementCount>;

// Colours are 0xBBGGRR. Resource names are kept as the bitmaps are stored,
// including the "SCROLLBAR_TRACK" slider, the shared "MORE_SCROLLBUTTON"
// and the "SIDECHENNEL" spelling.
constexpr Table kMacOS = {
    "MACOS_BUTTON", 1, "MACOS_CHECKBOX", "MACOS_RADIOBUTTON", "MACOS_TITLEBTN", 0, 3, -2, 4,
    "MACOS_TITLE_LEFT", "MACOS_TITLE_CLIENT", "MACOS_TITLE_RIGHT", 130, 0, 0xE7E7E7, 0x7F7F7F, 1,
    0xC47339, 0xC47339, 0xFFFFFF, 0x000000, 0x000000, 0x000000, "MACOS_PROGRESSBAR", 0x7F7F7F,
    0xE7E7E7, 0x000000, "MACOS_TRACKBAR_BAR", "MACOS_TRACKBAR_SLIDER", "MACOS_TRACKBAR_SLIDER_V",
    0xC9C9C9, "MACOS_SCROLLBAR_BUTTON", "MACOS_SCROLLBAR_TRACK", "MACOS_CHECKLIST", 0x474747,
    0xEFEFEF, 0xD8D8D8, "MACOS_SCROLLBUTTON", "MACOS_TAB", "MACOS_TAB_LINE",
    "MACOS_SIDECHENNEL_HANDLE", "MACOS_SIDECHENNEL_BAR",
};

constexpr Table kWinXP = {
    "WINXP_BUTTON", 0, "WINXP_CHECKBOX", "WINXP_RADIOBUTTON", "WINXP_TITLEBTN", 0, 2, -2, 5,
    "WINXP_TITLE_LEFT", "WINXP_TITLE_CLIENT", "WINXP_TITLE_RIGHT", 150, 13, 0xDEEBEF, 0xC82C00, 3,
    0xC66931, 0xEFD3C6, 0x000000, 0xFFFFFF, 0x000000, 0xCED3D6, "WINXP_PROGRESSBAR", 0x686868,
    0xDEEBEF, 0xCF4602, "WINXP_TRACKBAR_BAR", "WINXP_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER_V",
    0xF9F9F9, "WINXP_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_TRACK", "WINXP_CHECKLIST", 0xC66931,
    0xEFD3C6, 0xE1AC93, "WINXP_SCROLLBUTTON", "WINXP_TAB", "WINXP_TAB_LINE",
    "WINXP_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_BAR",
};

constexpr Table kDeepBlue = {
    "DEEPBLUE_BUTTON", 0, "DEEPBLUE_CHECKBOX", "DEEPBLUE_RADIOBUTTON", "DEEPBLUE_TITLEBTN", 0, 0, 0, 2,
    "DEEPBLUE_TITLE_LEFT", "DEEPBLUE_TITLE_CLIENT", "DEEPBLUE_TITLE_RIGHT", 130, 0, 0xE8E8E8, 0x000000, 1,
    0xA04A44, 0xA04A44, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xCED3D6, "DEEPBLUE_PROGRESSBAR", 0x000000,
    0xE8E8E8, 0x000000, "DEEPBLUE_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER_V",
    0xF5F5F5, "DEEPBLUE_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_TRACK", "DEEPBLUE_CHECKLIST", 0x474747,
    0xEFEFEF, 0xD8D8D8, "MORE_SCROLLBUTTON", "DEEPBLUE_TAB", "DEEPBLUE_TAB_LINE",
    "DEEPBLUE_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_BAR",
};

constexpr Table kProtein = {
    "PROTEIN_BUTTON", 0, "PROTEIN_CHECKBOX", "PROTEIN_RADIOBUTTON", "PROTEIN_TITLEBTN", 1, 0, 0, 2,
    "PROTEIN_TITLE_LEFT", "PROTEIN_TITLE_CLIENT", "PROTEIN_TITLE_RIGHT", 130, 0, 0xFBFBFB, 0x000000, 1,
    0xC4302D, 0xC4302D, 0xFFFFFF, 0xFFFFFF, 0x000000, 0xCED3D6, "PROTEIN_PROGRESSBAR", 0x000000,
    0xFBFBFB, 0x000000, "PROTEIN_TRACKBAR_BAR", "PROTEIN_TRACKBAR_SLIDER", "PROTEIN_TRACKBAR_SLIDER_V",
    0xF5F5F5, "PROTEIN_SCROLLBAR_BUTTON", "PROTEIN_SCROLLBAR_TRACK", "PROTEIN_CHECKLIST", 0x474747,
    0xEFEFEF, 0xD8D8D8, "MORE_SCROLLBUTTON", "PROTEIN_TAB", "PROTEIN_TAB_LINE",
    "PROTEIN_SIDECHENNEL_HANDLE", "PROTEIN_SIDECHENNEL_BAR",
};

constexpr Table kBlueGlass = {
    "BLUEGLASS_BUTTON", 1, "BLUEGLASS_CHECKBOX", "BLUEGLASS_RADIOBUTTON", "BLUEGLASS_TITLEBTN", 1, 4, -3, 6,
    "BLUEGLASS_TITLE_LEFT", "BLUEGLASS_TITLE_CLIENT", "BLUEGLASS_TITLE_RIGHT", 270, 11, 0xE7E7E7, 0x000000, 1,
    0xEC5E5E, 0xEC5E5E, 0xFFFFFF, 0xE7E7E7, 0x000000, 0xCED3D6, "BLUEGLASS_PROGRESSBAR", 0x000000,
    0xE7E7E7, 0x000000, "BLUEGLASS_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER_V",
    0xF4F4F4, "BLUEGLASS_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_TRACK", "BLUEGLASS_CHECKLIST", 0x474747,
    0xEFEFEF, 0xD8D8D8, "MORE_SCROLLBUTTON", "BLUEGLASS_TAB", "BLUEGLASS_TAB_LINE",
    "BLUEGLASS_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_BAR",
};

// In style order MacOS (1) .. BlueGlass (5).
constexpr const Table* kStyles[] = {&kMacOS, &kWinXP, &kDeepBlue, &kProtein, &kBlueGlass};

const BuiltinThemeCell* cellOf(TsuiUIStyle style, ThemeElement element, ThemeValueKind kind)
{
    ThemeValueKind actual;
    LookupBuiltinThemeValue(style, element, actual);
    const int s = static_cast<quint8>(style) & 0x7F;
    if (s < 1 || s > 5 || actual != kind)
        return nullptr;
    return &(*kStyles[s - 1])[static_cast<int>(element) - 1];
}

} // namespace

BuiltinThemeCell LookupBuiltinThemeValue(TsuiUIStyle style, ThemeElement element, ThemeValueKind& kind)
{
    const int s = static_cast<quint8>(style) & 0x7F;
    if (s < 1 || s > 5) {
        kind = ThemeValueKind::Int;
        return BuiltinThemeCell(-1);
    }
    kind = GetThemeElementKind(element);
    return (*kStyles[s - 1])[static_cast<int>(element) - 1];
}

runtime::TColor GetBuiltinThemeColor(TsuiUIStyle style, ThemeElement element)
{
    const auto* cell = cellOf(style, element, ThemeValueKind::Color);
    return cell ? runtime::TColor(cell->number) : 0;
}

int GetBuiltinThemeInt(TsuiUIStyle style, ThemeElement element)
{
    const auto* cell = cellOf(style, element, ThemeValueKind::Int);
    return cell ? cell->number : -1;
}

bool GetBuiltinThemeBool(TsuiUIStyle style, ThemeElement element)
{
    const auto* cell = cellOf(style, element, ThemeValueKind::Bool);
    return cell && cell->number != 0;
}

QString GetBuiltinThemeImageName(TsuiUIStyle style, ThemeElement element)
{
    const auto* cell = cellOf(style, element, ThemeValueKind::Image);
    return cell ? QString::fromLatin1(cell->image) : QString();
}

void LoadBuiltinThemeBitmap(TsuiUIStyle style, ThemeElement element, QImage& bitmap)
{
    const QString name = GetBuiltinThemeImageName(style, element);
    if (!name.isEmpty())
        bitmap = runtime::ToBitmap(runtime::LoadBitmapResource(name));
}

void GetBuiltinThemeBitmap(TsuiUIStyle style, ThemeElement element, QImage& bitmap,
                           int frameCount, int frameIndex)
{
    if (frameCount == 0) {
        LoadBuiltinThemeBitmap(style, element, bitmap);
        return;
    }
    QImage strip;
    LoadBuiltinThemeBitmap(style, element, strip);
    ExtractBitmapFrame(strip, bitmap, frameCount, frameIndex);
}

TsuiUIStyle GetOwnerFormUIStyle(const QObject* owner)
{
    const auto* form = qobject_cast<const QWidget*>(owner);
    if (!form || !form->isWindow())
        return TsuiUIStyle::DeepBlue;
    for (const QObject* child : form->children()) {
        if (!child->inherits("TsuiForm"))
            continue;
        const QVariant style = child->property("UIStyle");
        if (style.metaType() == QMetaType::fromType<TsuiUIStyle>())
            return style.value<TsuiUIStyle>();
        bool ok = false;
        const int value = style.toInt(&ok);
        return ok ? static_cast<TsuiUIStyle>(value) : TsuiUIStyle::DeepBlue;
    }
    return TsuiUIStyle::DeepBlue;
}
