// UTF-8 text as code points, for code that must look at letters rather than bytes.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// A byte that does not start a valid sequence becomes U+FFFD, so hostile input cannot derail
// whoever reads the result.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

// One character off the front of `text`, which is not empty, under the same rule: its code point
// and the bytes it takes (one for a byte that does not start a valid sequence).
struct Utf8Character {
  char32_t point;
  std::size_t length;
};
Utf8Character firstUtf8Character(std::string_view text);

}  // namespace kvelt
