#pragma once

#include <QObject>

// The UI styles a skinned part can take. Kept in one byte because stored
// forms and the style tables index by it. Declared inside a meta-object
// namespace so that a published `UIStyle` property can be set by key name
// ("WinXP") as well as by value.
namespace sui {
Q_NAMESPACE

enum class TsuiUIStyle : quint8 {
    FromThemeFile = 0, // values come from the part's FileTheme
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3, // the fallback wherever no style can be found
    Protein = 4,
    BlueGlass = 5,
};
Q_ENUM_NS(TsuiUIStyle)

} // namespace sui

using sui::TsuiUIStyle;

// The built-in styles in table order.
constexpr TsuiUIStyle BuiltinStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                         TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};
