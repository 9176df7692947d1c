#include "runtime/TColor.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

namespace runtime {

namespace {

QColor systemColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0:
        return palette.color(QPalette::Button); // scroll bar
    case 1:
        return palette.color(QPalette::Dark); // desktop background
    case 2:
        return palette.color(QPalette::Highlight); // active caption
    case 3:
        return palette.color(QPalette::Mid); // inactive caption
    case 4:
        return palette.color(QPalette::Base); // menu
    case 5:
        return palette.color(QPalette::Base); // window
    case 6:
        return palette.color(QPalette::Shadow); // window frame
    case 7:
        return palette.color(QPalette::Text); // menu text
    case 8:
        return palette.color(QPalette::Text); // window text
    case 9:
        return palette.color(QPalette::HighlightedText); // caption text
    case 13:
        return palette.color(QPalette::Highlight);
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 15:
        return palette.color(QPalette::Button); // button face
    case 16:
        return palette.color(QPalette::Dark); // button shadow
    case 17:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return palette.color(QPalette::ButtonText);
    case 19:
        return palette.color(QPalette::Mid); // inactive caption text
    case 20:
        return palette.color(QPalette::Light); // button highlight
    case 21:
        return palette.color(QPalette::Shadow); // 3D dark shadow
    case 22:
        return palette.color(QPalette::Midlight); // 3D light
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Button);
    }
}

} // namespace

QColor ColorFromTColor(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u)
        return systemColor(int(bits & 0xFF));
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

TColor TColorFromColor(const QColor& color)
{
    return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

bool TColorFromName(const QString& name, TColor& color)
{
    static const QHash<QString, TColor> names = {
        {QStringLiteral("clBlack"), clBlack},
        {QStringLiteral("clMaroon"), 0x000080},
        {QStringLiteral("clGreen"), 0x008000},
        {QStringLiteral("clOlive"), 0x008080},
        {QStringLiteral("clNavy"), clNavy},
        {QStringLiteral("clPurple"), 0x800080},
        {QStringLiteral("clTeal"), 0x808000},
        {QStringLiteral("clGray"), clGray},
        {QStringLiteral("clSilver"), clSilver},
        {QStringLiteral("clRed"), clRed},
        {QStringLiteral("clLime"), 0x00FF00},
        {QStringLiteral("clYellow"), 0x00FFFF},
        {QStringLiteral("clBlue"), clBlue},
        {QStringLiteral("clFuchsia"), clFuchsia},
        {QStringLiteral("clAqua"), 0xFFFF00},
        {QStringLiteral("clWhite"), clWhite},
        {QStringLiteral("clNone"), clNone},
        {QStringLiteral("clScrollBar"), clScrollBar},
        {QStringLiteral("clActiveCaption"), clActiveCaption},
        {QStringLiteral("clInactiveCaption"), clInactiveCaption},
        {QStringLiteral("clMenu"), clMenu},
        {QStringLiteral("clWindow"), clWindow},
        {QStringLiteral("clWindowText"), clWindowText},
        {QStringLiteral("clHighlight"), clHighlight},
        {QStringLiteral("clHighlightText"), clHighlightText},
        {QStringLiteral("clBtnFace"), clBtnFace},
        {QStringLiteral("clBtnShadow"), clBtnShadow},
        {QStringLiteral("clGrayText"), clGrayText},
        {QStringLiteral("clBtnText"), clBtnText},
        {QStringLiteral("clBtnHighlight"), clBtnHighlight},
    };
    const auto it = names.constFind(name);
    if (it == names.constEnd())
        return false;
    color = *it;
    return true;
}

} // namespace runtime
