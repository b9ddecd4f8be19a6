// Tests of the room handler: pages, flag-dependent rooms, the dark room and the ending.
#include "world/room_handler.h"

#include <gtest/gtest.h>

#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::messageText;

class RoomHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override { t.start(); }
  // One visit of room (x,y) with `line` typed.
  void visit(Integer x, Integer y, const std::string& line = "") {
    t.game.posX = x;
    t.game.posY = y;
    t.game.Text1 = line;
    t.game.lastCommand = line;
    popisy(t.game);
  }
  std::vector<std::string> page() { return testing::paneLines(t.game.Text2); }
  testing::TestGame t;
};

TEST_F(RoomHandlerTest, StartRoomPage) {
  visit(3, 7);
  EXPECT_EQ(page(), (std::vector<std::string>{messageText(2) + " Vidíš", "Draga", "listinu",
                                              "pochodeň", "olej", "dveře", "Můžeš jít na jih"}));
  EXPECT_EQ(t.game.doorRoomCode, 1);
}

TEST_F(RoomHandlerTest, SouthFromTheStartRoomIsAnsweredAfterTheWaysOut) {
  visit(3, 7, "j");
  EXPECT_EQ(page().back(), messageText(34));
  EXPECT_EQ(page()[page().size() - 2], "Můžeš jít na jih");
}

TEST_F(RoomHandlerTest, JammedDeviceChangesThePassageAndTheMoatGate) {
  t.game.deviceJammed = kTrue;
  visit(3, 4);
  EXPECT_EQ(page().front(), messageText(145) + " Vidíš");
  EXPECT_EQ(page().back(), "Můžeš jít na sever, západ a na východ");
  visit(3, 5);
  EXPECT_EQ(page().back(), "Můžeš jít na jih, západ a na východ");
}

TEST_F(RoomHandlerTest, DarkRoomShowsOnlyItsTwoMessagesAndIgnoresCommands) {
  t.game.commandVerb = "vezmi";
  visit(5, 3, "vezmi džber");
  EXPECT_EQ(page(), (std::vector<std::string>{messageText(106), messageText(107)}));
  EXPECT_EQ(t.game.exits, (std::array<Integer, 4>{kFalse, kTrue, kFalse, kFalse}));
  EXPECT_EQ(t.game.room53Objects[0], "džber");
}

TEST_F(RoomHandlerTest, BurningTorchInTheLastSlotLightsTheDarkRoom) {
  t.game.inventory[20] = "hořící pochodeň";
  visit(5, 3);
  EXPECT_EQ(page().front(), messageText(17) + " Vidíš");
  t.game.inventory[20] = "pochodeň";
  visit(5, 3);
  EXPECT_EQ(page().front(), messageText(106));
}

TEST_F(RoomHandlerTest, SmithyAfterTheAlarmEndsTheGame) {
  t.game.chandelierCut = kTrue;
  t.game.exits = {kTrue, kTrue, kTrue, kTrue};
  visit(2, 4, "prozkoumej kováře");
  EXPECT_EQ(page(), (std::vector<std::string>{messageText(176)}));
  EXPECT_EQ(t.game.gameOver, kTrue);
  EXPECT_EQ(t.game.Text1, "");
  EXPECT_EQ(t.game.exits, (std::array<Integer, 4>{kTrue, kTrue, kTrue, kTrue}));
}

TEST_F(RoomHandlerTest, AfterTheAlarmTheMoatGuardIsGoneForGood) {
  t.game.chandelierCut = kTrue;
  visit(3, 5);
  EXPECT_EQ(page().front(), messageText(168) + " Vidíš");
  EXPECT_EQ(t.game.room35Objects[0], "");
  EXPECT_EQ(t.game.room35Objects[1], "hradby");
}

TEST_F(RoomHandlerTest, GuardRoomClosingRemarksFollowTheWaysOut) {
  t.game.chandelierCut = kTrue;
  visit(3, 2);
  auto lines = page();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 2], messageText(146));
  EXPECT_EQ(lines.back(), messageText(165));
}

TEST_F(RoomHandlerTest, APositionOffTheMapDoesNothing) {
  t.game.Text2 = "kept";
  t.game.exits = {kTrue, kFalse, kTrue, kFalse};
  t.game.doorRoomCode = 4;
  visit(2, 3, "s");
  EXPECT_EQ(t.game.Text2, "kept");
  EXPECT_EQ(t.game.exits, (std::array<Integer, 4>{kTrue, kFalse, kTrue, kFalse}));
  EXPECT_EQ(t.game.doorRoomCode, 4);
}

TEST_F(RoomHandlerTest, ObjectsBeyondSlotTenStayWithTheirRoom) {
  t.game.room44Objects[15] = "olej";
  visit(4, 4);
  EXPECT_EQ(t.game.currentRoomObjects[15], "olej");
  visit(4, 5);
  EXPECT_EQ(t.game.currentRoomObjects[15], "");
  EXPECT_EQ(t.game.room44Objects[15], "olej");
  EXPECT_EQ(t.game.Text2.find("olej"), std::string::npos);
}

TEST_F(RoomHandlerTest, EveryRoomOfTheMapHasAList) {
  int rooms = 0;
  for (Integer x = 0; x <= 8; ++x) {
    for (Integer y = 0; y <= 8; ++y) rooms += roomObjects(t.game, x, y) != nullptr;
  }
  EXPECT_EQ(rooms, 23);
}

}  // namespace
}  // namespace kvelt
