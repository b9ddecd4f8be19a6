// The winning lines read from the test data, and the game they play.
#include "test_support/winning_game.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kvelt::testing {

const std::vector<std::string>& winningLines() {
  static const std::vector<std::string> lines = [] {
    std::ifstream in(KVELT_TEST_DATA_DIR "/winning_sequence.txt");
    std::vector<std::string> read;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      read.push_back(line);
    }
    return read;
  }();
  if (lines.size() < 100) ADD_FAILURE() << "tests/data/winning_sequence.txt is missing or short";
  return lines;
}

std::string shippedDataFile(const std::string& name) {
  std::ifstream in(std::string(KVELT_TEST_DATA_DIR) + "/../../data/" + name, std::ios::binary);
  if (!in) ADD_FAILURE() << "data/" << name << " is missing";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void playWinningLines(TestGame& t, std::size_t from, std::size_t to) {
  const std::vector<std::string>& lines = winningLines();
  for (std::size_t i = from; i < to && i < lines.size(); ++i) t.enter(lines[i]);
}

std::vector<Seen> straightWinningGame() {
  TestGame t;
  t.start();
  std::vector<Seen> seen;
  for (const std::string& line : winningLines()) {
    t.enter(line);
    seen.push_back({t.game.Text2, t.game.Text3});
  }
  return seen;
}

}  // namespace kvelt::testing
