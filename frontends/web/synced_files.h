// The browser's files: the engine's own file access, remembering that a slot was written so
// that the page copies it into the browser's lasting storage.
#pragma once

#include <string>

#include "shell/files.h"

namespace kvelt::web {

class SyncedFiles : public Files {
 public:
  explicit SyncedFiles(Files& disk) : disk_(disk) {}
  Status read(const std::string& path, std::string& content) override {
    return disk_.read(path, content);
  }
  Status replace(const std::string& path, const std::string& content) override {
    Status status = disk_.replace(path, content);
    if (status.isOk()) written_ = true;
    return status;
  }
  // Whether a file was written since the last call.
  bool takeWritten() {
    bool written = written_;
    written_ = false;
    return written;
  }

 private:
  Files& disk_;
  bool written_ = false;
};

}  // namespace kvelt::web
