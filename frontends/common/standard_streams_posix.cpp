// Standard streams, signals and appending without waiting, on POSIX systems.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include "common/standard_streams.h"

namespace kvelt {

bool prepareStandardStreams(const char* program, NeedsOutput needs) {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  bool outputClosed = false;
  // In order: /dev/null opens on the lowest free number, which is the closed stream's.
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    if (fd == 1) outputClosed = true;
    if (::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd) return false;
  }
  if (outputClosed && needs == NeedsOutput::yes) {
    std::fprintf(stderr, "%s: standard output is closed\n", program);
    return false;
  }
  return true;
}

std::FILE* openForAppend(const std::string& path) {
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
  if (fd < 0) return nullptr;
  // Only the opening must not wait: a reader that is slow to take a page is waited for.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, "a");
  if (file == nullptr) ::close(fd);
  return file;
}

bool terminalGone() {
  pollfd input{0, POLLIN, 0};
  if (::poll(&input, 1, 0) < 0) return errno != EINTR;
  if ((input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return true;
  // Ready to be read with nothing to read: its end.
  int waiting = 0;
  return (input.revents & POLLIN) != 0 && ::ioctl(0, FIONREAD, &waiting) == 0 && waiting == 0;
}

}  // namespace kvelt
