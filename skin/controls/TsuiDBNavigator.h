#pragma once

#include "data/SqlDataSet.h"
#include "skin/controls/ControlEnums.h"
#include "skin/controls/NavigatorRules.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/UIStyle.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

class TsuiFileTheme;
class TsuiNavButton;

// A strip of ten skinned buttons that move through and edit the rows of a
// data set: first, prior, next, last, insert, delete, edit, post, cancel,
// refresh. Each button is enabled from the data set's state, deleting asks
// first, prior and next repeat while held, and the arrow keys move a focus
// mark between the buttons.
class TsuiDBNavigator : public QWidget {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(data::SqlDataSet* DataSource READ dataSource WRITE setDataSource)
    Q_PROPERTY(TButtonSet VisibleButtons READ visibleButtons WRITE setVisibleButtons)
    Q_PROPERTY(QStringList Hints READ hints WRITE setHints)
    Q_PROPERTY(bool ConfirmDelete READ confirmDelete WRITE setConfirmDelete)
    Q_PROPERTY(SuiControls::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    // Members of VisibleButtons, named as the buttons are.
    enum VisibleButton {
        nbFirst = 1 << 0,
        nbPrior = 1 << 1,
        nbNext = 1 << 2,
        nbLast = 1 << 3,
        nbInsert = 1 << 4,
        nbDelete = 1 << 5,
        nbEdit = 1 << 6,
        nbPost = 1 << 7,
        nbCancel = 1 << 8,
        nbRefresh = 1 << 9,
    };
    Q_DECLARE_FLAGS(TButtonSet, VisibleButton)
    Q_FLAG(TButtonSet)
    using Button = SuiNavigator::TNavigateBtn;

    explicit TsuiDBNavigator(QWidget* parent = nullptr);

    TsuiUIStyle uiStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style);
    TsuiFileTheme* fileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);
    data::SqlDataSet* dataSource() const { return m_dataSet; }
    void setDataSource(data::SqlDataSet* dataSet);
    TButtonSet visibleButtons() const { return m_visible; }
    void setVisibleButtons(TButtonSet buttons);
    // The hints in use: the custom ones when set, else the defaults.
    QStringList hints() const;
    // The default texts exactly clear the custom hints.
    void setHints(const QStringList& hints);
    bool confirmDelete() const { return m_confirmDelete; }
    void setConfirmDelete(bool confirm) { m_confirmDelete = confirm; }
    TAlign align() const { return m_align; }
    void setAlign(TAlign align);
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

    TsuiNavButton* button(Button b) const { return m_buttons[b]; }
    Button focusedButton() const { return m_focused; }
    // Width of each visible button after the last layout.
    int buttonWidth() const { return m_buttonWidth; }

    // A button's action on the data set (after BeforeAction), then OnClick;
    // without an active data source only OnClick.
    virtual void BtnClick(Button b);
    // A mouse press on a button: it takes the focus mark.
    void buttonPressed(Button b);

signals:
    void beforeAction(SuiNavigator::TNavigateBtn button);
    void clicked(SuiNavigator::TNavigateBtn button);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOut();
    void applyStyle();
    void applyHints();
    void updateButtons();
    void setFocusedButton(Button b);

    LookSource m_look;
    QPointer<data::SqlDataSet> m_dataSet;
    QMetaObject::Connection m_dataWatch;
    QMetaObject::Connection m_dataGone;
    TButtonSet m_visible = TButtonSet::fromInt((1 << SuiNavigator::ButtonCount) - 1);
    QStringList m_customHints;
    bool m_confirmDelete = true;
    TAlign m_align = alNone;
    Button m_focused = SuiNavigator::nbFirst;
    int m_buttonWidth = 0;
    std::array<TsuiNavButton*, SuiNavigator::ButtonCount> m_buttons{};
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TsuiDBNavigator::TButtonSet)
