// Latency of single turns: the median and the 99th percentile over many turns in one room,
// which an averaging benchmark cannot show.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "shell/session.h"

int main() {
  using Clock = std::chrono::steady_clock;
  kvelt::RecordingWindow window;
  kvelt::NullDisplay display;
  kvelt::Game game;
  const auto startUp = Clock::now();
  kvelt::Status status = kvelt::startGame(
      game,
      kvelt::Platform{&window, &display, &kvelt::systemFiles(), KVELT_DATA_DIR, "/nonexistent"});
  const auto started = Clock::now();
  if (!status.isOk()) {
    std::fprintf(stderr, "%s\n", status.message().c_str());
    return 1;
  }
  status = kvelt::pressEnter(game, "");

  constexpr int kTurns = 20000;
  std::vector<double> micros;
  micros.reserve(kTurns);
  for (int i = 0; i < kTurns; ++i) {
    const auto before = Clock::now();
    status = kvelt::pressEnter(game, "prozkoumej listinu");
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf("start-up to the first page: %.1f us\n",
              std::chrono::duration<double, std::micro>(started - startUp).count());
  std::printf("turn in room (3,7), %d turns: median %.1f us, p99 %.1f us, max %.1f us\n", kTurns,
              micros[kTurns / 2], micros[kTurns * 99 / 100], micros.back());
  return 0;
}
