// JSON strings for the transcript: a fast path for well-formed UTF-8, nlohmann::json for the rest.
#include "common/line_mode/json_text.h"

#include <array>
#include <nlohmann/json.hpp>

namespace kvelt {
namespace {

// The escape of a byte below 0x20, a quote or a backslash, as nlohmann::json writes it.
void appendEscape(std::string& out, unsigned char byte) {
  switch (byte) {
    case '\b':
      out += "\\b";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\r':
      out += "\\r";
      return;
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    default: {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
}

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The ASCII bytes that a JSON string cannot hold as they are.
constexpr std::array<bool, 128> kNeedsEscape = [] {
  std::array<bool, 128> table{};
  for (int byte = 0; byte < 0x20; ++byte) table[std::size_t(byte)] = true;
  table['"'] = true;
  table['\\'] = true;
  return table;
}();

// The length of the well-formed UTF-8 sequence of two to four bytes at `p` (lead byte 0x80 or
// above), or 0: no stray continuation bytes, no overlong forms, no surrogates, nothing beyond
// U+10FFFF, nothing cut off at the end.
std::size_t sequenceLength(const unsigned char* p, std::size_t left) {
  const unsigned char lead = *p;
  if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && isContinuation(p[1]) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    // E0 needs A0 and up (no overlong form), ED at most 9F (no surrogate).
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
    return left >= 3 && p[1] >= low && p[1] <= high && isContinuation(p[2]) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    // F0 needs 90 and up (no overlong form), F4 at most 8F (nothing beyond U+10FFFF).
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    return left >= 4 && p[1] >= low && p[1] <= high && isContinuation(p[2]) && isContinuation(p[3])
               ? 4
               : 0;
  }
  return 0;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  // Escaped here while the text proves to be well-formed UTF-8 (everything the game prints);
  // at the first byte that is not, what was written is taken back and nlohmann::json, which
  // replaces such bytes, writes the whole string.
  const std::size_t start = out.size();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  out += '"';
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char byte = bytes[i];
    if (byte < 0x80) {
      if (kNeedsEscape[byte]) {
        out.append(text, plain, i - plain);
        appendEscape(out, byte);
        plain = i + 1;
      }
      ++i;
      continue;
    }
    // Bytes of a multi-byte sequence are all 0x80 and up, so they never need escaping.
    const std::size_t length = sequenceLength(bytes + i, text.size() - i);
    if (length == 0) {
      out.resize(start);
      out += nlohmann::json(std::string(text))
                 .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
      return;
    }
    i += length;
  }
  out.append(text, plain, std::string_view::npos);
  out += '"';
}

}  // namespace kvelt
