// File access on POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "base/files.h"

namespace kvelt {
namespace {

std::string describe(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

// Reads straight into `content`, whose room is kept from the last call: the catalogue is read
// for every message into the same string, so after the first message no byte is allocated or
// copied on our side. Only a regular file of at most `limit` bytes is read: a device such as
// /dev/zero never ends, and a folder or socket holds no text. The size from fstat is only a
// first guess (the file may grow meanwhile); reading goes on to the end, within the limit.
Status readAll(int fd, const std::string& path, std::string& content, std::size_t limit) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return Status::error(describe(path, errno));
  if (!S_ISREG(info.st_mode)) return Status::error(path + ": not a regular file");
  const auto expected = std::size_t(std::max<off_t>(info.st_size, 0));
  if (expected > limit) return Status::error(path + ": too large");
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
      return Status::error(describe(path, error));
    }
    if (got == 0) break;
    total += std::size_t(got);
    if (total > limit) return Status::error(path + ": too large");  // it grew while we read
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
  Status read(const std::string& path, std::string& content, std::size_t limit) override {
    // Without blocking: a FIFO in place of a file would otherwise wait for a writer forever.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return Status::error(describe(path, errno));
    Status status = readAll(fd, path, content, limit);
    ::close(fd);
    return status;
  }

  Status replace(const std::string& path, const std::string& content) override {
    std::string temporary = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Status::error(describe(path, errno));
    if (!writeAll(fd, content)) return abandon(fd, temporary, path, errno);
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return abandon(fd, temporary, path, errno);
    if (::close(fd) != 0) return abandon(-1, temporary, path, errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) return abandon(-1, temporary, path, errno);
    return Status::ok();
  }

  Status create(const std::string& path, const std::string& content) override {
    // O_EXCL: a name that exists, whatever it is (a FIFO, a link), is never opened.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return Status::error(describe(path, errno));
    if (!writeAll(fd, content)) return fail(fd, path, errno);
    // Saves have always been readable by everyone, whatever the umask.
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return fail(fd, path, errno);
    if (::close(fd) != 0) return Status::error(describe(path, errno));
    return Status::ok();
  }

  Status rename(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return Status::error(describe(to, errno));
    return Status::ok();
  }

  Status remove(const std::string& path) override {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
      return Status::error(describe(path, errno));
    }
    return Status::ok();
  }

  Status syncDir(const std::string& dir) override {
    const std::string name = dir.empty() ? "." : dir;
    int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Status::error(describe(name, errno));
    if (::fsync(fd) != 0) return fail(fd, name, errno);
    ::close(fd);
    return Status::ok();
  }

  Status list(const std::string& dir, std::vector<DirEntry>& entries) override {
    const std::string name = dir.empty() ? "." : dir;
    DIR* folder = ::opendir(name.c_str());
    if (folder == nullptr) return Status::error(describe(name, errno));
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
    if (error != 0) return Status::error(describe(name, error));
    return Status::ok();
  }

 private:
  static Status fail(int fd, const std::string& path, int error) {
    ::close(fd);
    return Status::error(describe(path, error));
  }
  static Status fail(int fd, const std::string& path, const char* why) {
    ::close(fd);
    return Status::error(path + ": " + why);
  }

  static Status abandon(int fd, const std::string& temporary, const std::string& path, int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    return Status::error(describe(path, error));
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
