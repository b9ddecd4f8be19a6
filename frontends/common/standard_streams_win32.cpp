// Standard streams and appending on Windows: no signals come with a pipe or a file's size there.
#include <cstdio>

#include "common/standard_streams.h"
#include "platform/utf16_win32.h"

namespace kvelt {

bool prepareStandardStreams(const char*, NeedsOutput) {
  return true;
}

std::FILE* openForAppend(const std::string& path) {
  // The path is UTF-8. Converted by hand rather than by std::filesystem, whose conversions bring
  // the C++ locales, most of a megabyte, into kvelt.exe.
  return ::_wfopen(toUtf16(path).c_str(), L"ab");
}

bool terminalGone() {
  return false;
}

}  // namespace kvelt
