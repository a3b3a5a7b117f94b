#include <gtest/gtest.h>

#include "model/view_history.h"

namespace zoquel {
namespace {

Settings with_xmin(double xmin) {
    Settings s;
    s.view().xmin = xmin;
    return s;
}

TEST(ViewHistory, BackAndForwardWalkTheVisitedSettings) {
    ViewHistory h;
    EXPECT_FALSE(h.back());
    for (int i = 0; i < 4; ++i) h.visit(with_xmin(i));
    h.visit(with_xmin(3));  // the same image again: no entry
    EXPECT_EQ(h.size(), 4u);
    EXPECT_FALSE(h.forward());
    EXPECT_EQ(h.back(), with_xmin(2));
    EXPECT_EQ(h.back(), with_xmin(1));
    EXPECT_EQ(h.back(), with_xmin(0));
    EXPECT_FALSE(h.back());
    EXPECT_EQ(h.forward(), with_xmin(1));
    // Re-rendering where we are (what Back itself starts) keeps what lies ahead.
    h.visit(with_xmin(1));
    EXPECT_TRUE(h.can_go_forward());
    // A new image from here drops it.
    h.visit(with_xmin(9));
    EXPECT_FALSE(h.can_go_forward());
    EXPECT_EQ(h.size(), 3u);
    EXPECT_EQ(h.back(), with_xmin(1));
    // What a render leaves in the settings stays with its entry.
    Settings rendered = with_xmin(1);
    rendered.cxsave = 0.5;
    h.update_current(rendered);
    h.forward();
    EXPECT_EQ(h.back(), rendered);
}

TEST(ViewHistory, KeepsWholeSettingsAndTheNewestEntriesWhenFull) {
    ViewHistory h(256);
    for (int i = 0; i < 300; ++i) h.visit(with_xmin(i));
    EXPECT_EQ(h.size(), 256u);
    std::optional<Settings> last;
    int steps = 0;
    while (auto s = h.back()) {
        last = s;
        ++steps;
    }
    EXPECT_EQ(steps, 255);
    EXPECT_EQ(last, with_xmin(300 - 256));

    Settings big = with_xmin(0);
    big.xres = 900;
    big.ftype = 5;
    h.clear();
    h.visit(big);
    h.visit(with_xmin(1));
    const Settings back = *h.back();
    EXPECT_EQ(back.xres, 900);
    EXPECT_EQ(back.ftype, 5);
}

}  // namespace
}  // namespace zoquel
