// Driver of the kill test: saves in a loop until it is killed, and checks the slots afterwards.
//   save_kill_driver save DIR CATALOGUE_DIR FIRST   saves games FIRST, FIRST+1, ... to slots 1-3
//   save_kill_driver check DIR CATALOGUE_DIR        starts the game and loads every slot
//   save_kill_driver faults DIR                     every fault point of one save, on DIR
//   save_kill_driver race DIR CATALOGUE_DIR ID N    saves and loads slot 1 N times, beside
//                                                   another driver doing the same
// Game g goes to slot g % 3 + 1 and carries g in both files: in carried slot 1 and in the last
// line of the list file, and in 20 flags of the state file (one bit each, -1 or 0 as a game
// saves them), so that a slot that mixes two games, or a file that holds two, shows at once.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "persistence/save_commands.h"
#include "shell/session.h"
#include "test_support/save_faults.h"
#include "text/lines.h"

namespace kvelt {
namespace {

constexpr int kSlots = 3;

// The flags that carry a game's number, lowest bit first.
constexpr Integer Game::*kStampFlags[] = {
    &Game::smithServed,    &Game::barrelOpened,   &Game::ladderOnHolder, &Game::wellCrankFitted,
    &Game::ropeFree,       &Game::vesselFilled,   &Game::pailFilled,     &Game::watchmanDown,
    &Game::bucketFull,     &Game::bannerCut,      &Game::haySearched,    &Game::watchmanSearched,
    &Game::door33Unlocked, &Game::door33Open,     &Game::deviceJammed,   &Game::guardKilled,
    &Game::windowRopeTied, &Game::hearthQuenched, &Game::door42Open,     &Game::door32Open};

void stamp(Game& game, int number) {
  const std::string word = "hra" + std::to_string(number);
  game.inventory[1] = word;
  game.room14Objects[26] = word;
  for (std::size_t bit = 0; bit < std::size(kStampFlags); ++bit) {
    game.*kStampFlags[bit] = (number >> bit) & 1 ? kTrue : kFalse;
  }
}

// The number the state file carried, and whether the list file carried the same.
int stateStamp(const Game& game) {
  int number = 0;
  for (std::size_t bit = 0; bit < std::size(kStampFlags); ++bit) {
    if (game.*kStampFlags[bit] == kTrue) number |= 1 << bit;
  }
  return number;
}

bool wholeStamp(const Game& game) {
  const std::string word = "hra" + std::to_string(stateStamp(game));
  return game.inventory[1] == word && game.room14Objects[26] == word;
}

struct Run {
  RecordingWindow window;
  NullDisplay display;
  Game game;
  bool started(const std::string& dir, const std::string& catalogueDir) {
    return startGame(game, Platform{&window, &display, &systemFiles(), catalogueDir, dir}).isOk();
  }
  void slot(const char* verb, Integer number) {
    game.commandVerb = verb;
    game.saveSlot = number;
    ulozit(game);
  }
};

void say(const std::string& text) {
  const std::string line = text + "\n";
  // Straight to the pipe, unbuffered: what the harness reads was said before the kill.
  if (::write(1, line.data(), line.size()) < 0) _exit(3);
}

int save(const std::string& dir, const std::string& catalogueDir, int first) {
  Run run;
  if (!run.started(dir, catalogueDir)) return 2;
  for (int g = first;; ++g) {
    stamp(run.game, g);
    run.slot("save", Integer(g % kSlots + 1));
    if (!run.window.notices.empty()) {
      say("failed " + std::to_string(g) + " " + run.window.notices);
      return 1;
    }
    say("saved " + std::to_string(g));
  }
}

// One line per slot, "slot 1: 17", "slot 2: none" or "slot 3: torn ...", then the names left
// in the folder that are not a slot's file, and what was there to recover.
int check(const std::string& dir, const std::string& catalogueDir) {
  // What the kill left, before the start repairs it: a commit cut short before the list file
  // was moved (rolled back), after it (rolled on), or temporary files alone.
  std::string found = "nothing";
  auto has = [&](const std::string& prefix) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      if (entry.path().filename().string().rfind(prefix, 0) == 0) return true;
    }
    return false;
  };
  for (int number = 1; number <= kSlots; ++number) {
    const std::string list = "save" + std::to_string(number) + ".s";
    const std::string state = "savex" + std::to_string(number) + ".s";
    if (has(list + ".commit.") || has(list + ".first.")) {
      found = has(list + ".tmp.")    ? "record before the list moved"
              : has(state + ".tmp.") ? "record after the list moved"
                                     : "record alone";
    } else if (has(list + ".tmp.") || has(state + ".tmp.") || has(list + ".old.")) {
      found = "temporary files only";
    }
  }
  Run run;
  if (!run.started(dir, catalogueDir)) return 2;
  for (Integer number = 1; number <= kSlots; ++number) {
    const std::string slot = "slot " + std::to_string(number) + ": ";
    const std::filesystem::path list =
        std::filesystem::path(dir) / ("save" + std::to_string(number) + ".s");
    if (!std::filesystem::exists(list)) {
      say(slot + "none");
      continue;
    }
    std::string listBytes, stateBytes;
    (void)systemFiles().read(list, listBytes);
    (void)systemFiles().read(std::filesystem::path(dir) / ("savex" + std::to_string(number) + ".s"),
                             stateBytes);
    run.window.notices.clear();
    run.slot("load", number);
    const Game& game = run.game;
    const std::string stateGame = std::to_string(stateStamp(game));
    const bool whole = run.window.notices.empty() && splitLines(listBytes).size() == 630 &&
                       stateBytes.size() == 82 && wholeStamp(game);
    say(slot + (whole ? stateGame
                      : "torn: list " + game.inventory[1] + ", state " + stateGame + " " +
                            run.window.notices));
  }
  std::string leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename();
    bool slotFile = false;
    for (int number = 1; number <= kSlots; ++number) {
      slotFile = slotFile || name == "save" + std::to_string(number) + ".s" ||
                 name == "savex" + std::to_string(number) + ".s";
    }
    if (!slotFile && name != "kvelt.lock") leftovers += " " + name;
  }
  say("leftovers:" + leftovers);
  say("found: " + found);
  return 0;
}

