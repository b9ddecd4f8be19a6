// What a hint costs a turn: the planner's look at the game after every Enter of a won game
// (the plan kept while the game follows it, a new search where it does not), and a search
// from the opening.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "base/display_settings.h"
#include "base/files.h"
#include "common/hints/hint_advisor.h"
#include "common/hints/plan_platform.h"
#include "common/recording_window.h"
#include "shell/session.h"

namespace {

double cpuMicros() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

}  // namespace

int main() {
  kvelt::RecordingWindow window;
  kvelt::NullDisplay display;
  kvelt::Game game;
  if (!kvelt::startGame(game, kvelt::Platform{&window, &display, &kvelt::systemFiles(),
                                              KVELT_DATA_DIR, "/nonexistent"})
           .isOk()) {
    return 1;
  }
  std::vector<std::string> lines;
  std::ifstream in(KVELT_WINNING_SEQUENCE);
  for (std::string line; std::getline(in, line);) lines.push_back(line);

  kvelt::Planner planner(kvelt::readCatalogue(game));
  const double before = cpuMicros();
  const bool found = planner.planFrom(game).has_value();
  std::printf("a plan from the opening: %s, %.1f ms CPU, %zu engine turns\n",
              found ? "found" : "NOT FOUND", (cpuMicros() - before) / 1e3, planner.turnsPlayed());

  // A player who never follows the plan: a new search from every state of the won game.
  std::vector<double> fresh;
  {
    kvelt::Game walk = game;
    for (const std::string& line : lines) {
      const double start = cpuMicros();
      (void)planner.planFrom(walk);
      fresh.push_back(cpuMicros() - start);
      if (!kvelt::pressEnter(walk, line).isOk()) return 1;
    }
    std::sort(fresh.begin(), fresh.end());
    std::printf(
        "a new search from each of the %zu states of the won game: median %.2f ms, max"
        " %.2f ms CPU\n",
        fresh.size(), fresh[fresh.size() / 2] / 1e3, fresh.back() / 1e3);
  }

  // A lost game: the torch left in the dark room with the pail still there.
  {
    kvelt::Game lost = game;
    for (const std::string& line : lines) {
      if (!kvelt::pressEnter(lost, line).isOk()) return 1;
      if (line == "vezmi páčidlo") break;
    }
    if (!kvelt::pressEnter(lost, "polož hořící pochodeň").isOk()) return 1;
    const double start = cpuMicros();
    const bool none = !planner.planFrom(lost).has_value();
    std::printf("the search that finds a lost game lost: %s, %.1f ms CPU, %zu engine turns\n",
                none ? "no plan" : "A PLAN", (cpuMicros() - start) / 1e3, planner.turnsPlayed());

    // Playing on in it: a lost game stays lost after a turn, so no search is made again.
    kvelt::HintAdvisor advisor(kvelt::readCatalogue(game), kvelt::readHintTexts(game));
    advisor.look(lost);
    std::vector<double> onward;
    for (const char* line : {"s", "j", "z", "v", "i", "vezmi páčidlo", "s", "j", "z", "v"}) {
      if (!kvelt::pressEnter(lost, line).isOk()) return 1;
      const double from = cpuMicros();
      advisor.look(lost, true);
      onward.push_back(cpuMicros() - from);
    }
    std::sort(onward.begin(), onward.end());
    std::printf("each of %zu turns played on in it: median %.3f ms, max %.3f ms CPU, %s\n",
                onward.size(), onward[onward.size() / 2] / 1e3, onward.back() / 1e3,
                advisor.winnable() ? "WINNABLE" : "still lost");
  }

  kvelt::HintAdvisor hints(kvelt::readCatalogue(game), kvelt::readHintTexts(game));
  std::vector<double> micros;
  for (const std::string& line : lines) {
    if (!kvelt::pressEnter(game, line).isOk()) return 1;
    const double start = cpuMicros();
    hints.look(game, true);
    (void)hints.steps();
    micros.push_back(cpuMicros() - start);
  }
  std::sort(micros.begin(), micros.end());
  const std::size_t n = micros.size();
  std::printf(
      "hint and warning check after each of the %zu turns of the won game: median %.2f ms,"
      " p90 %.2f ms, max %.2f ms CPU\n",
      n, micros[n / 2] / 1e3, micros[n * 9 / 10] / 1e3, micros.back() / 1e3);
  return 0;
}
