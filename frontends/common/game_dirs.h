// Where a game reads its catalogue and keeps its saves, found from the program's directory.
#pragma once

#include <string>

namespace kvelt {

struct GameDirs {
  std::string catalogueDir;  // scripts.tex, the picture and the icon
  std::string saveDir;       // the ten save slots
};

// A game unpacked or built in a folder keeps everything beside the program. An installed game
// (the program in a `bin` folder with `../share/kvelt/scripts.tex`, or in a `games` folder with
// `../share/games/kvelt/scripts.tex`) reads from there and saves into the user's data folder,
// because the program's folder is not the player's to write.
GameDirs gameDirs(const std::string& programDir);

// The same decision with the environment given, for tests: `xdgDataHome` and `home` are the
// values of $XDG_DATA_HOME and $HOME (nullptr when unset). Creates the save folder if needed.
GameDirs gameDirsFor(const std::string& programDir, const char* xdgDataHome, const char* home);

// Where a window keeps the player's choices between runs. On Linux the user's config folder,
// $XDG_CONFIG_HOME/kvelt or else ~/.config/kvelt, as the desktop's other programs do; on Windows
// the save folder, where kvelt.exe keeps its slots and the kept game, so that a game unpacked
// onto a stick takes everything of its own along. Empty when there is nowhere (no home).
std::string settingsDir(const GameDirs& dirs);
// The same with $XDG_CONFIG_HOME and $HOME given (nullptr when unset), for tests.
std::string settingsDirFor(const GameDirs& dirs, const char* xdgConfigHome, const char* home);
// Makes the settings folder before a setting is first written there; false when it cannot be.
bool makeSettingsDir(const std::string& dir);

}  // namespace kvelt
