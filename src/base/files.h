// File access for the game: the only way the engine reaches the disk.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/status.h"

namespace kvelt {

// No file the game reads is anywhere near this big; a larger one is refused rather than read
// into memory.
inline constexpr std::size_t kFileSizeLimit = 16 * 1024 * 1024;

// One name in a folder, and whether it is a folder itself (a folder cannot be renamed over).
struct DirEntry {
  std::string name;
  bool directory = false;
};

class Files {
 public:
  virtual ~Files() = default;
  // The whole content of a regular file of at most `limit` bytes. A folder, FIFO, device or
  // socket, or a larger file, is refused at once, without waiting on it or reading it. The
  // string's room is reused: reading into the same string again allocates nothing. After a
  // failure its bytes mean nothing.
  virtual Status read(const std::string& path, std::string& content, std::size_t limit) = 0;
  Status read(const std::string& path, std::string& content) {
    return read(path, content, kFileSizeLimit);
  }
  // Replaces the file with exactly `content`, or leaves the old file untouched: the bytes go to
  // a temporary file beside it first, which is then moved over the old one.
  virtual Status replace(const std::string& path, const std::string& content) = 0;
  // Creates a file that does not exist yet with exactly `content` and waits until it is on the
  // disk. A path that exists is refused; a failed write may leave part of the file behind.
  virtual Status create(const std::string& path, const std::string& content) = 0;
  // Moves a file onto another name in the same folder, replacing what had that name.
  virtual Status rename(const std::string& from, const std::string& to) = 0;
  // Removes a name; a name that does not exist counts as removed.
  virtual Status remove(const std::string& path) = 0;
  // Waits until the folder's renames, creations and removals are on the disk.
  virtual Status syncDir(const std::string& dir) = 0;
  // The names in a folder.
  virtual Status list(const std::string& dir, std::vector<DirEntry>& entries) = 0;
};

// The real disk of the machine the game runs on.
Files& systemFiles();

// Joins a directory and a file name with the platform's separator.
std::string joinPath(const std::string& dir, const std::string& name);

}  // namespace kvelt
