#include "skin/controls/NavigatorRules.h"

#include <gtest/gtest.h>

using namespace SuiNavigator;

namespace {

ButtonSet ButtonSetOf(std::initializer_list<TNavigateBtn> buttons)
{
    ButtonSet set;
    for (const TNavigateBtn b : buttons)
        set.set(b);
    return set;
}

std::vector<int> widths(const Layout& layout, ButtonSet visible)
{
    std::vector<int> result;
    for (int b = 0; b < ButtonCount; ++b) {
        if (visible.test(b))
            result.push_back(layout.buttons[b].width());
    }
    return result;
}

} // namespace

TEST(NavigatorLayout, SharesTheWidthAndSpreadsTheRemainder)
{
    // Not aligned: only whole multiples of the visible count are kept.
    const ButtonSet three = ButtonSetOf({nbFirst, nbNext, nbRefresh});
    const Layout small = LayOut({100, 25}, three, true);
    EXPECT_EQ(small.size, QSize(99, 25));
    EXPECT_EQ(widths(small, three), (std::vector<int>{33, 33, 33}));
    EXPECT_EQ(small.buttons[nbNext].x(), 33);
    EXPECT_EQ(small.buttons[nbPrior].x(), 100); // hidden: just outside

    // Aligned: the three pixels left over go to the 2nd, 6th and 9th button.
    const ButtonSet all = ButtonSet().set();
    const Layout wide = LayOut({203, 25}, all, false);
    EXPECT_EQ(wide.size.width(), 203);
    EXPECT_EQ(wide.buttonWidth, 20);
    EXPECT_EQ(widths(wide, all), (std::vector<int>{20, 21, 20, 20, 20, 21, 20, 20, 21, 20}));
    EXPECT_EQ(wide.buttons[nbRefresh].right(), 202);

    EXPECT_EQ(LayOut({150, 5}, all, false).size, QSize(200, 18));
    EXPECT_EQ(LayOut({150, 5}, ButtonSet(), true).size, QSize(150, 18));
}

TEST(NavigatorFocus, ArrowsSkipHiddenButtons)
{
    const ButtonSet visible = ButtonSetOf({nbPrior, nbNext, nbPost});
    EXPECT_EQ(MoveFocus(nbPrior, +1, visible), nbNext);
    EXPECT_EQ(MoveFocus(nbNext, +1, visible), nbPost);
    EXPECT_EQ(MoveFocus(nbPost, +1, visible), nbPost);
    EXPECT_EQ(MoveFocus(nbPost, -1, visible), nbNext);
    // Nothing visible to the left: the first button, even when hidden.
    EXPECT_EQ(MoveFocus(nbPrior, -1, visible), nbFirst);
    EXPECT_EQ(MoveFocus(nbFirst, -1, visible), nbFirst);
}
