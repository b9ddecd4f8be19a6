// Conversion between the game's UTF-8 text and Windows-1250, the code page of its files.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// Bytes that Windows-1250 leaves undefined become U+FFFD.
std::string cp1250ToUtf8(std::string_view bytes);

// Characters that Windows-1250 cannot hold, and malformed UTF-8, become '?'.
std::string utf8ToCp1250(std::string_view text);

}  // namespace kvelt
