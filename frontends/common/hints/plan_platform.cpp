// The services a plan is tried on.
#include "common/hints/plan_platform.h"

#include <utility>

#include "text/catalogue.h"

namespace kvelt {
namespace {

constexpr const char* kPlanDir = "plan";
const char* const kRefused = "a plan neither saves nor loads";

}  // namespace

PlanningFiles::PlanningFiles(std::string catalogue)
    : catalogue_(std::move(catalogue)), cataloguePath_(joinPath(kPlanDir, kCatalogueFileName)) {}

Status PlanningFiles::read(const std::string& path, std::string& content, std::size_t limit,
                           Links) {
  if (path != cataloguePath_ || catalogue_.size() > limit) return Status::error(kRefused);
  content = catalogue_;
  return Status::ok();
}
Status PlanningFiles::create(const std::string&, const std::string&) {
  return Status::error(kRefused);
}
Status PlanningFiles::rename(const std::string&, const std::string&) {
  return Status::error(kRefused);
}
Status PlanningFiles::remove(const std::string&) {
  return Status::error(kRefused);
}
Status PlanningFiles::syncDir(const std::string&) {
  return Status::error(kRefused);
}
Status PlanningFiles::list(const std::string&, std::vector<DirEntry>& entries) {
  entries.clear();
  return Status::error(kRefused);
}
Status PlanningFiles::lockFolder(const std::string&, std::unique_ptr<FolderLock>& lock) {
  lock.reset();
  return Status::error(kRefused);
}

PlanningPlatform::PlanningPlatform(std::string catalogue)
    : files_(std::move(catalogue)),
      platform_{&window_, &display_, &files_, kPlanDir, std::string(kPlanDir) + "-no-saves"} {}

Game PlanningPlatform::copyOf(const Game& game) const {
  Game copy = game;
  copy.platform = platform_;
  return copy;
}

std::string readCatalogue(const Game& game) {
  std::string content;
  if (game.platform.files == nullptr) return content;
  Status status =
      game.platform.files->read(joinPath(game.platform.programDir, kCatalogueFileName), content);
  if (!status.isOk()) content.clear();
  return content;
}

}  // namespace kvelt
