// The warning's setting is the file "warnings" holding the line "off" while it is off, and no
// file while it is on: a file of its own, so that a window's other settings each stay one value,
// and the default needs nothing on the disk.
#include "common/warning_setting.h"

#include "common/game_dirs.h"
#include "common/replace_file.h"

namespace kvelt {
namespace {

constexpr const char* kFileName = "warnings";
constexpr const char* kOff = "off\n";

}  // namespace

bool rememberedWarnings(Files& files, const std::string& settingsDir) {
  if (settingsDir.empty()) return true;
  std::string text;
  if (!files.read(joinPath(settingsDir, kFileName), text).isOk()) return true;
  return text.rfind("off", 0) != 0;
}

void rememberWarnings(Files& files, const std::string& settingsDir, bool on) {
  if (settingsDir.empty()) return;
  const std::string path = joinPath(settingsDir, kFileName);
  if (on) {
    (void)files.remove(path);
    return;
  }
  if (makeSettingsDir(settingsDir)) (void)replaceFile(files, path, kOff);
}

}  // namespace kvelt
