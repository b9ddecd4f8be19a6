// Tests of the kept game: resumed with its history, set aside when damaged, claimed by one
// program only.
#include "common/game_keeper.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

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

TEST_F(GameKeeperTest, ADeathIsResumedWithItsHistoryAndTakenBack) {
  GameKeeper keeper(t.files, TestGame::kDir, anyClaim);
  EXPECT_FALSE(keeper.open().kept);
  for (const char* line : {"", "otevři dveře", "s", "vezmi kámen", "s", "s"}) {
    play(line);
    ASSERT_TRUE(keep(keeper).isOk());
  }
  ASSERT_EQ(t.game.gameOver, kTrue);

  KeptOpening opening = reopen();
  ASSERT_TRUE(opening.kept);
  EXPECT_EQ(opening.notice, "");
  EXPECT_EQ(opening.kept->map, "map text");
  EXPECT_EQ(opening.kept->hints, "hint state");
  ASSERT_EQ(opening.kept->pages.size(), pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(opening.kept->pages[i].line, pages.all()[i].line);
    EXPECT_EQ(opening.kept->pages[i].narration, pages.all()[i].narration);
    EXPECT_EQ(opening.kept->pages[i].carried, pages.all()[i].carried);
  }

  TestGame later;
  later.start();
  UndoStack laterUndo;
  laterUndo.restore(std::move(opening.kept->done), std::move(opening.kept->undone));
  resumeRecord(later.game, std::move(opening.kept->game));
  EXPECT_EQ(later.game.Text2, t.game.Text2);
  EXPECT_EQ(later.game.platform.files, &later.files);
  ASSERT_TRUE(laterUndo.undo(later.game));
  ASSERT_TRUE(undo.undo(t.game));
  EXPECT_EQ(later.game.gameOver, kFalse);
  EXPECT_EQ(later.game.Text2, t.game.Text2);
  EXPECT_EQ(later.game.room37Objects, t.game.room37Objects);
  later.enter("j");
  t.enter("j");
  EXPECT_EQ(later.game.Text2, t.game.Text2);
  EXPECT_EQ(laterUndo.depth(), undo.depth());
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
