// Display mode query and switch.
#include "shell/display_mode.h"

namespace kvelt {
namespace {

DevModeA freshRecord() {
  DevModeA mode;
  mode.setField16(DevModeA::kDmSizeOffset, DevModeA::kSize);
  return mode;
}

}  // namespace

ScreenSize currentScreenSize(DisplaySettings& display) {
  DevModeA mode = freshRecord();
  display.enumCurrentSettings(mode);
  return {static_cast<Integer>(mode.field32(DevModeA::kDmPelsWidthOffset)),
          static_cast<Integer>(mode.field32(DevModeA::kDmPelsHeightOffset))};
}

void setDisplayMode(DisplaySettings& display, const Integer& width, const Integer& height) {
  DevModeA mode = freshRecord();
  display.enumCurrentSettings(mode);
  // The 16-bit sizes are widened with their sign: a negative size stays negative.
  mode.setField32(DevModeA::kDmPelsWidthOffset, static_cast<std::uint32_t>(std::int32_t{width}));
  mode.setField32(DevModeA::kDmPelsHeightOffset, static_cast<std::uint32_t>(std::int32_t{height}));
  if (display.changeDisplaySettings(mode, kCdsTest) == kDispChangeSuccessful) {
    display.changeDisplaySettings(mode, kCdsUpdateRegistry);
  }
}

}  // namespace kvelt
