// Tests of placing the window's panes on terminals of several sizes.
#include "layout.h"

#include <gtest/gtest.h>

namespace kvelt::term {
namespace {

constexpr int kCredit = 18;

bool overlaps(const Rect& a, const Rect& b) {
  return a.top < b.bottom() && b.top < a.bottom() && a.left < b.right() && b.left < a.right();
}

TEST(LayoutTest, PanesStayApartAndInsideFromSmallestToLarge) {
  for (auto [columns, rows] : {std::pair{80, 24}, {81, 25}, {100, 30}, {132, 43}, {250, 80}}) {
    SCOPED_TRACE(std::to_string(columns) + "x" + std::to_string(rows));
    Layout layout = computeLayout(columns, rows, kCredit);
    ASSERT_TRUE(layout.fits);
    const Rect all[] = {layout.narration, layout.input,   layout.status,
                        layout.caption,   layout.carried, layout.credit};
    for (const Rect& rect : all) {
      EXPECT_GE(rect.top, 0);
      EXPECT_GE(rect.left, 0);
      EXPECT_GT(rect.height, 0);
      EXPECT_LE(rect.bottom(), rows);
      EXPECT_LE(rect.right(), columns);
    }
    for (const Rect& a : all) {
      for (const Rect& b : all) {
        if (&a == &b) continue;
        EXPECT_FALSE(overlaps(a, b));
      }
    }
    // The narration spans the width at the top; the credit sits in the bottom right corner.
    EXPECT_EQ(layout.narration.top, 0);
    EXPECT_EQ(layout.narration.width, columns);
    EXPECT_EQ(layout.credit.top, rows - 1);
    EXPECT_EQ(layout.credit.right(), columns - 1);
    EXPECT_EQ(layout.caption.bottom(), layout.carried.top);
    EXPECT_EQ(layout.input.top, layout.carried.top);
    EXPECT_LT(layout.input.right(), layout.carried.left);
    // "použij kámen na stráž na hradbách" and the cursor after it fit; seven objects show.
    EXPECT_GE(layout.input.width - 2, 34);
    EXPECT_GE(layout.carried.height, 7);
    EXPECT_GE(layout.narration.height, 15);
  }
}

TEST(LayoutTest, TooSmallTerminalIsRefused) {
  EXPECT_FALSE(computeLayout(79, 24, kCredit).fits);
  EXPECT_FALSE(computeLayout(80, 23, kCredit).fits);
  EXPECT_FALSE(computeLayout(0, 0, kCredit).fits);
}

TEST(LayoutTest, TallerTerminalGivesTheNarrationTheRoom) {
  Layout small = computeLayout(80, 24, kCredit);
  Layout tall = computeLayout(80, 50, kCredit);
  EXPECT_EQ(tall.carried.height, 10);
  EXPECT_EQ(tall.narration.height, small.narration.height + 26 - 3);
}

}  // namespace
}  // namespace kvelt::term
