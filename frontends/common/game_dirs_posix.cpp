// The game's folders on Linux: beside the program, or share/kvelt and the XDG data folder.
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/game_dirs.h"

namespace kvelt {
namespace fs = std::filesystem;

namespace {

constexpr const char* kInstalledData = "../share/kvelt";
constexpr const char* kCatalogueName = "scripts.tex";

bool isInstalled(const fs::path& program) {
  std::error_code error;
  return program.filename() == "bin" &&
         fs::is_regular_file(program / kInstalledData / kCatalogueName, error);
}

// The XDG base directory rules: a relative or empty $XDG_DATA_HOME is to be ignored.
fs::path userDataHome(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) return xdgDataHome;
  if (home != nullptr && *home != '\0') return fs::path(home) / ".local/share";
  return {};
}

}  // namespace

GameDirs gameDirsFor(const std::string& programDir, const char* xdgDataHome, const char* home) {
  fs::path program = fs::path(programDir).lexically_normal();
  if (!program.has_filename()) program = program.parent_path();
  if (!isInstalled(program)) return {programDir, programDir};

  GameDirs dirs;
  dirs.catalogueDir = (program / kInstalledData).lexically_normal().string();
  fs::path data = userDataHome(xdgDataHome, home);
  // Without a home there is nowhere of the player's own; the save then fails with a notice.
  dirs.saveDir = data.empty() ? programDir : (data / "kvelt").string();
  std::error_code error;
  fs::create_directories(dirs.saveDir, error);
  return dirs;
}

GameDirs gameDirs(const std::string& programDir) {
  return gameDirsFor(programDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace kvelt
