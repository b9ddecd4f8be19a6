// The warning's setting in $XDG_CONFIG_HOME/kvelt/warnings: the line "off" while it is off, no
// file while it is on. A file of its own, so that the scale's file stays one number.
#include "warning_setting.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/engine.h"
#include "common/window_scale.h"

namespace kvelt::fltk {
namespace {

constexpr const char* kOff = "off\n";

std::filesystem::path settingPath() {
  const std::string scale =
      layout::scaleSettingPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (scale.empty()) return {};
  return std::filesystem::path(scale).parent_path() / "warnings";
}

}  // namespace

bool rememberedWarnings() {
  const std::filesystem::path path = settingPath();
  if (path.empty()) return true;
  std::string text;
  if (!systemFiles().read(path.string(), text).isOk()) return true;
  return text.rfind("off", 0) != 0;
}

void rememberWarnings(bool on) {
  const std::filesystem::path path = settingPath();
  if (path.empty()) return;
  std::error_code error;
  if (on) {
    std::filesystem::remove(path, error);
    return;
  }
  std::filesystem::create_directories(path.parent_path(), error);
  (void)systemFiles().replace(path.string(), kOff);
}

}  // namespace kvelt::fltk
