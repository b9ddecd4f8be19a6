// Tests of the replies to taking what is carried and dropping what is not.
#include "world/carry_checks.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

// Runs the checks for slots 0 to 10, as the room handler does when it stores the room back.
std::string checksFor(Game& game, const std::string& line) {
  game.Text1 = line;
  game.Text2.clear();
  for (game.loopIndex = 0; game.loopIndex <= 10; ++game.loopIndex) kontrola(game);
  return game.Text2;
}

TEST(CarryChecksTest, RepliesOncePerSlotThatHoldsTheWord) {
  Game game;
  game.inventory[0] = "dýku";
  EXPECT_EQ(checksFor(game, "vezmi dýku"), "\r\ndýku již u sebe máš!");
  game.inventory[4] = "dýku";
  EXPECT_EQ(checksFor(game, "vezmi dýku"), "\r\ndýku již u sebe máš!\r\ndýku již u sebe máš!");
  game.currentRoomObjects[2] = "olej";
  EXPECT_EQ(checksFor(game, "polož olej"), "\r\nolej u sebe nemáš!");
}

TEST(CarryChecksTest, StaySilentAfterATakeOrADrop) {
  Game game;
  game.inventory[0] = "dýku";
  game.itemMovedThisTurn = 1000;
  EXPECT_EQ(checksFor(game, "vezmi dýku"), "");
  game.itemMovedThisTurn = 999;
  EXPECT_NE(checksFor(game, "vezmi dýku"), "");
}

TEST(CarryChecksTest, LookOnlyAtSlotsZeroToTenAndExactLines) {
  Game game;
  game.inventory[11] = "dýku";
  EXPECT_EQ(checksFor(game, "vezmi dýku"), "");
  game.inventory[0] = "dýku";
  EXPECT_EQ(checksFor(game, "Vezmi dýku"), "");
  EXPECT_EQ(checksFor(game, "vezmi dýku "), "");
  EXPECT_EQ(checksFor(game, "vezmi "), "");  // an empty slot never answers
}

}  // namespace
}  // namespace kvelt
