// A whole file replaced by a temporary one of this program's own.
#include "common/replace_file.h"

namespace kvelt {

Status replaceFile(Files& files, const std::string& path, const std::string& content) {
  const std::string temporary = path + ".tmp-" + files.processTag();
  // One of ours is left only by an earlier program with the same tag that was killed.
  (void)files.remove(temporary);
  Status written = files.create(temporary, content);
  if (written.isOk()) written = files.rename(temporary, path);
  if (!written.isOk()) (void)files.remove(temporary);
  return written;
}

}  // namespace kvelt
