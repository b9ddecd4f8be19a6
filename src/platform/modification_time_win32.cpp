// The time of the last write on Windows, through the wide call that takes every name.
#include <sys/stat.h>

#include "platform/modification_time.h"
#include "platform/utf16_win32.h"

namespace kvelt {

std::optional<std::time_t> modificationTime(const std::string& path) {
  struct _stat64 info {};
  if (::_wstat64(toUtf16(path).c_str(), &info) != 0) return std::nullopt;
  return std::time_t(info.st_mtime);
}

}  // namespace kvelt
