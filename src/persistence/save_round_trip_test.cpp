// A game saved halfway through the winning lines, played on, loaded back and won.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "persistence/state_file.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

using testing::messageText;
using testing::paneLines;
using testing::TestGame;

std::vector<std::string> winningLines() {
  std::ifstream in(KVELT_TEST_DATA_DIR "/winning_sequence.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(SaveRoundTripTest, GameLoadedAfterPlayingOnStillWins) {
  const std::vector<std::string> lines = winningLines();
  ASSERT_FALSE(lines.empty()) << "tests/data/winning_sequence.txt is missing or empty";
  ASSERT_GT(lines.size(), 100u) << "tests/data/winning_sequence.txt";

  // The pages of an uninterrupted game, one per line.
  TestGame straight;
  straight.start();
  std::vector<std::string> pages;
  for (const std::string& line : lines) {
    straight.enter(line);
    pages.push_back(straight.game.Text2);
  }
  std::vector<std::string> ending;
  for (Integer n : testing::kExpectedEnding) ending.push_back(messageText(n));
  ASSERT_EQ(paneLines(pages.back()), ending) << "the winning lines no longer win";

  const std::size_t middle = lines.size() / 2;
  TestGame t;
  t.start();
  for (std::size_t i = 0; i < middle; ++i) t.enter(lines[i]);
  const Game atSave = t.game;
  t.enter("save 3");
  for (std::size_t i = middle; i < middle + 12; ++i) t.enter(lines[i]);
  ASSERT_NE(encodeState(t.game), encodeState(atSave)) << "playing on changed nothing saved";
  t.enter("load 3");

  EXPECT_EQ(t.window.notices, "");
  EXPECT_EQ(encodeState(t.game), encodeState(atSave));
  for (ObjectList Game::*room : kRoomListsInOrder) EXPECT_EQ(t.game.*room, atSave.*room);
  for (std::size_t i = middle; i < lines.size(); ++i) {
    t.enter(lines[i]);
    ASSERT_EQ(t.game.Text2, pages[i]) << "line " << i + 1 << ": " << lines[i];
  }
  EXPECT_EQ(t.game.gameOver, kTrue);
}

}  // namespace
}  // namespace kvelt
