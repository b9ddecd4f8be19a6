// Benchmarks of start-up and of one whole turn, catalogue reads included.
#include <benchmark/benchmark.h>

#include <string>

#include "shell/display_settings.h"
#include "shell/files.h"
#include "shell/session.h"
#include "shell/window.h"

namespace kvelt {
namespace {

// The shipped catalogue, read from disk as the game does on every message.
Platform platform(RecordingWindow& window, NullDisplay& display) {
  return Platform{&window, &display, &systemFiles(), KVELT_DATA_DIR, "/nonexistent"};
}

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    RecordingWindow window;
    NullDisplay display;
    Game game;
    Status status = startGame(game, platform(window, display));
    benchmark::DoNotOptimize(status.isOk());
  }
}
BENCHMARK(BM_StartUp);

// A turn in the start room: the description, five objects listed, the whole line compared
// with every sentence, the ways out, the answer to "prozkoumej listinu".
void BM_TurnInStartRoom(benchmark::State& state) {
  RecordingWindow window;
  NullDisplay display;
  Game game;
  Status status = startGame(game, platform(window, display));
  status = pressEnter(game, "");
  for (auto _ : state) {
    status = pressEnter(game, "prozkoumej listinu");
    benchmark::DoNotOptimize(game.Text2.data());
  }
}
BENCHMARK(BM_TurnInStartRoom);

}  // namespace
}  // namespace kvelt

BENCHMARK_MAIN();
