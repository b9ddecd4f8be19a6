// The browser's files: the engine's own file access, remembering which files of the save folder
// changed so that the page copies them into the browser's lasting storage.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/engine.h"

namespace kvelt::web {

class SyncedFiles : public Files {
 public:
  explicit SyncedFiles(Files& disk) : disk_(disk) {}
  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit,
              Links links) override {
    return disk_.read(path, content, limit, links);
  }
  Status create(const std::string& path, const std::string& content) override {
    return noted(disk_.create(path, content), path);
  }
  Status rename(const std::string& from, const std::string& to) override {
    return noted(noted(disk_.rename(from, to), from), to);
  }
  Status remove(const std::string& path) override { return noted(disk_.remove(path), path); }
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
  // The names of the files written, renamed or removed since the last call, each once, in the
  // order they were first touched.
  std::vector<std::string> takeWritten() { return std::exchange(written_, {}); }

 private:
  Status noted(Status status, const std::string& path) {
    if (!status.isOk()) return status;
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (std::find(written_.begin(), written_.end(), name) == written_.end()) {
      written_.push_back(name);
    }
    return status;
  }

  Files& disk_;
  std::vector<std::string> written_;
};

}  // namespace kvelt::web
