// What keeping the game costs a turn: the winning game with its whole undo history and pages,
// encoded and written after its last turn, the largest file a game of it keeps.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/display_settings.h"
#include "common/kept/game_keeper.h"
#include "common/recording_window.h"
#include "shell/session.h"
#include "test_support/memory_files.h"

namespace kvelt {
namespace {

std::unique_ptr<KeptLock> anyClaim(const std::string&) {
  return std::make_unique<KeptLock>();
}

// The winning game played as a window plays it: a record before each turn, a page after it.
struct WonGame {
  explicit WonGame(Files& files) {
    Status status = startGame(game, Platform{&window, &display, &files, KVELT_DATA_DIR, "/"});
    pages.add(Page{std::nullopt, game.Text2, game.Text3});
    std::ifstream lines(KVELT_WINNING_LINES);
    for (std::string line; std::getline(lines, line);) {
      undo.record(game);
      status = pressEnter(game, line);
      pages.add(Page{line, game.Text2, game.Text3});
    }
    benchmark::DoNotOptimize(status.isOk());
  }
  RecordingWindow window;
  NullDisplay display;
  Game game;
  UndoStack undo;
  PageHistory pages;
  std::vector<Page> redoPages;
};

void keepEveryIteration(benchmark::State& state, Files& files, const std::string& dir) {
  WonGame won(systemFiles());
  GameKeeper keeper(files, dir, anyClaim);
  (void)keeper.open();
  for (auto _ : state) {
    Status kept = keeper.keep(keptViewOf(won.game, won.undo, won.pages, won.redoPages));
    benchmark::DoNotOptimize(kept.isOk());
  }
  state.counters["turns"] = double(won.undo.depth());
  state.counters["bytes"] = double(keeper.keptSize());
}

// Encoding alone, into memory.
void BM_KeepWonGameInMemory(benchmark::State& state) {
  MemoryFiles files;
  keepEveryIteration(state, files, "/kept");
}
BENCHMARK(BM_KeepWonGameInMemory)->Unit(benchmark::kMicrosecond);

// The real write: a temporary file, fsync, rename and the folder synced. The CPU column is what
// a turn costs the program; the rest of the time it waits for the disk.
void BM_KeepWonGameToDisk(benchmark::State& state) {
  char pattern[] = "/tmp/kvelt-keep-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    state.SkipWithError("no temporary directory");
    return;
  }
  keepEveryIteration(state, systemFiles(), pattern);
  std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_KeepWonGameToDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvelt
