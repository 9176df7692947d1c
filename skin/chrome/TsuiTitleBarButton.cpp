#include "skin/chrome/TsuiTitleBarButton.h"

#include "runtime/Application.h"
#include "runtime/MessageService.h"
#include "skin/theme/LookSource.h"

namespace {
// The button strip holds 18 square frames in groups of three.
constexpr int kButtonFrames = 18;

int FirstFrameOf(TsuiTitleBarBtnType type)
{
    switch (type) {
    case suiControlBox:
        return 1;
    case suiHelp:
        return 4;
    case suiMax:
        return 7;
    case suiMin:
        return 13;
    case suiClose:
        return 16;
    case suiCustom:
        break;
    }
    return 0;
}

constexpr int kRestoreFrame = 10;
} // namespace

TsuiTitleBarButton::TsuiTitleBarButton(TitleBarButtonCollection* collection) : m_collection(collection)
{
    m_transparent = ResolveLook(nullptr, m_uiStyle).titleBarButtonTransparent;
}

int TsuiTitleBarButton::Index() const
{
    return m_collection->IndexOf(this);
}

void TsuiTitleBarButton::changed()
{
    m_collection->Changed();
}

void TsuiTitleBarButton::setUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    LoadStyleGlyphs();
}

void TsuiTitleBarButton::setButtonType(TsuiTitleBarBtnType type)
{
    if (type == suiControlBox) {
        for (int i = 0; i < m_collection->Count(); ++i) {
            if (m_collection->Items(i)->ButtonType() == suiControlBox) {
                runtime::MessageBox(
                    nullptr, QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\""),
                    runtime::Application::title(), runtime::MbOk | runtime::MbIconError);
                return;
            }
        }
    }
    m_buttonType = type;
    LoadStyleGlyphs();
    changed();
}

void TsuiTitleBarButton::setTransparent(bool transparent)
{
    m_transparent = transparent;
    changed();
}

void TsuiTitleBarButton::setTop(int top)
{
    m_top = top;
    changed();
}

void TsuiTitleBarButton::setVisible(bool visible)
{
    m_visible = visible;
    changed();
}

void TsuiTitleBarButton::setPicNormal(const QImage& picture)
{
    m_picNormal = picture;
    changed();
}

void TsuiTitleBarButton::setPicMouseOn(const QImage& picture)
{
    m_picMouseOn = picture;
    changed();
}

void TsuiTitleBarButton::setPicMouseDown(const QImage& picture)
{
    m_picMouseDown = picture;
    changed();
}

void TsuiTitleBarButton::Assign(const TsuiTitleBarButton& source)
{
    setVisible(source.Visible());
    setButtonType(source.ButtonType());
    setTransparent(source.Transparent());
    setTop(source.Top());
    setUIStyle(source.UIStyle());
    setPicNormal(source.PicNormal());
    setPicMouseOn(source.PicMouseOn());
    setPicMouseDown(source.PicMouseDown());
    m_controlBoxMenu = source.ControlBoxMenu();
}

void TsuiTitleBarButton::loadFrames(int firstFrame)
{
    const Look values = ResolveLook(m_collection->context().fileTheme, m_uiStyle);
    values.bitmapFrame(ThemeElement::TitleBarButtonImage, m_picNormal, kButtonFrames, firstFrame);
    values.bitmapFrame(ThemeElement::TitleBarButtonImage, m_picMouseOn, kButtonFrames, firstFrame + 1);
    values.bitmapFrame(ThemeElement::TitleBarButtonImage, m_picMouseDown, kButtonFrames, firstFrame + 2);
}

void TsuiTitleBarButton::LoadStyleGlyphs()
{
    const Look values = ResolveLook(m_collection->context().fileTheme, m_uiStyle);
    m_transparent = values.titleBarButtonTransparent;
    const int first = FirstFrameOf(m_buttonType);
    if (first == 0)
        return;
    loadFrames(first);
    setTop(values.titleBarButtonTop);
    if (m_buttonType == suiMax)
        UpdateMaxGlyph();
}

void TsuiTitleBarButton::UpdateMaxGlyph()
{
    const TitleBarButtonContext& context = m_collection->context();
    if (m_buttonType != suiMax || context.custom)
        return;
    loadFrames(context.hostMaximized ? kRestoreFrame : FirstFrameOf(suiMax));
    changed();
}
