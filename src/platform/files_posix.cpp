// File access on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "shell/files.h"

namespace kvelt {
namespace {

std::string describe(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

class PosixFiles : public Files {
 public:
  Status read(const std::string& path, std::string& content) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Status::error(describe(path, errno));
    std::string data;
    char buffer[65536];
    for (;;) {
      ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0) {
        if (errno == EINTR) continue;
        int error = errno;
        ::close(fd);
        return Status::error(describe(path, error));
      }
      if (got == 0) break;
      data.append(buffer, std::size_t(got));
    }
    ::close(fd);
    content = std::move(data);
    return Status::ok();
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
