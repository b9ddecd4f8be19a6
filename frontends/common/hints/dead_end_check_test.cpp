// The planner's "lost" checked from outside: wherever a plain breadth-first search over the
// lines a player can make of the words on screen reaches a won game, the planner has a plan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/display_settings.h"
#include "common/hints/planner.h"
#include "common/recording_window.h"
#include "common/shown_words.h"
#include "common/undo_stack.h"
#include "persistence/state_file.h"
#include "shell/session.h"
#include "test_support/memory_files.h"
#include "test_support/winning_game.h"

namespace kvelt {
namespace {

using testing::winningLines;

#ifdef KVELT_SANITIZED
constexpr int kSamples = 24;  // every turn runs many times slower under the sanitizers
constexpr std::size_t kEveryNthStep = 10;
#else
constexpr std::size_t kEveryNthStep = 1;
constexpr int kSamples = 240;
#endif
constexpr int kDepth = 3;
constexpr std::size_t kExpanded = 300;

// What a save keeps (the 41 fields, carried slots 0-8, room slots 0-26), and the ways out, which
// the next move reads though no save holds them: the search counts states alike in these as one.
std::string flagsKey(const Game& g) {
  std::string key = encodeState(g);
  for (Integer way : g.exits) key += static_cast<char>(way);
  key += static_cast<char>(g.firstTurnShown);
  return key;
}
std::string savedKey(const Game& g) {
  std::string key = flagsKey(g);
  for (std::size_t i = 0; i < 9; ++i) key += g.inventory[i] + '\n';
  for (ObjectList Game::*list : kRoomListsInOrder) {
    for (std::size_t i = 0; i < 27; ++i) key += (g.*list)[i] + '\n';
  }
  return key;
}

// Won: the kvelt carried out south of (3,6), where the game ends on the closing sequence.
bool isWon(const Game& g) {
  return isTrue(g.gameOver) && isTrue(g.kveltTaken) && g.posY == 6;
}
bool carriesWord(const Game& g, const std::string& word) {
  for (const std::string& held : g.inventory) {
    if (held == word) return true;
  }
  return false;
}

// Every line a player could make now: Enter alone, a way, a verb with a word on screen, and a
// carried thing used on a word on screen.
std::vector<std::string> linesOnScreen(const Game& g) {
  std::vector<std::string> words;
  for (const std::string& word : visibleWords(g)) {
    if (word.size() > 2) words.push_back(word);  // not the ways, nor "na"
  }
  std::vector<std::string> lines = {"", "s", "j", "z", "v"};
  for (const std::string& object : words) {
    bool isVerb = false;
    for (const std::string& verb : g.verbs) isVerb = isVerb || verb == object;
    if (isVerb) continue;
    for (const std::string& verb : g.verbs) lines.push_back(verb + " " + object);
    if (!carriesWord(g, object)) continue;
    for (const std::string& target : words) {
      if (target != object) lines.push_back(g.verbs[5] + " " + object + " na " + target);
    }
  }
  return lines;
}

class DeadEndCheck : public ::testing::Test {
 protected:
  DeadEndCheck() : catalogue(testing::shippedDataFile("scripts.tex")), planner(catalogue) {
    files.files["/game/scripts.tex"] = catalogue;
    EXPECT_TRUE(startGame(opening, Platform{&window, &display, &files, "/game", "/game"}).isOk());
    Game g = opening;
    for (std::size_t i = 0; i < winningLines().size(); ++i) {
      path.push_back(g);
      pathFlags.push_back(flagsKey(g));
      play(g, winningLines()[i]);
    }
  }
  void play(Game& g, const std::string& line) { ASSERT_TRUE(pressEnter(g, line).isOk()); }

