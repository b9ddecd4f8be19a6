// When a file was last written, by a UTF-8 path on every system.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace kvelt {

// Seconds since 1970 (UTC) of the last write; nothing when the file cannot be looked at. The C
// library's stat, not std::filesystem: on Windows the latter's paths bring the C++ locale
// machinery into the program, half a megabyte that nothing else uses.
std::optional<std::time_t> modificationTime(const std::string& path);

}  // namespace kvelt
