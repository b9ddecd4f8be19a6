// Files kept in memory, so tests run the game's disk work without a disk.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/files.h"

namespace kvelt {

// Paths are joined with '/'.
class MemoryFiles : public Files {
 public:
  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit, Links) override {
    auto it = files.find(path);
    if (it == files.end()) return Status::error(StatusKind::notFound, path + ": no such file");
    if (it->second.size() > limit) return Status::error(StatusKind::corrupt, path + ": too large");
    content = it->second;
    return Status::ok();
  }
  Status create(const std::string& path, const std::string& content) override {
    if (readOnly) return Status::error(path + ": read-only");
    if (!files.emplace(path, content).second) return Status::error(path + ": exists");
    return Status::ok();
  }
  Status rename(const std::string& from, const std::string& to) override {
    auto it = files.find(from);
    if (it == files.end()) return Status::error(from + ": no such file");
    if (readOnly) return Status::error(from + ": read-only");
    std::string content = std::move(it->second);
    files.erase(it);
    files[to] = std::move(content);
    return Status::ok();
  }
  Status remove(const std::string& path) override {
    if (readOnly && files.count(path) > 0) return Status::error(path + ": read-only");
    files.erase(path);
    return Status::ok();
  }
  Status syncDir(const std::string&) override { return Status::ok(); }
  Status list(const std::string& dir, std::vector<DirEntry>& entries) override {
    entries.clear();
    const std::string prefix = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    for (const auto& [path, content] : files) {
      if (path.compare(0, prefix.size(), prefix) != 0) continue;
      if (path.find('/', prefix.size()) != std::string::npos) continue;
      entries.push_back({path.substr(prefix.size()), false});
    }
    return Status::ok();
  }
  Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>&) override {
    if (busy) return Status::error(StatusKind::busy, dir + ": busy");
    return Status::ok();
  }
  std::string processTag() override { return tag; }
  bool otherProgramRunning(const std::string& other) override {
    return other != tag && running.count(other) > 0;
  }
  std::map<std::string, std::string> files;
  bool readOnly = false;
  bool busy = false;              // another program holds the folder
  std::string tag = "100";        // this program's process number
  std::set<std::string> running;  // the other programs' numbers that are still running
};

}  // namespace kvelt
