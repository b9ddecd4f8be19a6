// A known game saved byte for byte as the files under tests/data/golden/, and loaded from them.
//
// The game is the winning lines up to "polož klíč" in room (2,2). The golden files were written
// once by this test with KVELT_UPDATE_GOLDEN=1 in the environment and then read through by hand
// (od -A d -t x2) field by field against the documented layout; regenerate them only for a
// change that is meant to alter saved games, and read them through again. At this point of the
// story the flags run True up to byte 58 and False after it, so the golden bytes show little of
// the order of the flags among themselves: save_layout_test pins each field's offset.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_support/test_game.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using testing::TestGame;

const std::string kGoldenDir = KVELT_TEST_DATA_DIR "/golden";
const std::string kList = "/game/save3.s";
const std::string kState = "/game/savex3.s";
constexpr std::size_t kLinesPlayed = 89;  // up to and including "polož klíč"

std::string readGolden(const std::string& name) {
  std::ifstream in(kGoldenDir + "/" + name, std::ios::binary);
  EXPECT_TRUE(in.good()) << kGoldenDir << "/" << name << " is missing";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GoldenSaveTest, KnownGameIsSavedAsTheGoldenFiles) {
  const std::vector<std::string>& lines = testing::winningLines();
  ASSERT_GT(lines.size(), kLinesPlayed) << "tests/data/winning_sequence.txt";
  ASSERT_EQ(lines[kLinesPlayed - 1], "polož klíč") << "the winning lines have changed";
  TestGame t;
  t.start();
  testing::playWinningLines(t, 0, kLinesPlayed);
  t.enter("save 3");
  const std::string& list = t.files.files.at(kList);
  const std::string& state = t.files.files.at(kState);

  if (std::getenv("KVELT_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(kGoldenDir + "/save3.s", std::ios::binary) << list;
    std::ofstream(kGoldenDir + "/savex3.s", std::ios::binary) << state;
    GTEST_SKIP() << "golden files written to " << kGoldenDir << "; read them through by hand";
  }
  EXPECT_EQ(list, readGolden("save3.s"));
  EXPECT_EQ(state, readGolden("savex3.s"));
}

TEST(GoldenSaveTest, GoldenFilesLoadTheKnownGame) {
  TestGame t;
  t.startPlaying();
  t.files.files[kList] = readGolden("save3.s");
  t.files.files[kState] = readGolden("savex3.s");
  t.enter("load 3");
  const Game& game = t.game;
  EXPECT_EQ(game.posX, 2);
  EXPECT_EQ(game.posY, 2);
  EXPECT_EQ(game.doorRoomCode, 3);
  for (Integer Game::*flag :
       {&Game::startSouthBlocked, &Game::hatchOiled, &Game::deadGuardHidden, &Game::uniformWorn,
        &Game::ladderOnHolder, &Game::door33Open, &Game::deviceJammed, &Game::hearthQuenched}) {
    EXPECT_EQ(game.*flag, kTrue);
  }
  for (Integer Game::*flag : {&Game::door42Open, &Game::door32Open, &Game::chandelierCut,
                              &Game::door31Open, &Game::kveltTaken, &Game::standNailSet}) {
    EXPECT_EQ(game.*flag, kFalse);
  }
  EXPECT_EQ(testing::paneLines(game.Text3),
            (std::vector<std::string>{"dýku", "hořící pochodeň", "uniformu", "jehlu", "hřebík", "",
                                      "", "", "", "", ""}));
  EXPECT_EQ(game.room22Objects[4], "klíč");
  EXPECT_EQ(game.room65Objects[2], "mrtvou stráž");
  EXPECT_EQ(testing::readPage(game.Text2).front(), "22 Vidíš");
}

}  // namespace
}  // namespace kvelt
