// The game's folders on Windows: everything beside the program, as the game always kept them.
#include "common/game_dirs.h"

namespace kvelt {

GameDirs gameDirsFor(const std::string& programDir, const char*, const char*) {
  return {programDir, programDir};
}

GameDirs gameDirs(const std::string& programDir) {
  return gameDirsFor(programDir, nullptr, nullptr);
}

}  // namespace kvelt
