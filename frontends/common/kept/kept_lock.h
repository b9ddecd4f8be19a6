// The claim of one program on the kept game of a folder, so that two windows never mix their
// games: the later one plays without keeping.
#pragma once

#include <memory>
#include <string>

namespace kvelt {

class KeptLock {
 public:
  virtual ~KeptLock() = default;
};

// Holds `path` (a lock file of its own, beside the kept file, that is never replaced) until
// the lock is destroyed or the program ends, however it ends. Nothing when another program
// holds it, or when the file cannot be made.
std::unique_ptr<KeptLock> claimKeptGame(const std::string& path);

}  // namespace kvelt