  // The rest of the winning lines from line `from` on, played from `g`: does it win?
  bool restWins(Game g, std::size_t from) {
    for (std::size_t i = from; i < winningLines().size() && !isTrue(g.gameOver); ++i) {
      if (!pressEnter(g, winningLines()[i]).isOk()) return false;
    }
    return isWon(g);
  }
  // Known to win: won already, or in a room of the winning game (alike in flags first) and the
  // rest of the winning lines from there wins.
  bool knownWinnable(const Game& g, const std::string& key) {
    if (isWon(g)) return true;
    if (isTrue(g.gameOver)) return false;
    auto known = proven.find(key);
    if (known != proven.end()) return known->second;
    bool wins = false;
    const std::string flags = flagsKey(g);
    for (bool alike : {true, false}) {
      for (std::size_t i = 0; i < path.size() && !wins; ++i) {
        const bool here = path[i].posX == g.posX && path[i].posY == g.posY;
        if (here && (pathFlags[i] == flags) == alike) wins = restWins(g, i);
      }
    }
    proven[key] = wins;
    return wins;
  }

  // A breadth-first search of the lines on screen, a few deep, that finds a known winnable state.
  bool searchWins(const Game& start) {
    struct Node {
      Game game;
      int depth;
    };
    std::deque<Node> open;
    std::unordered_set<std::string> seen{savedKey(start)};
    if (knownWinnable(start, savedKey(start))) return true;
    open.push_back({start, 0});
    for (std::size_t expanded = 0; !open.empty() && expanded < kExpanded; ++expanded) {
      Node node = std::move(open.front());
      open.pop_front();
      for (const std::string& line : linesOnScreen(node.game)) {
        Game next = node.game;
        if (!pressEnter(next, line).isOk()) return false;
        const std::string key = savedKey(next);
        if (!seen.insert(key).second) continue;
        if (knownWinnable(next, key)) return true;
        if (!isTrue(next.gameOver) && node.depth + 1 < kDepth)
          open.push_back({next, node.depth + 1});
      }
    }
    return false;
  }

  // A line off the winning way that changes something: half the time a way out, else any line
  // on offer (a drop, a use, a door).
  std::string detour(const Game& g) {
    const std::vector<std::string> lines = linesOnScreen(g);
    const std::string before = savedKey(g);
    std::string line;
    for (int tries = 0; tries < 30; ++tries) {
      line = lines[random() % 2 == 0 ? 1 + random() % 4 : random() % lines.size()];
      Game next = g;
      if (pressEnter(next, line).isOk() && savedKey(next) != before) break;
    }
    return line;
  }

  // The state that `lines` reached: when the search wins from it (or from `onFrom`, where lines
  // from it lead), the planner must have a plan.
  void check(const Game& g, const std::vector<std::string>& lines, const Game* onFrom = nullptr) {
    ++sampled;
    if (!searchWins(onFrom != nullptr ? *onFrom : g)) return;
    ++searchWon;
    if (planner.planFrom(g)) return;
    ++calledLost;
    std::string played;
    for (const std::string& line : lines) played += "\n  " + line;
    ADD_FAILURE() << "the planner calls lost a game that can be won; the lines:" << played;
  }
  void report(const char* what) {
    std::printf("[ dead ends ] %s: %d sampled, %d won by the search, %d of them called lost\n",
                what, sampled, searchWon, calledLost);
    EXPECT_EQ(calledLost, 0);
  }

