// Driver of the kill test: saves in a loop until it is killed, and checks the slots afterwards.
//   save_kill_driver save DIR CATALOGUE_DIR FIRST   saves games FIRST, FIRST+1, ... to slots 1-3
//   save_kill_driver check DIR CATALOGUE_DIR        starts the game and loads every slot
//   save_kill_driver faults DIR                     every fault point of one save, on DIR
// Game g goes to slot g % 3 + 1 and carries g in both files: in carried slot 1 and in the last
// line of the list file, and in the first and last flags of the state file (15 bits in the
// first, the rest in the last), so that a slot
// that mixes two games, or a file that holds two, shows at once.
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
    const std::string word = "hra" + std::to_string(g);
    run.game.inventory[1] = word;
    run.game.room14Objects[26] = word;
    run.game.hatchOiled = Integer(g & 0x7FFF);
    run.game.standNailSet = Integer(g >> 15);
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
  auto has = [&](const std::string& name) {
    return std::filesystem::exists(std::filesystem::path(dir) / name);
  };
  for (int number = 1; number <= kSlots; ++number) {
    const std::string list = "save" + std::to_string(number) + ".s";
    const std::string state = "savex" + std::to_string(number) + ".s";
    if (has(list + ".commit")) {
      found = has(list + ".tmp")    ? "record before the list moved"
              : has(state + ".tmp") ? "record after the list moved"
                                    : "record alone";
    } else if (has(list + ".tmp") || has(state + ".tmp")) {
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
    const std::string word = game.inventory[1];
    const std::string stateGame = std::to_string((int(game.standNailSet) << 15) | game.hatchOiled);
    const bool whole = run.window.notices.empty() && splitLines(listBytes).size() == 630 &&
                       stateBytes.size() == 82 && game.room14Objects[26] == word &&
                       word == "hra" + stateGame;
    say(slot + (whole ? stateGame : "torn: list " + word + ", state " + stateGame));
  }
  std::string leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename();
    bool slotFile = false;
    for (int number = 1; number <= kSlots; ++number) {
      slotFile = slotFile || name == "save" + std::to_string(number) + ".s" ||
                 name == "savex" + std::to_string(number) + ".s";
    }
    if (!slotFile) leftovers += " " + name;
  }
  say("leftovers:" + leftovers);
  say("found: " + found);
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
  std::fprintf(stderr,
               "usage: save_kill_driver save DIR CATALOGUE_DIR FIRST | check DIR "
               "CATALOGUE_DIR | faults DIR\n");
  return 2;
}
