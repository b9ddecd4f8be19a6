// Benchmarks of start-up and of one whole turn, catalogue reads included.
#include <benchmark/benchmark.h>

#include <string>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "shell/session.h"
#include "test_support/memory_files.h"
#include "text/catalogue.h"

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

// One message from a catalogue of state.range(0) lines held in memory: how the cost of a
// message grows with the catalogue, which is read to its end every time.
void BM_ShowMessageByCatalogueSize(benchmark::State& state) {
  MemoryFiles files;
  std::string catalogue;
  for (int n = 1; n <= state.range(0); ++n) {
    catalogue.append("M").append(std::to_string(n)).append(" zprava\r\n");
  }
  files.files["/game/scripts.tex"] = catalogue;
  RecordingWindow window;
  NullDisplay display;
  Game game;
  game.platform = Platform{&window, &display, &files, "/game", "/game"};
  for (auto _ : state) {
    showMessage(game, 150);
    benchmark::DoNotOptimize(game.Text2.data());
  }
}
BENCHMARK(BM_ShowMessageByCatalogueSize)->Arg(180)->Arg(10000)->Arg(100000);

}  // namespace
}  // namespace kvelt

BENCHMARK_MAIN();
