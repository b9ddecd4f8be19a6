// Hints along won, random and lost games: the hinted line wins, the warning comes on the turn
// that loses the game and only then, and the hints name only what the player has seen.
#include "common/hints/hint_advisor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "base/display_settings.h"
#include "common/recording_window.h"
#include "common/shown_words.h"
#include "shell/session.h"
#include "test_support/memory_files.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using testing::winningLines;
std::string fileText(const std::string& name) {
  return testing::shippedDataFile(name);
}

// The shipped game on files in memory, so that saves and loads can be played too.
class HintTest : public ::testing::Test {
 protected:
  HintTest() : hints(fileText("scripts.tex"), HintTexts::parse(fileText("hints.txt"))) {
    files.files["/game/scripts.tex"] = fileText("scripts.tex");
    EXPECT_TRUE(startGame(game, Platform{&window, &display, &files, "/game", "/game"}).isOk());
  }
  void enter(Game& g, const std::string& line) { ASSERT_TRUE(pressEnter(g, line).isOk()); }
  // Plays the hinted line until the game ends; true when it ends won.
  bool followingTheHintWins(Game g) {
    HintAdvisor follower(fileText("scripts.tex"), HintTexts::parse(fileText("hints.txt")));
    for (int turn = 0; turn < 400 && !isTrue(g.gameOver); ++turn) {
      follower.look(g);
      if (!follower.hasPlan() || !pressEnter(g, follower.hintLine()).isOk()) return false;
    }
    return isTrue(g.gameOver) && isTrue(g.kveltTaken) && g.posY == 6;
  }
  MemoryFiles files;
  RecordingWindow window;
  NullDisplay display;
  Game game;
  HintAdvisor hints;
};

TEST_F(HintTest, AlongTheWonGameTheHintWinsNamesOnlyWhatWasSeenAndNothingWarns) {
  const std::set<std::string> objects = {"kámen",        "stráž na hradbách",
                                         "olej",         "dvířka",
                                         "uniformu",     "mrtvou stráž",
                                         "žebřík",       "držák",
                                         "prapor",       "žerď",
                                         "zařízení",     "pochodeň",
                                         "výheň",        "páčidlo",
                                         "džber",        "sud",
                                         "nádobu",       "kováře",
                                         "kliku",        "studnu",
                                         "vědro",        "soudek",
                                         "lano",         "hlídače",
                                         "seno",         "jehlu",
                                         "klíč",         "dveře",
                                         "stráž",        "ohniště",
                                         "hřebík",       "okno",
                                         "štít",         "meč",
                                         "kapitána",     "lano od lustru",
                                         "zdobený klíč", "stojan",
                                         "kvelt"};
  std::set<std::string> seen;
  for (const std::string& line : winningLines()) {
    for (const std::string& word : visibleWords(game)) seen.insert(word);
    hints.look(game);
    EXPECT_TRUE(hints.winnable() && hints.hasPlan()) << "before " << line;
    EXPECT_FALSE(hints.warning()) << "before " << line;
    const auto steps = hints.steps();
    for (int step = 0; step < 2; ++step) {
      for (const std::string& word : objects) {
        if (seen.count(word) > 0) continue;
        EXPECT_FALSE(std::regex_search(steps[step], std::regex("(^|[ ,.])" + word + "([ ,.]|$)")))
            << "step " << step + 1 << " names the unseen " << word << " before " << line;
      }
    }
    EXPECT_TRUE(followingTheHintWins(game)) << "before " << line;
    enter(game, line);
  }
}

// A line the player might type: mostly a way out, else a sentence of the words on screen.
std::string randomLine(const Game& g, std::mt19937& random) {
  static const char* const kMoves[] = {"s", "j", "z", "v"};
  if (random() % 5 < 2) return kMoves[random() % 4];
  std::vector<std::string> words;
  for (const std::string& word : visibleWords(g)) {
    if (word.size() > 2) words.push_back(word);
  }
  const std::string& verb = g.verbs[random() % 6];
  const std::string& object = words[random() % words.size()];
  if (verb == "použij" && random() % 2 == 0)
    return verb + " " + object + " na " + words[random() % words.size()];
  return verb + " " + object;
}

