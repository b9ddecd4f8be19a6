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

}  // namespace kvelt
