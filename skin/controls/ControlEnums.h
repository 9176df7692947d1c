#pragma once

#include <QObject>

// Enumerations the skinned controls publish. They live in one namespace with
// Qt's meta-object data so a form description can set them by member name.
namespace SuiControls {
Q_NAMESPACE

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

enum TsuiProgressBarOrientation { suiHorizontal, suiVertical };
Q_ENUM_NS(TsuiProgressBarOrientation)

enum TsuiDrawStyle { suiNormal, suiStretch, suiTile };
Q_ENUM_NS(TsuiDrawStyle)

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
Q_ENUM_NS(TCheckBoxState)

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)

} // namespace SuiControls

using SuiControls::TAlign;
using SuiControls::TAlignment;
using SuiControls::TButtonLayout;
using SuiControls::TCheckBoxState;
using SuiControls::TComboBoxStyle;
using SuiControls::TsuiDrawStyle;
using SuiControls::TsuiProgressBarOrientation;
using enum SuiControls::TButtonLayout;
using enum SuiControls::TsuiProgressBarOrientation;
using enum SuiControls::TsuiDrawStyle;
using enum SuiControls::TCheckBoxState;
using enum SuiControls::TAlign;
using enum SuiControls::TAlignment;
using enum SuiControls::TComboBoxStyle;
