// UTF-8 and UTF-16 through MultiByteToWideChar and WideCharToMultiByte.
#include "platform/utf16_win32.h"

#include <windows.h>

namespace kvelt {

std::wstring toUtf16(std::string_view text) {
  if (text.empty()) return {};
  int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(std::size_t(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), size);
  return wide;
}

std::string toUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                   nullptr);
  std::string narrow(std::size_t(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(), size, nullptr,
                        nullptr);
  return narrow;
}

}  // namespace kvelt
