// Windows-1250 conversion through the system's code page tables.
#include <windows.h>

#include <array>

#include "platform/codepage.h"
#include "platform/cp1250_undefined.h"
#include "platform/utf16_win32.h"

namespace kvelt {
namespace {

constexpr UINT kCentralEuropean = 1250;
constexpr wchar_t kReplacementCharacter = 0xFFFD;

const std::array<wchar_t, 256>& byteTable() {
  static const std::array<wchar_t, 256> table = [] {
    std::array<wchar_t, 256> result{};
    for (int byte = 0; byte < 256; ++byte) {
      char in = char(byte);
      wchar_t out = 0;
      int n = ::MultiByteToWideChar(kCentralEuropean, MB_ERR_INVALID_CHARS, &in, 1, &out, 1);
      result[std::size_t(byte)] = n == 1 && !isCp1250Undefined(static_cast<unsigned char>(byte))
                                      ? out
                                      : kReplacementCharacter;
    }
    return result;
  }();
  return table;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
  const std::array<wchar_t, 256>& table = byteTable();
  std::wstring wide;
  wide.reserve(bytes.size());
  for (char byte : bytes) wide += table[static_cast<unsigned char>(byte)];
  return toUtf8(wide);
}

std::string utf8ToCp1250(std::string_view text) {
  // Malformed UTF-8 arrives here as U+FFFD, which Windows-1250 cannot hold either.
  std::wstring wide = toUtf16(text);
  std::string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    // A surrogate pair is one character: one '?'.
    std::size_t units =
        IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]) ? 2 : 1;
    char byte = '?';
    BOOL usedDefault = FALSE;
    int n = ::WideCharToMultiByte(kCentralEuropean, WC_NO_BEST_FIT_CHARS, &wide[i], int(units),
                                  &byte, 1, "?", &usedDefault);
    bool written = n == 1 && !usedDefault && !isCp1250Undefined(static_cast<unsigned char>(byte));
    out += written ? byte : '?';
    i += units - 1;
  }
  return out;
}

}  // namespace kvelt
