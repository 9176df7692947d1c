#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

namespace runtime {

// A colour as stored in forms and theme files: 0x00BBGGRR, low byte red;
// 0x80000000 + n names system colour n (button face, highlight, ...).
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clScrollBar = TColor(0x80000000);
constexpr TColor clActiveCaption = TColor(0x80000002);
constexpr TColor clInactiveCaption = TColor(0x80000003);
constexpr TColor clMenu = TColor(0x80000004);
constexpr TColor clWindow = TColor(0x80000005);
constexpr TColor clMenuText = TColor(0x80000007);
constexpr TColor clWindowText = TColor(0x80000008);
constexpr TColor clHighlight = TColor(0x8000000D);
constexpr TColor clHighlightText = TColor(0x8000000E);
constexpr TColor clBtnFace = TColor(0x8000000F);
constexpr TColor clBtnShadow = TColor(0x80000010);
constexpr TColor clGrayText = TColor(0x80000011);
constexpr TColor clBtnText = TColor(0x80000012);
constexpr TColor clBtnHighlight = TColor(0x80000014);

// Resolves system colours through the application palette.
QColor ColorFromTColor(TColor color);
TColor TColorFromColor(const QColor& color);

// "clBlack", "clBtnFace", ... as written in form descriptions; false when the
// name is not a colour name.
bool TColorFromName(const QString& name, TColor& color);

} // namespace runtime
