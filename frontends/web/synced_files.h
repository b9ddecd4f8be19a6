// The browser's files: the engine's own file access, remembering that the save folder changed
// so that the page copies it into the browser's lasting storage.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/files.h"

namespace kvelt::web {

class SyncedFiles : public Files {
 public:
  explicit SyncedFiles(Files& disk) : disk_(disk) {}
  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit,
              Links links) override {
    return disk_.read(path, content, limit, links);
  }
  Status replace(const std::string& path, const std::string& content) override {
    return noted(disk_.replace(path, content));
  }
  Status create(const std::string& path, const std::string& content) override {
    return noted(disk_.create(path, content));
  }
  Status rename(const std::string& from, const std::string& to) override {
    return noted(disk_.rename(from, to));
  }
  Status remove(const std::string& path) override { return noted(disk_.remove(path)); }
  Status syncDir(const std::string& dir) override { return disk_.syncDir(dir); }
  Status list(const std::string& dir, std::vector<DirEntry>& entries) override {
    return disk_.list(dir, entries);
  }
  Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>& lock) override {
    return disk_.lockFolder(dir, lock);
  }
  std::string processTag() override { return disk_.processTag(); }
  bool otherProgramRunning(const std::string& tag) override {
    return disk_.otherProgramRunning(tag);
  }
  // Whether a file was written, renamed or removed since the last call.
  bool takeWritten() {
    bool written = written_;
    written_ = false;
    return written;
  }

 private:
  Status noted(Status status) {
    if (status.isOk()) written_ = true;
    return status;
  }

  Files& disk_;
  bool written_ = false;
};

}  // namespace kvelt::web
