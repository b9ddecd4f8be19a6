// UTF-8 to UTF-16 and back, for the wide Windows calls (paths, window texts).
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// Malformed UTF-8 becomes U+FFFD; unpaired surrogates become U+FFFD on the way back.
std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace kvelt