// Saves game id * 100000 + i to slot 1 and loads slot 1 again, n times, while another driver
// does the same. A load must give a whole game; one of our own games must be the last we saved
// (the other driver's may have come in between); a save or load may fail only as busy.
int race(const std::string& dir, const std::string& catalogueDir, int id, int n) {
  Run run;
  if (!run.started(dir, catalogueDir)) return 2;
  int saved = 0, failed = 0, busy = 0, loads = 0, torn = 0, stale = 0;
  const std::string busyNotice = "Složku s uloženými hrami právě používá jiný program.";
  for (int i = 1; i <= n; ++i) {
    const int number = id * 100000 + i;
    stamp(run.game, number);
    run.window.notices.clear();
    run.slot("save", 1);
    const bool savedNow = run.window.notices.empty();
    if (savedNow) ++saved;
    if (!savedNow) ++(run.window.notices.find(busyNotice) != std::string::npos ? busy : failed);
    stamp(run.game, 0);
    run.window.notices.clear();
    run.slot("load", 1);
    if (!run.window.notices.empty()) {
      ++(run.window.notices.find(busyNotice) != std::string::npos ? busy : failed);
      continue;
    }
    ++loads;
    if (!wholeStamp(run.game)) ++torn;
    const int got = stateStamp(run.game);
    if (savedNow && got / 100000 == id && got != number) ++stale;
  }
  std::printf("saved %d failed %d busy %d loads %d torn %d stale %d\n", saved, failed, busy, loads,
              torn, stale);
  return 0;
}

int faults(const std::string& dir) {
  int problems = 0;
  for (bool slotExisted : {true, false}) {
    testing::FaultCampaign report = testing::runSaveFaults(systemFiles(), dir, slotExisted);
    std::printf(
        "%s: %d fault points, %d runs, %d torn, %d false failures, %d lost saves, "
        "%d with leftovers, %d failed recoveries\n",
        slotExisted ? "over an old slot" : "into a new slot", report.points, report.runs,
        report.torn, report.falseFailures, report.lostSaves, report.leftovers,
        report.recoveryFailures);
    for (const std::string& problem : report.problems) std::printf("  %s\n", problem.c_str());
    problems += report.clean() ? 0 : 1;
  }
  return problems == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kvelt

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 4 && args[0] == "save")
    return kvelt::save(args[1], args[2], std::stoi(args[3]));
  if (args.size() == 3 && args[0] == "check") return kvelt::check(args[1], args[2]);
  if (args.size() == 2 && args[0] == "faults") return kvelt::faults(args[1]);
  if (args.size() == 5 && args[0] == "race")
    return kvelt::race(args[1], args[2], std::stoi(args[3]), std::stoi(args[4]));
  std::fprintf(stderr,
               "usage: save_kill_driver save DIR CATALOGUE_DIR FIRST | check DIR "
               "CATALOGUE_DIR | faults DIR | race DIR CATALOGUE_DIR ID N\n");
  return 2;
}
