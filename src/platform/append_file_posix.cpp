// Appending on POSIX systems, where a path is already the bytes of its UTF-8 name.
#include "platform/append_file.h"

namespace kvelt {

std::FILE* openForAppend(const std::string& path) {
  return std::fopen(path.c_str(), "ab");
}

}  // namespace kvelt
