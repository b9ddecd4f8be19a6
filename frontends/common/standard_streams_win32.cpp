// Standard streams and appending on Windows: no signals come with a pipe or a file's size there.
#include <cstdio>
#include <filesystem>

#include "common/standard_streams.h"

namespace kvelt {

bool prepareStandardStreams(const char*, NeedsOutput) {
  return true;
}

std::FILE* openForAppend(const std::string& path) {
  // The path is UTF-8; a char8_t path keeps it so.
  const std::filesystem::path name(std::u8string(path.begin(), path.end()));
  return ::_wfopen(name.c_str(), L"ab");
}

bool terminalGone() {
  return false;
}

}  // namespace kvelt
