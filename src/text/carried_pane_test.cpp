// Tests of the carried-objects pane and its single gap-closing pass.
#include "text/carried_pane.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

TEST(CarriedPaneTest, ShowCarriedReplacesOnLineZeroAndAppendsOtherwise) {
  Game game;
  game.Text3 = "old";
  showCarried(game, "dýku", 0);
  showCarried(game, "olej", 5);
  EXPECT_EQ(game.Text3, "dýku\r\nolej");
  showCarried(game, "", 0);
  EXPECT_EQ(game.Text3, "");
}

TEST(CarriedPaneTest, OneGapTravelsToTheEndOfTheList) {
  Game game;
  game.inventory[0] = "";
  game.inventory[1] = "olej";
  game.inventory[2] = "lano";
  inv(game);
  EXPECT_EQ(game.inventory[0], "olej");
  EXPECT_EQ(game.inventory[1], "lano");
  EXPECT_EQ(game.inventory[2], "");
  EXPECT_EQ(game.Text3, "olej\r\nlano\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");  // ten lines
}

TEST(CarriedPaneTest, TwoGapsSideBySideCloseByOnePlaceOnly) {
  Game game;
  game.inventory[0] = "dýku";
  game.inventory[3] = "lano";
  inv(game);
  EXPECT_EQ(game.inventory[1], "");
  EXPECT_EQ(game.inventory[2], "lano");
  game.inventory = {};
  game.inventory[2] = "lano";
  inv(game);
  EXPECT_EQ(game.inventory[0], "");
  EXPECT_EQ(game.inventory[1], "lano");
  EXPECT_EQ(testing::paneLines(game.Text3)[0], "");
}

TEST(CarriedPaneTest, SlotTenIsShownOnlyWhenItMovesDown) {
  Game game;
  for (int slot = 0; slot <= 10; ++slot) game.inventory[slot] = "w" + std::to_string(slot);
  inv(game);
  EXPECT_EQ(game.Text3.find("w10"), std::string::npos);
  game.inventory[9].clear();
  inv(game);
  EXPECT_EQ(testing::paneLines(game.Text3)[9], "w10");
}

}  // namespace
}  // namespace kvelt
