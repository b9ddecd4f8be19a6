// The kept game's claim on Windows: the lock file opened with no sharing at all, which Windows
// lets go of when the process ends, killed or not.
#include <windows.h>

#include "common/kept/kept_lock.h"
#include "platform/utf16_win32.h"

namespace kvelt {
namespace {

class UnsharedFile : public KeptLock {
 public:
  explicit UnsharedFile(HANDLE file) : file_(file) {}
  ~UnsharedFile() override { ::CloseHandle(file_); }
  UnsharedFile(const UnsharedFile&) = delete;
  UnsharedFile& operator=(const UnsharedFile&) = delete;

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<KeptLock> claimKeptGame(const std::string& path) {
  HANDLE file = ::CreateFileW(toUtf16(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<UnsharedFile>(file);
}

}  // namespace kvelt
