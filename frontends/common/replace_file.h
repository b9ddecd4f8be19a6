// Writing a whole small file of the kit's own (the kept game, a setting) so that a crash leaves
// the old file or the new one, never a part of either.
#pragma once

#include <string>

#include "base/files.h"

namespace kvelt {

// Replaces `path` with exactly `content`, or leaves the old file as it was: the bytes go to a
// temporary file of this program's own beside it (`path` + ".tmp-" + its tag), on the disk before
// the name is moved over the old one. The folder itself is not synced.
Status replaceFile(Files& files, const std::string& path, const std::string& content);

}  // namespace kvelt
