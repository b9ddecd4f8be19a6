// JSON strings for the transcript: a fast path for well-formed UTF-8, nlohmann::json for the rest.
#include "json_text.h"

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

}  // namespace

bool isWellFormedUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    unsigned char lead = *p;
    if (lead < 0x80) {
      ++p;
      continue;
    }
    std::size_t left = std::size_t(end - p);
    if (lead >= 0xC2 && lead <= 0xDF) {
      if (left < 2 || !isContinuation(p[1])) return false;
      p += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      // E0 needs A0 and up (no overlong form), ED at most 9F (no surrogate).
      unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
      unsigned char high = lead == 0xED ? 0x9F : 0xBF;
      if (left < 3 || p[1] < low || p[1] > high || !isContinuation(p[2])) return false;
      p += 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      // F0 needs 90 and up (no overlong form), F4 at most 8F (nothing beyond U+10FFFF).
      unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
      unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
      if (left < 4 || p[1] < low || p[1] > high || !isContinuation(p[2]) || !isContinuation(p[3])) {
        return false;
      }
      p += 4;
    } else {
      return false;
    }
  }
  return true;
}

void appendJsonString(std::string& out, std::string_view text) {
  if (!isWellFormedUtf8(text)) {
    out += nlohmann::json(std::string(text))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return;
  }
  // Bytes of a multi-byte sequence are all 0x80 and up, so only single bytes need escaping.
  out += '"';
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte != '"' && byte != '\\') continue;
    out.append(text, plain, i - plain);
    appendEscape(out, byte);
    plain = i + 1;
  }
  out.append(text, plain, std::string_view::npos);
  out += '"';
}

}  // namespace kvelt
