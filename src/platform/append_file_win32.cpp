// Appending on Windows, where only the wide calls take every name a UTF-8 path can hold.
#include "platform/append_file.h"
#include "platform/utf16_win32.h"

namespace kvelt {

std::FILE* openForAppend(const std::string& path) {
  return ::_wfopen(toUtf16(path).c_str(), L"ab");
}

}  // namespace kvelt
