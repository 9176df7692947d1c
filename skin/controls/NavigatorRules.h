#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <array>
#include <bitset>

// The data navigator's rules, kept apart from its widgets: which buttons
// show, how they share the width, which are enabled, where the keyboard's
// focus mark moves.
namespace SuiNavigator {
Q_NAMESPACE

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
Q_ENUM_NS(TNavigateBtn)

constexpr int ButtonCount = 10;
// Bit i stands for button i.
using ButtonSet = std::bitset<ButtonCount>;
// The smallest button; the glyphs are 16 × 16.
constexpr int MinButtonWidth = 20;
constexpr int MinButtonHeight = 18;

// Room for every visible button, at least 20 × 18 each; a navigator that
// is not aligned keeps only whole multiples of the visible count.
QSize MinimumSize(QSize requested, ButtonSet visible, bool alignNone);

struct Layout {
    QSize size; // the navigator's size after the minimum rule
    int buttonWidth = 0;
    std::array<QRect, ButtonCount> buttons; // hidden ones sit just outside, at x = width + 1
};
// The buttons left to right; the width left over after equal shares goes
// one pixel at a time to buttons spread along the strip.
Layout LayOut(QSize requested, ButtonSet visible, bool alignNone);

// What the data set tells the buttons.
struct DataState {
    bool enabled = true; // the navigator itself
    bool active = false;
    bool atBeginning = true;
    bool atEnd = true;
    bool canModify = false;
    bool editing = false;
};
std::array<bool, ButtonCount> EnabledButtons(const DataState& state);

// "First record", "Prior record", ... in button order.
QStringList DefaultHints();
// Each button's hint: its default, unless the custom line at its index is
// not empty.
QStringList ButtonHints(const QStringList& custom);

// Where the focus mark goes for the Left (-1) or Right (+1) key: the
// nearest visible button that way; Right stays put when there is none,
// Left falls back to the first button.
TNavigateBtn MoveFocus(TNavigateBtn focused, int direction, ButtonSet visible);

} // namespace SuiNavigator
