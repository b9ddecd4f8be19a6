// How large a window that scales draws the layout.
#include "common/window_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kvelt::layout {

int defaultScale(double dotsPerInch, int screenWidth, int screenHeight) {
  int percent = kMinScale;
  if (dotsPerInch > 0) {
    const double asked = dotsPerInch * 100.0 / kLayoutDotsPerInch;
    percent = static_cast<int>(std::lround(asked / kScaleStep)) * kScaleStep;
  }
  return fittingScale(std::clamp(percent, kMinScale, kMaxScale), screenWidth, screenHeight);
}

int fittingScale(int percent, int workWidth, int workHeight, int frameWidth, int frameHeight) {
  percent = std::clamp(percent, kMinScale, kMaxScale);
  while (percent > kMinScale && workWidth > 0 && workHeight > 0 &&
         (scaled(kWindowWidth, percent) + frameWidth > workWidth ||
          scaled(kWindowHeight, percent) + frameHeight > workHeight)) {
    percent -= kScaleStep;
  }
  return percent;
}

std::string scaleStatus(int percent, bool largestThatFits) {
  std::string text = "Velikost okna " + std::to_string(percent) + " %";
  if (largestThatFits) text += ", větší se na obrazovku nevejde";
  return text + ". Ctrl+0 vrátí výchozí velikost.";
}

int stepScale(int percent, int direction) {
  return std::clamp(percent + direction * kScaleStep, kMinScale, kMaxScale);
}

std::optional<int> parseScale(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  int percent = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  if (percent < kMinScale || percent > kMaxScale) return std::nullopt;
  return percent;
}

std::string formatScale(int percent) {
  return std::to_string(percent) + "\n";
}

int scaled(int length, int percent) {
  return static_cast<int>(std::lround(length * percent / 100.0));
}

Box scaled(Box box, int percent) {
  const int left = scaled(box.x, percent), top = scaled(box.y, percent);
  return {left, top, scaled(box.x + box.w, percent) - left, scaled(box.y + box.h, percent) - top};
}

std::string scaleSettingPath(const char* xdgConfigHome, const char* home) {
  std::string base;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    base = xdgConfigHome;
  } else if (home != nullptr && home[0] != '\0') {
    base = std::string(home) + "/.config";
  } else {
    return "";
  }
  return base + "/kvelt/scale";
}

}  // namespace kvelt::layout
