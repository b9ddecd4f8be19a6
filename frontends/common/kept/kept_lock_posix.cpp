// The kept game's claim on POSIX systems: flock, which the system lets go of when the process
// ends, killed or not.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "common/kept/kept_lock.h"

namespace kvelt {
namespace {

class FlockedFile : public KeptLock {
 public:
  explicit FlockedFile(int fd) : fd_(fd) {}
  ~FlockedFile() override { ::close(fd_); }
  FlockedFile(const FlockedFile&) = delete;
  FlockedFile& operator=(const FlockedFile&) = delete;

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<KeptLock> claimKeptGame(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) return nullptr;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<FlockedFile>(fd);
}

}  // namespace kvelt
