#pragma once

#include <QImage>
#include "skin/chrome/TitleBarCollection.h"
#include "skin/chrome/TitleBarTypes.h"
#include "skin/theme/UIStyle.h"

#include <QMenu>
#include <QObject>
#include <QPointer>

// One caption button of a title bar: three pictures (normal, mouse on,
// mouse down) taken from the style's button strip by its type, and the
// action its type stands for.
class TsuiTitleBarButton : public QObject {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(SuiChrome::TsuiTitleBarBtnType ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(QMenu* ControlBoxMenu READ ControlBoxMenu WRITE setControlBoxMenu)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE setPicNormal)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE setPicMouseOn)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE setPicMouseDown)

public:
    explicit TsuiTitleBarButton(TitleBarCollection<TsuiTitleBarButton>* collection);

    TsuiUIStyle UIStyle() const { return m_uiStyle; }
    void setUIStyle(TsuiUIStyle style);
    TsuiTitleBarBtnType ButtonType() const { return m_buttonType; }
    void setButtonType(TsuiTitleBarBtnType type);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    int Top() const { return m_top; }
    void setTop(int top);
    QMenu* ControlBoxMenu() const { return m_controlBoxMenu; }
    void setControlBoxMenu(QMenu* menu) { m_controlBoxMenu = menu; }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    const QImage& PicNormal() const { return m_picNormal; }
    const QImage& PicMouseOn() const { return m_picMouseOn; }
    const QImage& PicMouseDown() const { return m_picMouseDown; }
    void setPicNormal(const QImage& picture);
    void setPicMouseOn(const QImage& picture);
    void setPicMouseDown(const QImage& picture);

    // Copies another button through the setters, in the stored order.
    void Assign(const TsuiTitleBarButton& source);

    // Reloads Transparent, the pictures and Top from the style for the type.
    void LoadStyleGlyphs();
    // A maximise button shows the restore glyph while its window is maximised.
    void UpdateMaxGlyph();
    // Runs the button's action on its title bar's window.
    void DoClick();

    int Index() const;
    TsuiTitleBar* TitleBar() const { return m_collection->Owner(); }

private:
    void changed();
    void loadFrames(int firstFrame);

    TitleBarCollection<TsuiTitleBarButton>* m_collection;
    bool m_visible = true;
    TsuiTitleBarBtnType m_buttonType = suiCustom;
    bool m_transparent = false;
    int m_top = 2;
    TsuiUIStyle m_uiStyle = TsuiUIStyle::DeepBlue;
    QImage m_picNormal;
    QImage m_picMouseOn;
    QImage m_picMouseDown;
    QPointer<QMenu> m_controlBoxMenu;
};

class TsuiTitleBarButtons : public TitleBarCollection<TsuiTitleBarButton> {
public:
    using TitleBarCollection::TitleBarCollection;
};
