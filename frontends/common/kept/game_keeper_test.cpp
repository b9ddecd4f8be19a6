// Tests of the kept game: resumed with its history, set aside when damaged, claimed by one
// program only.
#include "common/kept/game_keeper.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "common/play_session.h"
#include "test_support/session_record.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

std::unique_ptr<KeptLock> anyClaim(const std::string&) {
  return std::make_unique<KeptLock>();
}
std::unique_ptr<KeptLock> takenClaim(const std::string&) {
  return nullptr;
}

class GameKeeperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    pages.add(Page{std::nullopt, t.game.Text2, t.game.Text3});
  }
  void play(const std::string& line) {
    undo.record(t.game);
    t.enter(line);
    pages.add(Page{line, t.game.Text2, t.game.Text3});
  }
  Status keep(GameKeeper& keeper) {
    KeptView view = keptViewOf(t.game, undo, pages, {});
    view.map = "map text";
    view.hints = "hint state";
    return keeper.keep(view);
  }
  KeptOpening reopen() { return GameKeeper(t.files, TestGame::kDir, anyClaim).open(); }
  std::string& keptBytes() { return t.files.files["/game/kept.kvelt"]; }

  using TestGame = testing::TestGame;
  TestGame t;
  UndoStack undo;
  PageHistory pages;
};

TEST_F(GameKeeperTest, ADeathIsResumedAtItsPageAndTakenBackAndNewLeavesItKeptUntilATurn) {
  const Platform platform{&t.window, &t.display, &t.files, TestGame::kDir, TestGame::kDir};
  PlaySession first(platform);
  first.keepBetweenRuns(KeptStart::resume, anyClaim);
  ASSERT_TRUE(first.start().isOk());
  for (const char* line : {"", "", "otevři dveře", "s", "vezmi kámen", "s", "s"}) {
    ASSERT_TRUE(first.enter(line).isOk());
  }
  ASSERT_EQ(recordOf(first).gameOver, kTrue);

  PlaySession later(platform);
  later.keepBetweenRuns(KeptStart::resume, anyClaim);
  ASSERT_TRUE(later.start().isOk());
  EXPECT_EQ(later.view().narration, first.view().narration);
  EXPECT_NE(later.view().statusLine.find(resumedStatus(KeyNames{})), std::string::npos);
  first.comfort(Comfort::undo);
  later.comfort(Comfort::undo);
  EXPECT_EQ(recordOf(later).gameOver, kFalse);
  EXPECT_EQ(later.view().narration, first.view().narration);
  ASSERT_TRUE(first.enter("j").isOk());
  ASSERT_TRUE(later.enter("j").isOk());
  EXPECT_EQ(later.view().narration, first.view().narration);
  EXPECT_TRUE(later.comfort(Comfort::pageBack).changed);
  first.comfort(Comfort::pageBack);
  EXPECT_EQ(later.view().narration, first.view().narration);

  const std::string kept = keptBytes();
  PlaySession fresh(platform);
  fresh.keepBetweenRuns(KeptStart::fresh, anyClaim);
  ASSERT_TRUE(fresh.start().isOk());
  EXPECT_EQ(recordOf(fresh).posY, 7);
  EXPECT_EQ(keptBytes(), kept);
  ASSERT_TRUE(fresh.enter("").isOk());
  EXPECT_NE(keptBytes(), kept);
}

TEST_F(GameKeeperTest, ADamagedOrNewerFileIsSetAsideAndNeverWrittenOver) {
  GameKeeper keeper(t.files, TestGame::kDir, anyClaim);
  (void)keeper.open();
  play("");
  ASSERT_TRUE(keep(keeper).isOk());
  t.files.files["/game/kept.kvelt.aside-4"] = "older";
  const std::string whole = keptBytes();

  keptBytes()[whole.size() / 2] ^= 0x20;
  const std::string damaged = keptBytes();
  KeptOpening opening = reopen();
  EXPECT_FALSE(opening.kept);
  EXPECT_NE(opening.notice.find("kept.kvelt.aside-5"), std::string::npos);
  EXPECT_EQ(t.files.files["/game/kept.kvelt.aside-5"], damaged);
  EXPECT_EQ(t.files.files["/game/kept.kvelt.aside-4"], "older");
  EXPECT_EQ(t.files.files.count("/game/kept.kvelt"), 0u);

  keptBytes() = whole;
  keptBytes()[8] = 2;
  opening = reopen();
  EXPECT_NE(opening.notice.find("novější"), std::string::npos);
  EXPECT_EQ(t.files.files.count("/game/kept.kvelt.aside-6"), 1u);

  keptBytes() = whole.substr(0, whole.size() - 1);
  t.files.readOnly = true;
  GameKeeper stuck(t.files, TestGame::kDir, anyClaim);
  EXPECT_FALSE(stuck.open().kept);
  EXPECT_FALSE(stuck.keeping());
}

TEST_F(GameKeeperTest, TheLaterProgramOnAFolderPlaysWithoutKeeping) {
  GameKeeper second(t.files, TestGame::kDir, takenClaim);
  EXPECT_EQ(second.open().notice, kKeptInUse);
  EXPECT_FALSE(second.keeping());
  play("");
  ASSERT_TRUE(keep(second).isOk());
  EXPECT_EQ(t.files.files.count("/game/kept.kvelt"), 0u);

  char folder[] = "/tmp/kvelt-claim-XXXXXX";
  ASSERT_NE(::mkdtemp(folder), nullptr);
  const std::string lock = std::string(folder) + "/kept.kvelt.lock";
  std::unique_ptr<KeptLock> first = claimKeptGame(lock);
  ASSERT_TRUE(first);
  EXPECT_FALSE(claimKeptGame(lock));
  first.reset();
  EXPECT_TRUE(claimKeptGame(lock));
  ::unlink(lock.c_str());
  ::rmdir(folder);
}

}  // namespace
}  // namespace kvelt
