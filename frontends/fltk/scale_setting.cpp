// The window's scale factor in $XDG_CONFIG_HOME/kvelt/scale: one line, the factor in per cent.
#include "scale_setting.h"

#include <cstdlib>
#include <filesystem>

#include "common/engine.h"
#include "common/replace_file.h"
#include "common/window_scale.h"

namespace kvelt::fltk {
namespace {

std::string settingPath() {
  return layout::scaleSettingPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace

std::optional<int> rememberedScale() {
  const std::string path = settingPath();
  if (path.empty()) return std::nullopt;
  std::string text;
  if (!systemFiles().read(path, text).isOk()) return std::nullopt;
  return layout::parseScale(text);
}

void rememberScale(std::optional<int> percent) {
  const std::string path = settingPath();
  if (path.empty()) return;
  std::error_code error;
  if (!percent) {
    std::filesystem::remove(path, error);
    return;
  }
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  (void)replaceFile(systemFiles(), path, layout::formatScale(*percent));
}

}  // namespace kvelt::fltk
