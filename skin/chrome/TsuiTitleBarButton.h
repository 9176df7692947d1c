#pragma once

#include "skin/chrome/TitleBarCollection.h"
#include "skin/chrome/TitleBarTypes.h"
#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"
#include <QImage>

#include <QMenu>
#include <QObject>
#include <QPointer>

// What the buttons need from the bar that shows them, pushed down by it:
// where their pictures come from and which glyph a maximise button shows.
struct TitleBarButtonContext {
    QPointer<TsuiFileTheme> fileTheme;
    bool hostMaximized = false;
    // A custom bar keeps whatever maximise glyph it was given.
    bool custom = false;
};

class TsuiTitleBarButton;
using TitleBarButtonCollection = TitleBarCollection<TsuiTitleBarButton, TitleBarButtonContext>;

// One caption button of a title bar: a value record of three pictures
// (normal, mouse on, mouse down) taken from the style's button strip by its
// type. What the type does to the window is the bar's business.
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
    explicit TsuiTitleBarButton(TitleBarButtonCollection* collection);

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

    int Index() const;

private:
    void changed();
    void loadFrames(int firstFrame);

    TitleBarButtonCollection* m_collection;
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

class TsuiTitleBarButtons : public TitleBarButtonCollection {
public:
    using TitleBarButtonCollection::TitleBarCollection;
};
