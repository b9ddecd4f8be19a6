// The time of the last write on POSIX systems.
#include <sys/stat.h>

#include "platform/modification_time.h"

namespace kvelt {

std::optional<std::time_t> modificationTime(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtime;
}

}  // namespace kvelt
