// The window program from its arguments to the end of the event loop.
#include "window_app.h"

#include <FL/Fl.H>

#include <iostream>

#include "common/game_arguments.h"
#include "failure_report.h"
#include "game_window.h"
#include "shell/display_settings.h"
#include "shell/files.h"
#include "window_font.h"
#include "x_display.h"

namespace kvelt::fltk {
namespace {

constexpr const char* kUsage = "usage: kvelt [--dir DIR]";
constexpr const char* kNoDisplay =
    "kvelt: cannot open the display; in a terminal, play with kvelt-term or kvelt-cli";

}  // namespace

int runWindowApp(const std::vector<std::string>& args) {
  std::optional<GameArguments> arguments = parseGameArguments(args);
  if (!arguments) {
    std::cerr << kUsage << '\n';
    return 2;
  }
  const GameDirs& dirs = arguments->dirs;

  if (!openDisplay()) {
    std::cerr << kNoDisplay << '\n';
    return 1;
  }

  // The game does not switch the screen on Linux: the query reports the real screen and every
  // switch is refused, so the game plays in its 800 x 600 window at the desktop's own size.
  int x = 0, y = 0, width = 0, height = 0;
  Fl::screen_xywh(x, y, width, height, 0);
  NullDisplay screen{std::uint32_t(width), std::uint32_t(height)};

  GameWindow window(chooseFont(), dirs);
  Status status = window.start(screen, systemFiles());
  if (!status.isOk()) {
    reportFailure(catalogueFailure(status));
    return 1;
  }
  window.open();
  Fl::run();
  return window.exitStatus();
}

}  // namespace kvelt::fltk
