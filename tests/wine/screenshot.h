// A copy of the screen's top-left corner, for pixel checks and for a person to look at.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kvelt::wine {

class Screenshot {
 public:
  static Screenshot ofScreen(int width, int height);
  COLORREF pixel(int x, int y) const;
  // A 24-bit BMP; the test script turns it into a PNG.
  bool saveBmp(const std::wstring& path) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<unsigned char> rows_;  // bottom-up BGR rows, each padded to 4 bytes
  int stride() const { return (width_ * 3 + 3) & ~3; }
};

}  // namespace kvelt::wine