// Under the sanitizers every turn costs ten times as much: fewer states, the same checks.
#ifdef KVELT_SANITIZED
constexpr int kRandomSamples = 120;
#else
constexpr int kRandomSamples = 560;
#endif

TEST_F(HintTest, FromRandomStatesTheHintWinsAndALostGameStaysLost) {
  const std::vector<std::string> won = winningLines();
  std::mt19937 random(25);
  int planned = 0, lost = 0;
  for (int sample = 0; sample < kRandomSamples; ++sample) {
    Game g = game;
    const std::size_t prefix = random() % won.size();
    for (std::size_t i = 0; i < prefix; ++i) {
      enter(g, won[i]);
      if (i == prefix / 2 && sample % 3 == 0) enter(g, "save 4");
    }
    for (int extra = random() % 7; extra > 0 && !isTrue(g.gameOver); --extra)
      enter(g, randomLine(g, random));
    if (sample % 3 == 0 && !isTrue(g.gameOver) && random() % 2 == 0) enter(g, "load 4");
    if (isTrue(g.gameOver)) continue;
    hints.look(g);
    if (hints.winnable()) {
      ++planned;
      EXPECT_TRUE(hints.hasPlan()) << "sample " << sample;
      EXPECT_TRUE(followingTheHintWins(g)) << "sample " << sample;
      continue;
    }
    ++lost;
    // Lost for good: whatever comes next, no way leads back to a plan.
    for (int next = 0; next < 6; ++next) {
      Game after = g;
      enter(after, randomLine(g, random));
      hints.look(after);
      EXPECT_TRUE(isTrue(after.gameOver) ? !isTrue(after.kveltTaken) : !hints.winnable())
          << "sample " << sample;
    }
  }
  EXPECT_GE(planned + lost, kRandomSamples * 3 / 4);
}

// The won game with one line left out or one put in, and the turn on which it is lost.
struct DeadEnd {
  const char* skip;    // left out, its first time
  const char* after;   // the put-in line comes after the first time of this one
  const char* put;     // the line put in ("" for none)
  const char* lostOn;  // lost on the first time of this line, or of the put-in line
  int shift;           // or so many lines before it
  const char* reason;  // the key of what F1 says then
};

TEST_F(HintTest, EachDeadEndIsWarnedOnceOnTheTurnThatMakesIt) {
  const HintTexts texts = HintTexts::parse(fileText("hints.txt"));
  const DeadEnd deadEnds[] = {
      {"vezmi jehlu", "", "", "použij štít na kapitána", -1, "why.needle"},
      {"vezmi štít", "", "", "použij štít na kapitána", -1, "why.captain"},  // in through the door
      {"", "použij nádobu na kováře", "polož uniformu", "polož uniformu", 0, "why.uniform"},
      {"", "vezmi páčidlo", "polož hořící pochodeň", "polož hořící pochodeň", 0, "why.dark"},
  };
  for (const DeadEnd& end : deadEnds) {
    std::vector<std::string> lines = winningLines();
    if (*end.skip != '\0') lines.erase(std::find(lines.begin(), lines.end(), end.skip));
    if (*end.put != '\0') {
      lines.insert(std::find(lines.begin(), lines.end(), end.after) + 1, end.put);
    }
    const std::size_t lostAt = static_cast<std::size_t>(
        std::find(lines.begin(), lines.end(), end.lostOn) - lines.begin() + end.shift);
    Game g = game;
    HintAdvisor advisor(fileText("scripts.tex"), texts);
    for (std::size_t i = 0; i <= lostAt + 2 && !isTrue(g.gameOver); ++i) {
      enter(g, lines[i]);
      advisor.look(g);
      EXPECT_EQ(advisor.warning().has_value(), i == lostAt) << end.reason << " after " << lines[i];
      if (!isTrue(g.gameOver)) {
        EXPECT_EQ(advisor.winnable(), i < lostAt) << end.reason << " after " << lines[i];
      }
      if (i == lostAt) {
        EXPECT_EQ(advisor.pressHint(), texts.get(end.reason) + " Alt+U vezme tahy zpět.");
      }
    }
  }
}

}  // namespace
}  // namespace kvelt
