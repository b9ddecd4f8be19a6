// File access for the game: the only way the engine reaches the disk.
#pragma once

#include <map>
#include <string>

#include "shell/status.h"

namespace kvelt {

class Files {
 public:
  virtual ~Files() = default;
  // The whole content of a file. The string's room is reused: reading into the same string
  // again allocates nothing. After a failure its bytes mean nothing.
  virtual Status read(const std::string& path, std::string& content) = 0;
  // Replaces the file with exactly `content`, or leaves the old file untouched: the bytes go to
  // a temporary file beside it first, which is then moved over the old one.
  virtual Status replace(const std::string& path, const std::string& content) = 0;
};

// The real disk of the machine the game runs on.
Files& systemFiles();

// Joins a directory and a file name with the platform's separator.
std::string joinPath(const std::string& dir, const std::string& name);

// Files kept in memory, for tests.
class MemoryFiles : public Files {
 public:
  Status read(const std::string& path, std::string& content) override {
    auto it = files.find(path);
    if (it == files.end()) return Status::error(path + ": no such file");
    content = it->second;
    return Status::ok();
  }
  Status replace(const std::string& path, const std::string& content) override {
    if (readOnly) return Status::error(path + ": read-only");
    files[path] = content;
    return Status::ok();
  }
  std::map<std::string, std::string> files;
  bool readOnly = false;
};

}  // namespace kvelt
