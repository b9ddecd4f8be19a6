// The screen-mode record as user32 sees it: query, test, and the change only after a good test.
#include "shell/display_mode.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/session.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

constexpr std::int32_t kDispChangeRestart = 1;
constexpr std::int32_t kDispChangeBadMode = -2;

// user32 as the game calls it, keeping a copy of every record it is handed.
class FakeUser32 : public DisplaySettings {
 public:
  struct Call {
    std::string function;
    std::uint32_t flags;
    DevModeA record;
  };

  void enumCurrentSettings(DevModeA& mode) override {
    calls.push_back({"EnumDisplaySettingsA", 0, mode});
    if (queryFails) return;
    // Every byte after dmSize and dmDriverExtra set, so that a field the game should pass on
    // untouched cannot be mistaken for a cleared one.
    for (std::size_t i = DevModeA::kDmSizeOffset + 4; i < DevModeA::kSize; ++i) {
      mode.bytes[i] = std::uint8_t(i);
    }
    mode.setField32(DevModeA::kDmPelsWidthOffset, width);
    mode.setField32(DevModeA::kDmPelsHeightOffset, height);
  }

  std::int32_t changeDisplaySettings(DevModeA& mode, std::uint32_t flags) override {
    calls.push_back({"ChangeDisplaySettingsA", flags, mode});
    if (flags == kCdsTest) return testAnswer;
    width = mode.field32(DevModeA::kDmPelsWidthOffset);
    height = mode.field32(DevModeA::kDmPelsHeightOffset);
    return kDispChangeSuccessful;
  }

  std::uint32_t width = 1024, height = 768;
  std::int32_t testAnswer = kDispChangeSuccessful;
  bool queryFails = false;
  std::vector<Call> calls;
};

class DisplayModeTest : public ::testing::Test {
 protected:
  void set(Integer width, Integer height) { setDisplayMode(user32, width, height); }
  // What the query filled in, with the new width and height.
  static DevModeA expectedRecord(std::uint32_t width, std::uint32_t height) {
    FakeUser32 other;
    other.width = width;
    other.height = height;
    DevModeA mode;
    mode.setField16(DevModeA::kDmSizeOffset, DevModeA::kSize);
    other.enumCurrentSettings(mode);
    return mode;
  }
  FakeUser32 user32;
};

TEST_F(DisplayModeTest, QueryGetsAClearedRecordOfSize124) {
  set(800, 600);
  ASSERT_FALSE(user32.calls.empty());
  const DevModeA& asked = user32.calls[0].record;
  EXPECT_EQ(user32.calls[0].function, "EnumDisplaySettingsA");
  EXPECT_EQ(asked.field16(DevModeA::kDmSizeOffset), 124);
  EXPECT_EQ(asked.field16(DevModeA::kDmSizeOffset + 2), 0) << "dmDriverExtra";
  for (std::size_t i = 0; i < DevModeA::kSize; ++i) {
    if (i < DevModeA::kDmSizeOffset || i >= DevModeA::kDmSizeOffset + 2) {
      EXPECT_EQ(asked.bytes[i], 0) << "byte " << i;
    }
  }
}

TEST_F(DisplayModeTest, AcceptedTestIsFollowedByTheSameRecordStoredInTheRegistry) {
  set(800, 600);
  ASSERT_EQ(user32.calls.size(), 3u);
  const FakeUser32::Call& test = user32.calls[1];
  const FakeUser32::Call& change = user32.calls[2];
  EXPECT_EQ(test.function, "ChangeDisplaySettingsA");
  EXPECT_EQ(test.flags, kCdsTest);
  EXPECT_EQ(change.flags, kCdsUpdateRegistry);
  // Only the width and the height differ from what the query filled in.
  EXPECT_EQ(test.record.bytes, expectedRecord(800, 600).bytes);
  EXPECT_EQ(change.record.bytes, test.record.bytes);
  EXPECT_EQ(user32.width, 800u);
  EXPECT_EQ(user32.height, 600u);
}

TEST_F(DisplayModeTest, RefusedTestChangesNothing) {
  for (std::int32_t answer : {kDispChangeFailed, kDispChangeBadMode, kDispChangeRestart}) {
    user32.calls.clear();
    user32.testAnswer = answer;
    set(800, 600);
    ASSERT_EQ(user32.calls.size(), 2u) << "answer " << answer;
    EXPECT_EQ(user32.calls[1].flags, kCdsTest);
    EXPECT_EQ(user32.width, 1024u);
    EXPECT_EQ(user32.height, 768u);
  }
}

TEST_F(DisplayModeTest, FailedQueryStillOffersTheSizeOnACleanRecord) {
  user32.queryFails = true;
  set(800, 600);
  ASSERT_EQ(user32.calls.size(), 3u);
  DevModeA expected;
  expected.setField16(DevModeA::kDmSizeOffset, DevModeA::kSize);
  expected.setField32(DevModeA::kDmPelsWidthOffset, 800);
  expected.setField32(DevModeA::kDmPelsHeightOffset, 600);
  EXPECT_EQ(user32.calls[1].record.bytes, expected.bytes);
}

TEST_F(DisplayModeTest, SizesAreSixteenBitsWithSign) {
  user32.width = 0x00012000u + 1280;  // only the low 16 bits count
  user32.height = 0xFFFFFFFFu;
  ScreenSize size = currentScreenSize(user32);
  EXPECT_EQ(size.width, Integer(0x2000 + 1280));
  EXPECT_EQ(size.height, -1);
  user32.calls.clear();
  set(-1, 600);
  EXPECT_EQ(user32.calls[1].record.field32(DevModeA::kDmPelsWidthOffset), 0xFFFFFFFFu);
}

// Every way the window closes puts the screen size of start-up back, once.
TEST_F(DisplayModeTest, EveryEndingRestoresTheStartSizeOnce) {
  for (const char* ending : {"exit", "close", "missing catalogue"}) {
    testing::TestGame game;
    game.start();
    ASSERT_EQ(game.display.width, 800u) << ending;
    if (std::string(ending) == "exit") {
      game.enter("exit");
    } else if (std::string(ending) == "close") {
      closeWindow(game.game);
    } else {
      game.files.files.clear();
      EXPECT_FALSE(pressEnter(game.game, "").isOk());
    }
    EXPECT_TRUE(game.game.windowClosed) << ending;
    EXPECT_EQ(game.display.width, 1024u) << ending;
    EXPECT_EQ(game.display.height, 768u) << ending;
    std::size_t changes = game.display.calls.size();
    closeWindow(game.game);
    EXPECT_EQ(game.display.calls.size(), changes) << ending << ": restored twice";
  }
}

}  // namespace
}  // namespace kvelt
