#pragma once

#include <QObject>

// Enumerations of the title bar's items. They live in a meta-object
// namespace so a stored form can set them by member name ("suiMax").
namespace SuiChrome {
Q_NAMESPACE

enum TsuiTitleBarBtnType : quint8 { suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom };
Q_ENUM_NS(TsuiTitleBarBtnType)

enum TsuiTitleBarAlign : quint8 { suiLeft, suiRight, suiClient };
Q_ENUM_NS(TsuiTitleBarAlign)

// Border styles a host form can have been designed with; only the sizeable
// one lets the frame resize the window from its edges.
enum TFormBorderStyle : quint8 { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

} // namespace SuiChrome

using SuiChrome::TFormBorderStyle;
using SuiChrome::TsuiTitleBarAlign;
using SuiChrome::TsuiTitleBarBtnType;
using enum SuiChrome::TsuiTitleBarBtnType;
using enum SuiChrome::TsuiTitleBarAlign;
using enum SuiChrome::TFormBorderStyle;
