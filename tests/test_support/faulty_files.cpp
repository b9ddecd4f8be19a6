// Fault injection for the file interface: the n-th operation fails or the program dies there.
#include "test_support/faulty_files.h"

namespace kvelt::testing {

FaultyFiles::Hit FaultyFiles::next(const char* kind) {
  ++points;
  kinds.push_back(kind);
  if (points == killAt) return Hit::kill;
  return failAt.count(points) > 0 ? Hit::fail : Hit::none;
}

Status FaultyFiles::failed(const std::string& path) const {
  return Status::error(path + ": injected fault at point " + std::to_string(points));
}

Status FaultyFiles::read(const std::string& path, std::string& content, std::size_t limit,
                         Links links) {
  Hit hit = next("read");
  if (hit == Hit::kill) throw Killed{};
  if (hit == Hit::fail) return failed(path);
  return inner_.read(path, content, limit, links);
}

Status FaultyFiles::create(const std::string& path, const std::string& content) {
  Hit hit = next("write");
  if (hit != Hit::none) {
    (void)inner_.create(path, content.substr(0, content.size() / 2));
    if (hit == Hit::kill) throw Killed{};
    return failed(path);
  }
  hit = next("sync");
  if (hit != Hit::none) {
    (void)inner_.create(path, content);
    if (hit == Hit::kill) throw Killed{};
    return failed(path);
  }
  return inner_.create(path, content);
}

Status FaultyFiles::rename(const std::string& from, const std::string& to) {
  Hit hit = next("rename");
  if (hit == Hit::kill) throw Killed{};
  if (hit == Hit::fail) return failed(to);
  return inner_.rename(from, to);
}

Status FaultyFiles::remove(const std::string& path) {
  Hit hit = next("write");
  if (hit == Hit::kill) throw Killed{};
  if (hit == Hit::fail) return failed(path);
  return inner_.remove(path);
}

Status FaultyFiles::syncDir(const std::string& dir) {
  Hit hit = next("sync");
  if (hit == Hit::kill) throw Killed{};
  if (hit == Hit::fail) return failed(dir);
  return inner_.syncDir(dir);
}

Status FaultyFiles::list(const std::string& dir, std::vector<DirEntry>& entries) {
  Hit hit = next("read");
  if (hit == Hit::kill) throw Killed{};
  if (hit == Hit::fail) return failed(dir);
  return inner_.list(dir, entries);
}

}  // namespace kvelt::testing
