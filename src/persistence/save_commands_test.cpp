// Tests of the save and load commands inside the turn.
#include "persistence/save_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::messageText;
using testing::TestGame;

class SaveCommandsTest : public ::testing::Test {
 protected:
  bool slotWritten(int slot) {
    const std::string n = std::to_string(slot);
    return t.files.files.count("/game/save" + n + ".s") == 1 &&
           t.files.files.count("/game/savex" + n + ".s") == 1;
  }
  TestGame t;
};

TEST_F(SaveCommandsTest, OnlyTheTwentyExactLinesSaveOrLoad) {
  t.startPlaying();
  for (const char* line : {"save", "save 0", "save 11", "save 03", "Save 3", "SAVE 3", "save  3",
                           "save 3 ", " save 3", "save3", "load 0", "load 11", "Load 3"}) {
    t.enter(line);
  }
  EXPECT_EQ(t.files.files.size(), 1u) << "only the catalogue";
  EXPECT_EQ(t.window.notices, "") << "no load was attempted";

  t.enter("save 10");
  EXPECT_TRUE(slotWritten(10));
  EXPECT_FALSE(slotWritten(1));
  t.enter("save 1");
  EXPECT_TRUE(slotWritten(1));
  EXPECT_EQ(t.game.saveListPath, "/game/save1.s");
  EXPECT_EQ(t.game.saveStatePath, "/game/savex1.s");
}

TEST_F(SaveCommandsTest, TheTurnGoesOnAfterASave) {
  t.startPlaying();
  t.enter("save 3");
  EXPECT_TRUE(slotWritten(3));
  EXPECT_EQ(t.game.Text2.rfind(messageText(2), 0), 0u) << "the room is described as any turn";
  EXPECT_EQ(t.game.Text1, "");
}

TEST_F(SaveCommandsTest, LoadOnTheVeryFirstEnterIsCoveredByTheFirstTurnMessage) {
  TestGame saver;
  saver.startPlaying();
  saver.game.posY = 6;
  saver.game.inventory[1] = "olej";
  saver.enter("save 4");
  t.files.files = saver.files.files;

  t.start();
  t.enter("load 4");
  EXPECT_EQ(t.game.posY, 6);
  EXPECT_EQ(t.game.inventory[1], "olej");
  EXPECT_EQ(t.game.Text2, messageText(174)) << "174 replaces the room the load described";
  EXPECT_EQ(t.game.firstTurnShown, kTrue);
}

TEST_F(SaveCommandsTest, SaveInTheCaptainsHallSavesThenDies) {
  t.startPlaying();
  t.game.posX = 5;
  t.game.posY = 2;
  t.enter("save 2");
  EXPECT_TRUE(slotWritten(2));
  EXPECT_EQ(t.game.Text2, messageText(158));
  EXPECT_EQ(t.game.gameOver, kTrue);
  EXPECT_EQ(t.files.files.at("/game/savex2.s").substr(0, 4), std::string("\x05\x00\x02\x00", 4));
}

TEST_F(SaveCommandsTest, LoadAfterTheEndLeavesTheProgram) {
  t.startPlaying();
  t.enter("save 3");
  t.game.gameOver = kTrue;
  t.game.posX = 6;
  t.enter("load 3");
  EXPECT_TRUE(t.game.windowClosed);
  EXPECT_EQ(t.game.posX, 6);
}

// Such a game could not go on: every later line would answer with the same stale page.
TEST_F(SaveCommandsTest, LoadIntoAPlaceOffTheMapIsRefused) {
  t.startPlaying();
  t.game.posX = 2;
  t.game.posY = 3;  // inside the grid, but no room
  t.enter("save 3");
  t.game.posX = 3;
  t.game.posY = 7;
  t.enter("");
  const std::string page = t.game.Text2;
  t.enter("load 3");
  EXPECT_EQ(t.window.notices, "Pozici 3 nelze přečíst.");
  EXPECT_EQ(t.game.posX, 3);
  EXPECT_EQ(t.game.posY, 7);
  EXPECT_EQ(t.game.Text2, page) << "the turn goes on in the room the player stands in";
}

TEST_F(SaveCommandsTest, NeverSavedSlotGivesANoticeAndTheTurnGoesOn) {
  t.startPlaying();
  t.enter("load 7");
  EXPECT_EQ(t.window.notices, "Pozice 7 je prázdná.");
  EXPECT_EQ(t.game.Text2.rfind(messageText(2), 0), 0u);
  EXPECT_EQ(t.files.files.size(), 1u);
}

}  // namespace
}  // namespace kvelt
