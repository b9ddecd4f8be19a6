// Tests of start-up, the display switch and every way of ending.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include "shell/display_mode.h"
#include "shell/session.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::messageText;

TEST(StartupTest, NewGameState) {
  testing::TestGame t;
  t.start();
  const Game& g = t.game;
  EXPECT_EQ(g.posX, 3);
  EXPECT_EQ(g.posY, 7);
  EXPECT_EQ(g.inventory[0], "dýku");
  for (int slot = 1; slot < kInventorySlots; ++slot) EXPECT_EQ(g.inventory[slot], "");
  EXPECT_EQ(g.Text3, "dýku");
  EXPECT_EQ(g.startSouthBlocked, kTrue);
  EXPECT_EQ(g.exits, (std::array<Integer, 4>{}));
  EXPECT_EQ(g.room21Objects[0], "stojan");
  EXPECT_EQ(g.room21Objects[1], "kvelt");
  EXPECT_EQ(g.room52Objects[5], "knihu");
  EXPECT_EQ(g.room52Objects[6], "");
  EXPECT_EQ(t.window.background, (Rgb{41, 0, 152}));
  EXPECT_EQ(g.Text2, messageText(1) + "\r\n" + messageText(33) + "\r\n" + messageText(35) + "\r\n" +
                         messageText(37));
}

TEST(StartupTest, SwitchesTo800x600AfterATestAndRestoresOnExit) {
  testing::TestGame t;
  t.start();
  EXPECT_EQ(t.game.savedWidth, 1024);
  EXPECT_EQ(t.game.savedHeight, 768);
  EXPECT_EQ(t.display.calls,
            (std::vector<std::string>{"enum", "enum", "test 800x600", "change 800x600"}));
  t.enter("exit");
  EXPECT_EQ(t.display.width, 1024u);
  EXPECT_EQ(t.display.height, 768u);
}

TEST(StartupTest, ARefusedModeChangesNothingAndSaysNothing) {
  testing::TestGame t;
  t.display.testAnswer = -2;
  t.start();
  EXPECT_EQ(t.display.calls, (std::vector<std::string>{"enum", "enum", "test 800x600"}));
  EXPECT_EQ(t.display.width, 1024u);
  EXPECT_EQ(t.window.notices, "");
}

TEST(StartupTest, TheModeRecordKeepsEverythingButTheSize) {
  class Capture : public testing::FakeDisplay {
   public:
    std::int32_t changeDisplaySettings(DevModeA& mode, std::uint32_t flags) override {
      records.push_back(mode);
      return FakeDisplay::changeDisplaySettings(mode, flags);
    }
    std::vector<DevModeA> records;
  } display;
  setDisplayMode(display, 800, 600);
  ASSERT_EQ(display.records.size(), 2u);
  EXPECT_EQ(display.records[0].bytes, display.records[1].bytes);  // test and change agree
  const DevModeA& mode = display.records[0];
  EXPECT_EQ(mode.field16(DevModeA::kDmSizeOffset), 124);
  EXPECT_EQ(mode.field32(DevModeA::kDmFieldsOffset), 0x5C0000u);
  EXPECT_EQ(mode.field32(DevModeA::kDmBitsPerPelOffset), 32u);
  EXPECT_EQ(mode.field32(DevModeA::kDmDisplayFrequencyOffset), 60u);
}

TEST(StartupTest, SizesAreSixteenBitOnTheWayInAndOut) {
  testing::FakeDisplay display;
  display.width = 0x10000 + 640;
  EXPECT_EQ(currentScreenSize(display).width, 640);
  Integer negative = -1;
  Integer height = 600;
  setDisplayMode(display, negative, height);
  EXPECT_EQ(display.width, 0xFFFFFFFFu);
}

TEST(StartupTest, ClosingTheWindowAnyWayRestoresTheScreenOnce) {
  testing::TestGame t;
  t.start();
  closeWindow(t.game);
  closeWindow(t.game);
  EXPECT_TRUE(t.game.windowClosed);
  EXPECT_EQ(t.display.width, 1024u);
  // Start-up: query, then query, test, change; the end: query, test, change, once.
  EXPECT_EQ(t.display.calls.size(), 7u);
}

TEST(StartupTest, MissingCatalogueIsAnErrorAndTheScreenIsRestored) {
  testing::TestGame t;
  t.files.files.clear();
  Status status = startGame(t.game, Platform{&t.window, &t.display, &t.files, "/x", "/x"});
  ASSERT_FALSE(status.isOk());
  EXPECT_NE(status.message().find("/x/scripts.tex"), std::string::npos);
  EXPECT_TRUE(t.game.windowClosed);
  EXPECT_EQ(t.display.width, 1024u);
}

TEST(StartupTest, CatalogueRemovedDuringPlayEndsTheRunCleanly) {
  testing::TestGame t;
  t.start();
  t.files.files.clear();
  Status status = pressEnter(t.game, "");
  EXPECT_FALSE(status.isOk());
  EXPECT_TRUE(t.game.windowClosed);
  EXPECT_EQ(t.display.width, 1024u);
}

}  // namespace
}  // namespace kvelt
