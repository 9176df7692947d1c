#pragma once

#include "skin/controls/NavigatorRules.h"
#include "skin/controls/TsuiButton.h"

class QTimer;
class TsuiDBNavigator;

// One button of the data navigator: a skinned button that is never a tab
// stop, tells its navigator when it is pressed (for the focus mark), and,
// for prior and next, repeats its action while held: first after 400 ms,
// then every 100 ms, until the mouse button is released or the button is
// disabled (at either end of the data set it receives no release).
class TsuiNavButton : public TsuiButton {
    Q_OBJECT
public:
    static constexpr int FirstRepeatMs = 400;
    static constexpr int RepeatMs = 100;

    TsuiNavButton(SuiNavigator::TNavigateBtn index, TsuiDBNavigator* navigator);

    SuiNavigator::TNavigateBtn index() const { return m_index; }
    bool repeats() const { return m_index == SuiNavigator::nbPrior || m_index == SuiNavigator::nbNext; }

    // How the keyboard's focus mark looks on this button, from the state
    // at paint time; drawn over the skinned button.
    struct FocusMark {
        bool shown = false;
        QRect rect;
    };
    FocusMark focusMark() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void repeat();
    void stopRepeat();

    SuiNavigator::TNavigateBtn m_index;
    TsuiDBNavigator* m_navigator;
    QTimer* m_timer = nullptr;
    bool m_held = false;
};
