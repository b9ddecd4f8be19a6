// A message against the floor under it: the bare open, read and close of the shipped catalogue.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/window.h"
#include "common/recording_window.h"
#include "text/catalogue.h"

namespace kvelt {
namespace {

const std::string kCataloguePath = std::string(KVELT_DATA_DIR) + "/" + kCatalogueFileName;

// What any reader of the file pays: the system calls, and the copy out of the page cache.
void BM_BareCatalogueRead(benchmark::State& state) {
  static char buffer[65536];
  for (auto _ : state) {
    int fd = ::open(kCataloguePath.c_str(), O_RDONLY | O_CLOEXEC);
    ssize_t total = 0;
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) total += got;
    ::close(fd);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_BareCatalogueRead);

// One message of the shipped catalogue from disk, as the game prints it: a line near the start,
// one in the middle and one near the end (all three replace the pane, so it does not grow).
void BM_ShowMessage(benchmark::State& state) {
  RecordingWindow window;
  NullDisplay display;
  Game game;
  game.platform = Platform{&window, &display, &systemFiles(), KVELT_DATA_DIR, "/nonexistent"};
  const auto number = static_cast<Integer>(state.range(0));
  for (auto _ : state) {
    showMessage(game, number);
    benchmark::DoNotOptimize(game.Text2.data());
  }
}
BENCHMARK(BM_ShowMessage)->Arg(2)->Arg(106)->Arg(176);

}  // namespace
}  // namespace kvelt
