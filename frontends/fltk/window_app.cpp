// The window program from its arguments to the end of the event loop.
#include "window_app.h"

#include <FL/Fl.H>

#include <iostream>

#include "common/comfort_keys.h"
#include "common/engine.h"
#include "common/game_arguments.h"
#include "common/game_dirs.h"
#include "common/warning_setting.h"
#include "common/window_scale.h"
#include "failure_report.h"
#include "game_window.h"
#include "scale_setting.h"
#include "window_font.h"
#include "x_display.h"

namespace kvelt::fltk {
namespace {

constexpr const char* kWindowHelp =
    "Hra se uchovává po každém tahu a při příštím spuštění pokračuje (--new začne novou).\n"
    "Shift+F1 vypne nebo zapne varování, že hru už nelze vyhrát, i pro příští spuštění.\n"
    "F4, Shift+PgUp a Shift+PgDn listují stavovým řádkem, který se nevejde celý.\n"
    "The game is kept after every turn and resumed at the next start (--new starts anew).\n"
    "Shift+F1 switches the warning that the game can no longer be won off or on, also for\n"
    "the next starts. F4, Shift+PgUp and Shift+PgDn scroll a status line too long for its\n"
    "box.\n";
const ProgramDescription kProgram{
    "kvelt",
    "Okno hry pro linuxové pracovní plochy.\n"
    "The game's window for Linux desktops.",
    {{"transcript", "FILE", "záznam hry do souboru / a transcript of the game into FILE"},
     {"new", "", "nová hra místo uchované / a new game instead of the kept one"},
     {"no-warnings", "",
      "bez varování, že hru už nelze vyhrát / no warning that the game can no longer be won"}},
    std::string(kComfortKeysHelp) + "\n" + layout::kZoomKeysHelp + "\n" + kWindowHelp};
constexpr const char* kNoDisplay =
    "kvelt: cannot open the display; in a terminal, play with kvelt-term or kvelt-cli";

}  // namespace

int runWindowApp(const std::vector<std::string>& args) {
  CommandLine commandLine = readCommandLine(kProgram, args);
  std::cout << commandLine.output;
  std::cerr << commandLine.error;
  if (!commandLine.game) return commandLine.exitStatus;
  const GameDirs& dirs = commandLine.game->dirs;
  GameWindow::Start how;
  how.transcript = commandLine.game->transcript();
  how.kept = commandLine.game->has("new") ? KeptStart::fresh : KeptStart::resume;
  how.warnings =
      rememberedWarnings(systemFiles(), settingsDir(dirs)) && !commandLine.game->has("no-warnings");

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
  Status status = window.start(screen, systemFiles(), how);
  if (!status.isOk()) {
    reportCatalogueFailure(status);
    return 1;
  }
  window.open();
  Fl::run();
  return window.exitStatus();
}

}  // namespace kvelt::fltk
