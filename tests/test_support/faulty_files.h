// Files that fail, or kill the program, at a chosen point of their work, over any other Files.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/files.h"

namespace kvelt::testing {

// Thrown where the program would have been killed: whatever the files hold then is all that a
// new start finds.
struct Killed {};

// Every read, write, sync and rename is one fault point, counted from 1. A file's creation is
// two: its write (a failing one leaves the first half of the bytes) and its sync (a failing
// one leaves the whole file). A removal counts as a write, listing a folder as a read.
class FaultyFiles : public Files {
 public:
  explicit FaultyFiles(Files& inner) : inner_(inner) {}

  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit,
              Links links) override;
  Status create(const std::string& path, const std::string& content) override;
  Status rename(const std::string& from, const std::string& to) override;
  Status remove(const std::string& path) override;
  Status syncDir(const std::string& dir) override;
  Status list(const std::string& dir, std::vector<DirEntry>& entries) override;
  // Taking the lock is no fault point: a lock that cannot be had is StatusKind::busy.
  Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>& lock) override {
    return inner_.lockFolder(dir, lock);
  }
  std::string processTag() override { return inner_.processTag(); }
  bool otherProgramRunning(const std::string& tag) override {
    return inner_.otherProgramRunning(tag);
  }

  std::set<int> failAt;            // the points that fail
  int killAt = 0;                  // the point at which the program dies; 0 for never
  int points = 0;                  // the points passed so far
  std::vector<std::string> kinds;  // "read", "write", "sync" or "rename", one per point passed

 private:
  enum class Hit { none, fail, kill };
  Hit next(const char* kind);
  Status failed(const std::string& path) const;

  Files& inner_;
};

}  // namespace kvelt::testing
