// The window program from its arguments to the end of the event loop.
#include "window_app.h"

#include <FL/Fl.H>

#include <iostream>

#include "common/comfort_keys.h"
#include "common/engine.h"
#include "common/game_arguments.h"
#include "common/window_scale.h"
#include "failure_report.h"
#include "game_window.h"
#include "scale_setting.h"
#include "window_font.h"
#include "x_display.h"

namespace kvelt::fltk {
namespace {

const ProgramDescription kProgram{
    "kvelt",
    "Okno hry pro linuxové pracovní plochy.\n"
    "The game's window for Linux desktops.",
    {{"transcript", "FILE", "záznam hry do souboru / a transcript of the game into FILE"}},
    std::string(kComfortKeysHelp) + "\n" + layout::kZoomKeysHelp};
constexpr const char* kNoDisplay =
    "kvelt: cannot open the display; in a terminal, play with kvelt-term or kvelt-cli";

}  // namespace

int runWindowApp(const std::vector<std::string>& args) {
  CommandLine commandLine = readCommandLine(kProgram, args);
  std::cout << commandLine.output;
  std::cerr << commandLine.error;
  if (!commandLine.game) return commandLine.exitStatus;
  const GameDirs& dirs = commandLine.game->dirs;
  const std::optional<std::string> transcript = commandLine.game->transcript();

  if (!openDisplay()) {
    std::cerr << kNoDisplay << '\n';
    return 1;
  }

  // The game does not switch the screen on Linux: the query reports the real screen and every
  // switch is refused, so the game plays in its 800 x 600 window at the desktop's own size.
  int x = 0, y = 0, width = 0, height = 0;
  Fl::screen_xywh(x, y, width, height, 0);
  NullDisplay screen{std::uint32_t(width), std::uint32_t(height)};

  // As large as the desktop's text resolution asks for, within the room the panels leave, or
  // as the player last chose.
  int workX = 0, workY = 0, workWidth = 0, workHeight = 0;
  Fl::screen_work_area(workX, workY, workWidth, workHeight, 0);
  const int defaultScale = layout::defaultScale(desktopDotsPerInch(), workWidth, workHeight);
  GameWindow window(chooseFont(), dirs, rememberedScale().value_or(defaultScale), defaultScale);
  Status status = window.start(screen, systemFiles(), transcript);
  if (!status.isOk()) {
    reportCatalogueFailure(status);
    return 1;
  }
  window.open();
  Fl::run();
  return window.exitStatus();
}

}  // namespace kvelt::fltk
