// Windows-1250 conversion in the browser, from the browser's own code page tables.
#include <emscripten/emscripten.h>

#include <array>
#include <map>

#include "base/utf8.h"
#include "platform/codepage.h"
#include "platform/cp1250_undefined.h"

namespace kvelt {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character that the browser's windows-1250 decoder gives the byte.
// clang-format off
EM_JS(int, decodeCp1250Byte, (int byte), {
  return new TextDecoder("windows-1250").decode(new Uint8Array([byte])).codePointAt(0);
});
// clang-format on

// The C library's iconv would do this too, but it brings the tables of every Asian code page
// into the page: 140 KB that a player would download for nothing.
const std::array<char32_t, 256>& byteTable() {
  static const std::array<char32_t, 256> table = [] {
    std::array<char32_t, 256> result{};
    for (int byte = 0; byte < 256; ++byte) {
      result[std::size_t(byte)] = isCp1250Undefined(static_cast<unsigned char>(byte))
                                      ? kReplacementCharacter
                                      : char32_t(decodeCp1250Byte(byte));
    }
    return result;
  }();
  return table;
}

const std::map<char32_t, char>& characterTable() {
  static const std::map<char32_t, char> table = [] {
    std::map<char32_t, char> result;
    const std::array<char32_t, 256>& bytes = byteTable();
    for (int byte = 0; byte < 256; ++byte) {
      if (bytes[std::size_t(byte)] != kReplacementCharacter) {
        result.emplace(bytes[std::size_t(byte)], char(byte));
      }
    }
    return result;
  }();
  return table;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
  const std::array<char32_t, 256>& table = byteTable();
  std::u32string text;
  text.reserve(bytes.size());
  for (char byte : bytes) text += table[static_cast<unsigned char>(byte)];
  return encodeUtf8(text);
}

std::string utf8ToCp1250(std::string_view text) {
  // Malformed UTF-8 arrives here as U+FFFD, which Windows-1250 cannot hold either.
  const std::map<char32_t, char>& table = characterTable();
  std::string out;
  out.reserve(text.size());
  for (char32_t character : decodeUtf8(text)) {
    auto found = table.find(character);
    out += found != table.end() ? found->second : '?';
  }
  return out;
}

}  // namespace kvelt
