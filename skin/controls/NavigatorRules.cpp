#include "skin/controls/NavigatorRules.h"

#include <algorithm>

namespace SuiNavigator {

namespace {

int visibleCount(ButtonSet visible)
{
    return std::max(int(visible.count()), 1);
}

} // namespace

QSize MinimumSize(QSize requested, ButtonSet visible, bool alignNone)
{
    const int count = visibleCount(visible);
    int w = std::max(requested.width(), count * MinButtonWidth);
    const int h = std::max(requested.height(), MinButtonHeight);
    if (alignNone)
        w = (w / count) * count;
    return {w, h};
}

Layout LayOut(QSize requested, ButtonSet visible, bool alignNone)
{
    Layout layout;
    layout.size = MinimumSize(requested, visible, alignNone);
    const int count = visibleCount(visible);
    const int width = layout.size.width();
    layout.buttonWidth = width / count;
    const int remainder = width - count * layout.buttonWidth;
    int counter = count / 2;
    int x = 0;
    for (int b = 0; b < ButtonCount; ++b) {
        if (!visible.test(b)) {
            layout.buttons[b] = QRect(width + 1, 0, layout.buttonWidth, layout.size.height());
            continue;
        }
        int extra = 0;
        if (remainder != 0) {
            counter -= remainder;
            if (counter < 0) {
                counter += count;
                extra = 1;
            }
        }
        layout.buttons[b] = QRect(x, 0, layout.buttonWidth + extra, layout.size.height());
        x += layout.buttonWidth + extra;
    }
    return layout;
}

std::array<bool, ButtonCount> EnabledButtons(const DataState& s)
{
    std::array<bool, ButtonCount> on{};
    if (!s.enabled || !s.active)
        return on;
    on[nbFirst] = on[nbPrior] = !s.atBeginning;
    on[nbNext] = on[nbLast] = !s.atEnd;
    on[nbDelete] = s.canModify && !(s.atBeginning && s.atEnd);
    on[nbInsert] = on[nbRefresh] = s.canModify;
    on[nbEdit] = s.canModify && !s.editing;
    on[nbPost] = on[nbCancel] = s.canModify && s.editing;
    return on;
}

QStringList DefaultHints()
{
    return {QStringLiteral("First record"), QStringLiteral("Prior record"),  QStringLiteral("Next record"),
            QStringLiteral("Last record"),  QStringLiteral("Insert record"), QStringLiteral("Delete record"),
            QStringLiteral("Edit record"),  QStringLiteral("Post edit"),     QStringLiteral("Cancel edit"),
            QStringLiteral("Refresh data")};
}

QStringList ButtonHints(const QStringList& custom)
{
    QStringList hints = DefaultHints();
    for (int i = 0; i < std::min<int>(int(custom.size()), ButtonCount); ++i) {
        if (!custom[i].isEmpty())
            hints[i] = custom[i];
    }
    return hints;
}

TNavigateBtn MoveFocus(TNavigateBtn focused, int direction, ButtonSet visible)
{
    for (int b = focused + direction; b >= 0 && b < ButtonCount; b += direction) {
        if (visible.test(b))
            return TNavigateBtn(b);
    }
    return direction < 0 ? nbFirst : focused;
}

} // namespace SuiNavigator
