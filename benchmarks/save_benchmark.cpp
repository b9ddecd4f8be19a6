// Benchmarks of saving and loading a slot: the two files built and parsed, and a save to disk.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "persistence/save_commands.h"
#include "shell/session.h"
#include "test_support/memory_files.h"

namespace kvelt {
namespace {

// The shipped catalogue in memory, for games whose files all live there.
MemoryFiles withCatalogue() {
  std::ifstream in(KVELT_DATA_DIR "/scripts.tex", std::ios::binary);
  MemoryFiles files;
  files.files["/game/scripts.tex"] = std::string(std::istreambuf_iterator<char>(in), {});
  return files;
}

// A game at its second turn in the start room, saving to slot 3 of `saveDir`.
struct SlotGame {
  SlotGame(Files& files, const std::string& programDir, const std::string& saveDir) {
    Status status = startGame(game, Platform{&window, &display, &files, programDir, saveDir});
    status = pressEnter(game, "");
    benchmark::DoNotOptimize(status.isOk());
  }
  void run(const char* verb) {
    game.commandVerb = verb;
    game.saveSlot = 3;
    ulozit(game);
  }
  RecordingWindow window;
  NullDisplay display;
  Game game;
};

// Both files built in memory: 630 lines converted to Windows-1250, 41 integers.
void BM_SaveToMemory(benchmark::State& state) {
  MemoryFiles files = withCatalogue();
  SlotGame slot(files, "/game", "/game");
  for (auto _ : state) slot.run("save");
}
BENCHMARK(BM_SaveToMemory);

// Both files written to a temporary directory on disk, each through a temporary file, fsync
// and rename: what the player waits for after "save N".
void BM_SaveToDisk(benchmark::State& state) {
  char pattern[] = "/tmp/kvelt-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    state.SkipWithError("no temporary directory");
    return;
  }
  SlotGame slot(systemFiles(), KVELT_DATA_DIR, pattern);
  for (auto _ : state) slot.run("save");
  std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_SaveToDisk)->Unit(benchmark::kMicrosecond);

// A slot read back from memory and the restored room described, catalogue reads included.
void BM_LoadFromMemory(benchmark::State& state) {
  MemoryFiles files = withCatalogue();
  SlotGame slot(files, "/game", "/game");
  slot.run("save");
  for (auto _ : state) slot.run("load");
}
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvelt
