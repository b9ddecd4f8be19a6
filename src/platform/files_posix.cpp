// File access on POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/files.h"

namespace kvelt {
namespace {

std::string describe(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

StatusKind kindOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return StatusKind::notFound;
    case EACCES:
    case EPERM:
    case ELOOP:  // O_NOFOLLOW met a link
    case EISDIR:
    case ENXIO:  // a socket
    case EFBIG:
      return StatusKind::corrupt;
    default:
      return StatusKind::ioFailure;
  }
}

Status failure(const std::string& path, int error) {
  return Status::error(kindOf(error), describe(path, error));
}

// How long a second program waits for the folder before it says it is busy: a save takes a few
// fsyncs, so anything longer is a program that holds it for good.
constexpr auto kLockWait = std::chrono::seconds(2);
constexpr auto kLockRetry = std::chrono::milliseconds(20);
constexpr const char* kLockName = "kvelt.lock";

// flock belongs to the open file, so closing it is what lets the folder go. The lock file stays:
// removing it would let two programs lock two different files of the same name.
class PosixFolderLock : public FolderLock {
 public:
  explicit PosixFolderLock(int fd) : fd_(fd) {}
  ~PosixFolderLock() override { ::close(fd_); }
  PosixFolderLock(const PosixFolderLock&) = delete;
  PosixFolderLock& operator=(const PosixFolderLock&) = delete;

 private:
  int fd_;
};

// Reads straight into `content`, whose room is kept from the last call: the catalogue is read
// for every message into the same string, so after the first message no byte is allocated or
// copied on our side. Only a regular file of at most `limit` bytes is read: a device such as
// /dev/zero never ends, and a folder or socket holds no text. The size from fstat is only a
// first guess (the file may grow meanwhile); reading goes on to the end, within the limit.
Status readAll(int fd, const std::string& path, std::string& content, std::size_t limit) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return failure(path, errno);
  if (!S_ISREG(info.st_mode))
    return Status::error(StatusKind::corrupt, path + ": not a regular file");
  const auto expected = std::size_t(std::max<off_t>(info.st_size, 0));
  if (expected > limit) return Status::error(StatusKind::corrupt, path + ": too large");
  // One byte more than expected, so that the end of the file is seen by a short read.
  content.resize(std::max<std::size_t>(expected + 1, 4096));
  std::size_t total = 0;
  for (;;) {
    if (total == content.size()) content.resize(content.size() * 2);
    ssize_t got = ::read(fd, content.data() + total, content.size() - total);
    if (got < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      content.clear();
      return failure(path, error);
    }
    if (got == 0) break;
    total += std::size_t(got);
    if (total > limit) {
      return Status::error(StatusKind::corrupt, path + ": too large");  // it grew while we read
    }
  }
  content.resize(total);
  return Status::ok();
}

// Writes all of `content`, however the kernel splits it; false with errno set on a failure.
bool writeAll(int fd, const std::string& content) {
  const char* next = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    ssize_t put = ::write(fd, next, left);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    next += put;
    left -= std::size_t(put);
  }
  return true;
}

class PosixFiles : public Files {
 public:
  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit,
              Links links) override {
    // Without blocking: a FIFO in place of a file would otherwise wait for a writer forever.
    const int noFollow = links == Links::refuse ? O_NOFOLLOW : 0;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | noFollow);
    if (fd < 0) return failure(path, errno);
    Status status = readAll(fd, path, content, limit);
    ::close(fd);
    return status;
  }

  Status create(const std::string& path, const std::string& content) override {
    // O_EXCL: a name that exists, whatever it is (a FIFO, a link), is never opened.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return failure(path, errno);
    if (!writeAll(fd, content)) return fail(fd, path, errno);
    // Saves have always been readable by everyone, whatever the umask.
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return fail(fd, path, errno);
    if (::close(fd) != 0) return failure(path, errno);
    return Status::ok();
  }

  Status rename(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return failure(to, errno);
    return Status::ok();
  }

  Status remove(const std::string& path) override {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return failure(path, errno);
    return Status::ok();
  }

  Status syncDir(const std::string& dir) override {
    const std::string name = dir.empty() ? "." : dir;
    int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return failure(name, errno);
    if (::fsync(fd) != 0) return fail(fd, name, errno);
    ::close(fd);
    return Status::ok();
  }

  Status list(const std::string& dir, std::vector<DirEntry>& entries) override {
    const std::string name = dir.empty() ? "." : dir;
    DIR* folder = ::opendir(name.c_str());
    if (folder == nullptr) return failure(name, errno);
    entries.clear();
    int error = 0;
    for (;;) {
      errno = 0;
      const dirent* entry = ::readdir(folder);
      if (entry == nullptr) {
        error = errno;
        break;
      }
      const std::string entryName = entry->d_name;
      if (entryName == "." || entryName == "..") continue;
      bool directory = entry->d_type == DT_DIR;
      if (entry->d_type == DT_UNKNOWN) {
        struct stat info {};
        directory = ::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                    S_ISDIR(info.st_mode);
      }
      entries.push_back({entryName, directory});
    }
    ::closedir(folder);
    if (error != 0) return failure(name, error);
    return Status::ok();
  }

  Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>& lock) override {
    lock.reset();
    const std::string path = joinPath(dir, kLockName);
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644);
    if (fd < 0) return Status::ok();  // a folder that is read-only, or not there: nothing to guard
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        lock = std::make_unique<PosixFolderLock>(fd);
        return Status::ok();
      }
      if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locks on this disk
      if (std::chrono::steady_clock::now() >= giveUp) {
        ::close(fd);
        return Status::error(StatusKind::busy, path + ": held by another program");
      }
      std::this_thread::sleep_for(kLockRetry);
    }
    ::close(fd);
    return Status::ok();
  }

  std::string processTag() override { return std::to_string(::getpid()); }

  bool otherProgramRunning(const std::string& tag) override {
    char* end = nullptr;
    const long pid = std::strtol(tag.c_str(), &end, 10);
    if (end == tag.c_str() || *end != '\0' || pid <= 0 || pid == long(::getpid())) return false;
    // EPERM: it runs, under another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
  }

 private:
  static Status fail(int fd, const std::string& path, int error) {
    ::close(fd);
    return failure(path, error);
  }
};

}  // namespace

Files& systemFiles() {
  static PosixFiles files;
  return files;
}

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

}  // namespace kvelt
