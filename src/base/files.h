// File access for the game: the only way the engine reaches the disk.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/status.h"

namespace kvelt {

// No file the game reads is anywhere near this big, nor both files of a slot together; more is
// refused rather than read into memory.
inline constexpr std::size_t kFileSizeLimit = 16 * 1024 * 1024;

// Whether a read goes through a symbolic link (or a Windows reparse point) to what it names.
// The game's own files in the save folder are never links: one there was put by someone else.
enum class Links { follow, refuse };

// Keeps every other copy of the game off a folder while it lives.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

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
  // failure its bytes mean nothing. A missing file is StatusKind::notFound; one that is not a
  // regular file, is too large or is refused to us is StatusKind::corrupt.
  virtual Status read(const std::string& path, std::string& content, std::size_t limit,
                      Links links) = 0;
  Status read(const std::string& path, std::string& content, std::size_t limit) {
    return read(path, content, limit, Links::follow);
  }
  Status read(const std::string& path, std::string& content) {
    return read(path, content, kFileSizeLimit, Links::follow);
  }
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
  // Waits a moment for every other program that holds the folder to let go, then holds it until
  // `lock` is destroyed; StatusKind::busy when another still holds it. A folder where no lock
  // can be kept (one nobody may write to, a disk without locks) gives an empty lock and ok: the
  // names of each program's own files still keep two programs apart.
  virtual Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>& lock) = 0;
  // A name for this program that no other program running now has (its process number).
  virtual std::string processTag() = 0;
  // Whether another program that may still be running has this tag; false for our own.
  virtual bool otherProgramRunning(const std::string& tag) = 0;
};

// The real disk of the machine the game runs on.
Files& systemFiles();

// Joins a directory and a file name with the platform's separator.
std::string joinPath(const std::string& dir, const std::string& name);

}  // namespace kvelt
