// The services a plan is tried on: the catalogue from memory, no disk, no window, no screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/display_settings.h"
#include "base/files.h"
#include "base/game.h"
#include "base/window.h"

namespace kvelt {

// Serves the one catalogue it was given and refuses everything else, so that a line tried on a
// copy of the game can never write a slot or load one.
class PlanningFiles : public Files {
 public:
  explicit PlanningFiles(std::string catalogue);
  using Files::read;
  Status read(const std::string& path, std::string& content, std::size_t limit,
              Links links) override;
  Status create(const std::string& path, const std::string& content) override;
  Status rename(const std::string& from, const std::string& to) override;
  Status remove(const std::string& path) override;
  Status syncDir(const std::string& dir) override;
  Status list(const std::string& dir, std::vector<DirEntry>& entries) override;
  Status lockFolder(const std::string& dir, std::unique_ptr<FolderLock>& lock) override;
  std::string processTag() override { return "plan"; }
  bool otherProgramRunning(const std::string&) override { return false; }

 private:
  std::string catalogue_;
  std::string cataloguePath_;
};

// A window nobody sees.
class SilentWindow : public Window {
 public:
  void setInputBackground(Rgb) override {}
  void close() override {}
  void notice(std::string_view) override {}
};

// Everything a copy of the game needs to play lines in private.
class PlanningPlatform {
 public:
  explicit PlanningPlatform(std::string catalogue);
  PlanningPlatform(const PlanningPlatform&) = delete;
  PlanningPlatform& operator=(const PlanningPlatform&) = delete;
  // A copy of `game` that plays on these services.
  Game copyOf(const Game& game) const;
  const Platform& platform() const { return platform_; }

 private:
  PlanningFiles files_;
  SilentWindow window_;
  NullDisplay display_;
  Platform platform_;
};

// The catalogue as the live game reads it, or empty when it cannot be read.
std::string readCatalogue(const Game& game);

}  // namespace kvelt
