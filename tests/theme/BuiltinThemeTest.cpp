#include "skin/theme/BuiltinTheme.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

using K = ThemeValueKind;

struct ElementRow {
    int number;
    const char* name;
    ThemeValueKind kind;
    const char* values[5]; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

// The complete built-in tables, one row per element; numbers are decimal
// or 0xBBGGRR, images are resource names.
const ElementRow kRows[] = {
    {1,
     "ButtonImage",
     K::Image,
     {"MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON", "BLUEGLASS_BUTTON"}},
    {2, "ButtonTransparentBool", K::Bool, {"1", "0", "0", "0", "1"}},
    {3,
     "CheckBoxImage",
     K::Image,
     {"MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX", "BLUEGLASS_CHECKBOX"}},
    {4,
     "RadioButtonImage",
     K::Image,
     {"MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON",
      "BLUEGLASS_RADIOBUTTON"}},
    {5,
     "TitleBarButtonImage",
     K::Image,
     {"MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN", "BLUEGLASS_TITLEBTN"}},
    {6, "TitleBarButtonTransparentBool", K::Bool, {"0", "0", "0", "1", "1"}},
    {7, "TitleBarButtonLeftOffsetInt", K::Int, {"3", "2", "0", "0", "4"}},
    {8, "TitleBarButtonRightOffsetInt", K::Int, {"-2", "-2", "0", "0", "-3"}},
    {9, "TitleBarButtonTopInt", K::Int, {"4", "5", "2", "2", "6"}},
    {10,
     "TitleBarLeftImage",
     K::Image,
     {"MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT", "BLUEGLASS_TITLE_LEFT"}},
    {11,
     "TitleBarClientImage",
     K::Image,
     {"MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT", "PROTEIN_TITLE_CLIENT",
      "BLUEGLASS_TITLE_CLIENT"}},
    {12,
     "TitleBarRightImage",
     K::Image,
     {"MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT", "PROTEIN_TITLE_RIGHT",
      "BLUEGLASS_TITLE_RIGHT"}},
    {13, "FormMinWidthInt", K::Int, {"130", "150", "130", "130", "270"}},
    {14, "FormRoundCornerInt", K::Int, {"0", "13", "0", "0", "11"}},
    {15, "FormBackgroundColor", K::Color, {"0xE7E7E7", "0xDEEBEF", "0xE8E8E8", "0xFBFBFB", "0xE7E7E7"}},
    {16, "FormBorderColor", K::Color, {"0x7F7F7F", "0xC82C00", "0x000000", "0x000000", "0x000000"}},
    {17, "FormBorderWidthInt", K::Int, {"1", "3", "1", "1", "1"}},
    {18, "MenuSelectedBorderColor", K::Color, {"0xC47339", "0xC66931", "0xA04A44", "0xC4302D", "0xEC5E5E"}},
    {19, "MenuSelectedBackgroundColor", K::Color, {"0xC47339", "0xEFD3C6", "0xA04A44", "0xC4302D", "0xEC5E5E"}},
    {20, "MenuSelectedFontColor", K::Color, {"0xFFFFFF", "0x000000", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF"}},
    {21, "MenuBackgroundColor", K::Color, {"0x000000", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF", "0xE7E7E7"}},
    {22, "MenuFontColor", K::Color, {"0x000000", "0x000000", "0x000000", "0x000000", "0x000000"}},
    {23, "MenuBarColor", K::Color, {"0x000000", "0xCED3D6", "0xCED3D6", "0xCED3D6", "0xCED3D6"}},
    {24,
     "ProgressBarImage",
     K::Image,
     {"MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR", "PROTEIN_PROGRESSBAR",
      "BLUEGLASS_PROGRESSBAR"}},
    {25, "ControlBorderColor", K::Color, {"0x7F7F7F", "0x686868", "0x000000", "0x000000", "0x000000"}},
    {26, "ControlBackgroundColor", K::Color, {"0xE7E7E7", "0xDEEBEF", "0xE8E8E8", "0xFBFBFB", "0xE7E7E7"}},
    {27, "ControlFontColor", K::Color, {"0x000000", "0xCF4602", "0x000000", "0x000000", "0x000000"}},
    {28,
     "TrackBarBarImage",
     K::Image,
     {"MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR", "PROTEIN_TRACKBAR_BAR",
      "BLUEGLASS_TRACKBAR_BAR"}},
    {29,
     "TrackBarSliderImage",
     K::Image,
     {"MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER", "PROTEIN_TRACKBAR_SLIDER",
      "BLUEGLASS_TRACKBAR_SLIDER"}},
    {30,
     "TrackBarSliderVImage",
     K::Image,
     {"MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V", "PROTEIN_TRACKBAR_SLIDER_V",
      "BLUEGLASS_TRACKBAR_SLIDER_V"}},
    {31, "ScrollBarBackgroundColor", K::Color, {"0xC9C9C9", "0xF9F9F9", "0xF5F5F5", "0xF5F5F5", "0xF4F4F4"}},
    {32,
     "ScrollBarButtonImage",
     K::Image,
     {"MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON", "PROTEIN_SCROLLBAR_BUTTON",
      "BLUEGLASS_SCROLLBAR_BUTTON"}},
    {33,
     "ScrollBarSliderImage",
     K::Image,
     {"MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK", "PROTEIN_SCROLLBAR_TRACK",
      "BLUEGLASS_SCROLLBAR_TRACK"}},
    {34,
     "CheckListBoxImage",
     K::Image,
     {"MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST", "BLUEGLASS_CHECKLIST"}},
    {35, "ToolBarButtonBorderColor", K::Color, {"0x474747", "0xC66931", "0x474747", "0x474747", "0x474747"}},
    {36, "ToolBarButtonBackgroundColor", K::Color, {"0xEFEFEF", "0xEFD3C6", "0xEFEFEF", "0xEFEFEF", "0xEFEFEF"}},
    {37, "ToolBarButtonDownBackgroundColor", K::Color, {"0xD8D8D8", "0xE1AC93", "0xD8D8D8", "0xD8D8D8", "0xD8D8D8"}},
    {38,
     "ScrollButtonImage",
     K::Image,
     {"MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON"}},
    {39, "TabControlTabImage", K::Image, {"MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"}},
    {40,
     "TabControlBarImage",
     K::Image,
     {"MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE", "BLUEGLASS_TAB_LINE"}},
    {41,
     "SideChannelHandleImage",
     K::Image,
     {"MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE",
      "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE"}},
    {42,
     "SideChannelBarImage",
     K::Image,
     {"MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR", "PROTEIN_SIDECHENNEL_BAR",
      "BLUEGLASS_SIDECHENNEL_BAR"}},
};

qint64 numberOf(const char* text)
{
    bool ok = false;
    const qint64 value = QString::fromLatin1(text).toLongLong(&ok, 0);
    EXPECT_TRUE(ok) << text;
    return value;
}

} // namespace

TEST(BuiltinTheme, EveryElementOfEveryStyleAnswersAsTheTableSays)
{
    ASSERT_EQ(std::size(kRows), size_t(ThemeElementCount));
    for (const ElementRow& row : kRows) {
        const ThemeElement element = ThemeElementAt(row.number);
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(GetThemeElementName(element), row.name);
        EXPECT_EQ(GetThemeElementKind(element), row.kind);
        EXPECT_EQ(FindThemeElement(QString::fromLatin1(row.name).toUpper()), row.number);
        for (int s = 0; s < 5; ++s) {
            const TsuiUIStyle style = BuiltinStyles[s];
            SCOPED_TRACE(s + 1);
            const char* value = row.values[s];
            ThemeValueKind kind;
            LookupBuiltinThemeValue(style, element, kind);
            EXPECT_EQ(kind, row.kind);
            switch (row.kind) {
            case K::Image:
                EXPECT_EQ(GetBuiltinThemeImageName(style, element), QLatin1String(value));
                EXPECT_EQ(GetBuiltinThemeInt(style, element), -1);
                break;
            case K::Color:
                EXPECT_EQ(GetBuiltinThemeColor(style, element), runtime::TColor(numberOf(value)));
                EXPECT_EQ(GetBuiltinThemeInt(style, element), -1);
                break;
            case K::Int:
                EXPECT_EQ(GetBuiltinThemeInt(style, element), numberOf(value));
                EXPECT_EQ(GetBuiltinThemeColor(style, element), 0);
                EXPECT_FALSE(GetBuiltinThemeBool(style, element));
                break;
            case K::Bool:
                EXPECT_EQ(GetBuiltinThemeBool(style, element), numberOf(value) != 0);
                EXPECT_TRUE(GetBuiltinThemeImageName(style, element).isEmpty());
                break;
            }
        }
    }
}

TEST(BuiltinTheme, ElementNamesEndInTheirKind)
{
    for (int n = 1; n <= ThemeElementCount; ++n) {
        const QString name = QString::fromLatin1(GetThemeElementName(ThemeElementAt(n)));
        const char* suffix[] = {"Int", "Color", "Image", "Bool"};
        EXPECT_TRUE(name.endsWith(QLatin1String(suffix[int(GetThemeElementKind(ThemeElementAt(n)))])))
            << name.toStdString();
    }
    EXPECT_EQ(FindThemeElement(QStringLiteral("NoSuchElement")), 0);
}

TEST(BuiltinTheme, StylesWithoutTablesAnswerDefaults)
{
    const auto fromFile = TsuiUIStyle::FromThemeFile;
    EXPECT_EQ(GetBuiltinThemeInt(fromFile, ThemeElement::FormMinWidthInt), -1);
    EXPECT_EQ(GetBuiltinThemeColor(fromFile, ThemeElement::FormBackgroundColor), 0);
    EXPECT_FALSE(GetBuiltinThemeBool(TsuiUIStyle(6), ThemeElement::ButtonTransparentBool));
    ThemeValueKind kind = K::Image;
    EXPECT_EQ(LookupBuiltinThemeValue(fromFile, ThemeElement::ButtonImage, kind).number, -1);
    EXPECT_EQ(kind, K::Int);
    // Only the low seven bits of the style byte count.
    EXPECT_EQ(GetBuiltinThemeInt(TsuiUIStyle(0x85), ThemeElement::TitleBarButtonRightOffsetInt), -3);
    EXPECT_EQ(GetBuiltinThemeInt(TsuiUIStyle::BlueGlass, ThemeElement::TitleBarButtonRightOffsetInt), -3);
    EXPECT_EQ(GetBuiltinThemeInt(TsuiUIStyle::WinXP, ThemeElement::FormBackgroundColor), -1);
}

TEST(BuiltinTheme, NonImageElementLeavesBitmapAloneOrEmpty)
{
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    GetBuiltinThemeBitmap(TsuiUIStyle::DeepBlue, ThemeElement::FormBackgroundColor, bitmap, 0, 0);
    EXPECT_EQ(bitmap.size(), QSize(4, 4));
    GetBuiltinThemeBitmap(TsuiUIStyle::DeepBlue, ThemeElement::FormBackgroundColor, bitmap, 3, 1);
    EXPECT_TRUE(bitmap.isNull());
}

TEST(BuiltinTheme, FramesAreCutOnceYetUntouchedByWhatCallersPaintIntoTheirs)
{
    QImage strip, first, second;
    GetBuiltinThemeBitmap(TsuiUIStyle::BlueGlass, ThemeElement::ButtonImage, strip, 0, 0);
    GetBuiltinThemeBitmap(TsuiUIStyle::BlueGlass, ThemeElement::ButtonImage, first, 3, 1);
    GetBuiltinThemeBitmap(TsuiUIStyle::BlueGlass, ThemeElement::ButtonImage, second, 3, 2);
    ASSERT_EQ(first.width(), strip.width() / 3);
    EXPECT_EQ(first, strip.copy(0, 0, first.width(), strip.height()));
    EXPECT_EQ(second, strip.copy(first.width(), 0, first.width(), strip.height()));

    const QImage kept = first.copy();
    first.fill(Qt::red);
    QImage again;
    GetBuiltinThemeBitmap(TsuiUIStyle::BlueGlass, ThemeElement::ButtonImage, again, 3, 1);
    EXPECT_EQ(again, kept);
}

namespace {

class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle MEMBER style)
public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
};

// A frame class of its own derived from the frame: it counts as one.
class MainFrame : public TsuiForm {
    Q_OBJECT
public:
    using TsuiForm::TsuiForm;
};

} // namespace

TEST(BuiltinTheme, OwnerFormStyleComesFromItsFirstFrame)
{
    EXPECT_EQ(GetOwnerFormUIStyle(nullptr), TsuiUIStyle::DeepBlue);
    QWidget form;
    EXPECT_EQ(GetOwnerFormUIStyle(&form), TsuiUIStyle::DeepBlue);
    new QWidget(&form);
    auto* first = new MainFrame(&form);
    first->style = TsuiUIStyle::WinXP;
    auto* second = new TsuiForm(&form);
    second->style = TsuiUIStyle::MacOS;
    EXPECT_EQ(GetOwnerFormUIStyle(&form), TsuiUIStyle::WinXP);
    // A panel is no form, whatever it holds.
    QWidget panel(&form);
    (new TsuiForm(&panel))->style = TsuiUIStyle::Protein;
    EXPECT_EQ(GetOwnerFormUIStyle(&panel), TsuiUIStyle::DeepBlue);
}

#include "BuiltinThemeTest.moc"
