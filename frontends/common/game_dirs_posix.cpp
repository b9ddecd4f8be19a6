// The game's folders on Linux: beside the program, or the installed data and the XDG data folder;
// the settings in the XDG config folder.
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/game_dirs.h"

namespace kvelt {
namespace fs = std::filesystem;

namespace {

constexpr const char* kCatalogueName = "scripts.tex";

// The installed layouts: a program folder and where its data lies from there. Debian puts
// games in /usr/games and their data in /usr/share/games.
struct InstalledLayout {
  const char* programFolder;
  const char* dataFromPrograms;
};
constexpr InstalledLayout kInstalledLayouts[] = {{"bin", "../share/kvelt"},
                                                 {"games", "../share/games/kvelt"}};

// The installed data folder for a program folder, or nothing when the game is not installed.
fs::path installedData(const fs::path& program) {
  for (const InstalledLayout& layout : kInstalledLayouts) {
    std::error_code error;
    if (program.filename() == layout.programFolder &&
        fs::is_regular_file(program / layout.dataFromPrograms / kCatalogueName, error)) {
      return (program / layout.dataFromPrograms).lexically_normal();
    }
  }
  return {};
}

// The XDG base directory rules: a relative or empty $XDG_DATA_HOME is to be ignored.
fs::path userDataHome(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) return xdgDataHome;
  if (home != nullptr && *home != '\0') return fs::path(home) / ".local/share";
  return {};
}

// The same rules for $XDG_CONFIG_HOME.
fs::path userConfigHome(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute()) return xdgConfigHome;
  if (home != nullptr && *home != '\0') return fs::path(home) / ".config";
  return {};
}

}  // namespace

GameDirs gameDirsFor(const std::string& programDir, const char* xdgDataHome, const char* home) {
  fs::path program = fs::path(programDir).lexically_normal();
  if (!program.has_filename()) program = program.parent_path();
  const fs::path data = installedData(program);
  if (data.empty()) return {programDir, programDir};

  GameDirs dirs;
  dirs.catalogueDir = data.string();
  const fs::path userData = userDataHome(xdgDataHome, home);
  // Without a home there is nowhere of the player's own; the save then fails with a notice.
  dirs.saveDir = userData.empty() ? programDir : (userData / "kvelt").string();
  std::error_code error;
  fs::create_directories(dirs.saveDir, error);
  return dirs;
}

GameDirs gameDirs(const std::string& programDir) {
  return gameDirsFor(programDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string settingsDirFor(const GameDirs&, const char* xdgConfigHome, const char* home) {
  const fs::path config = userConfigHome(xdgConfigHome, home);
  return config.empty() ? std::string() : (config / "kvelt").string();
}

std::string settingsDir(const GameDirs& dirs) {
  return settingsDirFor(dirs, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

bool makeSettingsDir(const std::string& dir) {
  std::error_code error;
  fs::create_directories(dir, error);
  return fs::is_directory(dir, error);
}

}  // namespace kvelt
