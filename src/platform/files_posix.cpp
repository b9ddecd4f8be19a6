// File access on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "shell/files.h"

namespace kvelt {
namespace {

std::string describe(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

// Reads straight into `content`, whose room is kept from the last call: the catalogue is read
// for every message into the same string, so after the first message no byte is allocated or
// copied on our side. The size from fstat is only a first guess (the file may grow meanwhile,
// and a pipe has none); reading goes on until the end of the file.
Status readAll(int fd, const std::string& path, std::string& content) {
  struct stat info {};
  std::size_t expected = 0;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    expected = std::size_t(info.st_size);
  }
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
  }
  content.resize(total);
  return Status::ok();
}

class PosixFiles : public Files {
 public:
  Status read(const std::string& path, std::string& content) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Status::error(describe(path, errno));
    Status status = readAll(fd, path, content);
    ::close(fd);
    return status;
  }

  Status replace(const std::string& path, const std::string& content) override {
    std::string temporary = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Status::error(describe(path, errno));
    const char* next = content.data();
    std::size_t left = content.size();
    while (left > 0) {
      ssize_t put = ::write(fd, next, left);
      if (put < 0) {
        if (errno == EINTR) continue;
        return abandon(fd, temporary, path, errno);
      }
      next += put;
      left -= std::size_t(put);
    }
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return abandon(fd, temporary, path, errno);
    if (::close(fd) != 0) return abandon(-1, temporary, path, errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) return abandon(-1, temporary, path, errno);
    return Status::ok();
  }

 private:
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