  std::string catalogue;
  MemoryFiles files;
  RecordingWindow window;
  NullDisplay display;
  Game opening;
  Planner planner;
  std::vector<Game> path;  // before each winning line
  std::vector<std::string> pathFlags;
  std::unordered_map<std::string, bool> proven;
  int sampled = 0, searchWon = 0, calledLost = 0;
  std::mt19937 random{2025};
};

TEST_F(DeadEndCheck, NoStateTheSearchWinsFromIsCalledLost) {
  const std::vector<std::string>& won = winningLines();
  for (int attempt = 0; sampled < kSamples && attempt < 4 * kSamples; ++attempt) {
    const std::size_t prefix = random() % won.size();
    Game g = path[prefix];
    std::vector<std::string> lines(won.begin(), won.begin() + static_cast<long>(prefix));
    UndoStack undo;
    auto enter = [&](const std::string& line) {
      undo.record(g);
      lines.push_back(line);
      play(g, line);
    };
    const int kind = attempt % 5;
    if (kind == 2 && prefix > 0) {
      // An old slot: saved some lines back, loaded after a detour.
      const std::size_t back = random() % std::min<std::size_t>(prefix, 12);
      g = path[prefix - back];
      lines.resize(prefix - back);
      enter("save 3");
      for (std::size_t i = prefix - back; i < prefix && !isTrue(g.gameOver); ++i) enter(won[i]);
    }
    if (kind == 4) {
      // Out of order: a winning line left out, or one from further on played early.
      const std::size_t skip = prefix + 1 + random() % 6;
      for (std::size_t i = prefix + 1; i <= skip && i < won.size() && !isTrue(g.gameOver); ++i) {
        if (random() % 2 == 0) enter(won[i]);
      }
    }
    for (int n = static_cast<int>(random() % 9); n > 0 && !isTrue(g.gameOver); --n) {
      enter(detour(g));
    }
    if (kind == 2 && prefix > 0) enter("load 3");
    if (kind == 3) {
      // Undo a few of the detour's turns, as a front end does, and try another line.
      for (int n = 1 + static_cast<int>(random() % 3); n > 0 && undo.undo(g); --n) lines.pop_back();
      if (!isTrue(g.gameOver)) enter(detour(g));
    }
    files.files = {{"/game/scripts.tex", catalogue}};
    if (!isTrue(g.gameOver)) check(g, lines);
  }
  report("random detours");
  EXPECT_EQ(sampled, kSamples);
  EXPECT_GE(searchWon, kSamples * 2 / 3);
}

// Every line that changes something, typed once instead of the winning line, at every step.
TEST_F(DeadEndCheck, NoSingleLineOffTheWinningGameIsCalledLostWhereTheSearchWins) {
  const std::vector<std::string>& won = winningLines();
  std::unordered_set<std::string> tried;
  for (std::size_t i = 0; i < won.size(); i += kEveryNthStep) {
    std::vector<std::string> lines(won.begin(), won.begin() + static_cast<long>(i) + 1);
    for (const std::string& line : linesOnScreen(path[i])) {
      Game g = path[i];
      play(g, line);
      if (line == won[i] || isTrue(g.gameOver) || !tried.insert(savedKey(g)).second) continue;
      lines.back() = line;
      check(g, lines);
    }
  }
  report("one line off");
}

// States the planner once called lost though the search wins from them.
TEST_F(DeadEndCheck, OnceMistakenStatesHaveAPlan) {
  struct Off {
    const char* after;  // the first time of this winning line
    std::vector<std::string> lines;
    std::vector<std::string> wayOn = {};  // lines on from there, for a search too short for them
  };
  const Off offs[] = {
      // The uniform off where every line but a few ends the game: the stable, the smithy, the
      // captain's hall.
      {"prozkoumej hlídače", {"použij uniformu"}},
      {"použij nádobu na kováře", {"použij uniformu"}},
      {"vezmi meč", {"otevři dveře", "použij uniformu", "v"}},
      // The dagger and the torch left below the hatch, the dead guard carried: later, hands
      // full in the dark room.
      {"použij dýku na dvířka",
       {"polož dýku", "polož pochodeň", "otevři dvířka", "s", "vezmi mrtvou stráž"}},
      // The bucket left in the dark room and the torch put down: it goes out, and is lit again.
      {"vezmi vědro",
       {"s", "polož vědro", "j", "polož hořící pochodeň"},
       {"vezmi pochodeň", "z", "z", "z", "použij pochodeň na výheň", "v", "v", "v", "s",
        "vezmi vědro", "j"}},
  };
  const std::vector<std::string>& won = winningLines();
  for (const Off& off : offs) {
    const auto at = std::find(won.begin(), won.end(), off.after) + 1;
    Game g = path[static_cast<std::size_t>(at - won.begin())];
    std::vector<std::string> lines(won.begin(), at);
    for (const std::string& line : off.lines) {
      play(g, line);
      lines.push_back(line);
    }
    Game on = g;
    for (const std::string& line : off.wayOn) play(on, line);
    ASSERT_FALSE(isTrue(g.gameOver) || isTrue(on.gameOver)) << off.after;
    check(g, lines, &on);
  }
  report("once mistaken");
  EXPECT_EQ(searchWon, sampled);
}

}  // namespace
}  // namespace kvelt
