// JSON strings for the transcript: a fast path for well-formed UTF-8, nlohmann::json for the rest.
#include "common/line_mode/json_text.h"

#include <array>
#include <nlohmann/json.hpp>

#include "common/engine.h"

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

// The ASCII bytes that a JSON string cannot hold as they are.
constexpr std::array<bool, 128> kNeedsEscape = [] {
  std::array<bool, 128> table{};
  for (int byte = 0; byte < 0x20; ++byte) table[std::size_t(byte)] = true;
  table['"'] = true;
  table['\\'] = true;
  return table;
}();

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
    // A byte that does not start a well-formed sequence is read as one byte; a character past
    // ASCII takes two bytes or more.
    const std::size_t length = firstUtf8Character(text.substr(i)).length;
    if (length == 1) {
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
