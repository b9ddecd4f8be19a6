// The program's directory on Linux, from /proc/self/exe.
#include <filesystem>
#include <system_error>

#include "platform/program_dir.h"

namespace kvelt {

std::string programDir() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe.parent_path().string();
}

}  // namespace kvelt
