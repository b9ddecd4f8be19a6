// The five bytes that Windows-1250 leaves undefined. The browser and Windows pass them through
// as the control characters of the same number; the game reads them as U+FFFD, as iconv does.
#pragma once

#include <array>

namespace kvelt {

inline constexpr std::array<unsigned char, 5> kCp1250UndefinedBytes = {0x81, 0x83, 0x88, 0x90,
                                                                       0x98};

constexpr bool isCp1250Undefined(unsigned char byte) {
  for (unsigned char undefined : kCp1250UndefinedBytes) {
    if (byte == undefined) return true;
  }
  return false;
}

}  // namespace kvelt
