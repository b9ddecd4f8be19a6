// The pages of this game, for reading back.
#include "common/page_history.h"

namespace kvelt {

void PageHistory::add(Page page) {
  pages_.push_back(std::move(page));
  if (pages_.size() > limit_) pages_.pop_front();
  shown_.reset();
}

std::optional<Page> PageHistory::dropLatest() {
  shown_.reset();
  if (pages_.empty()) return std::nullopt;
  Page latest = std::move(pages_.back());
  pages_.pop_back();
  return latest;
}

void PageHistory::restore(std::vector<Page> pages) {
  clear();
  const std::size_t skip = pages.size() > limit_ ? pages.size() - limit_ : 0;
  for (std::size_t i = skip; i < pages.size(); ++i) pages_.push_back(std::move(pages[i]));
}

void PageHistory::clear() {
  pages_.clear();
  shown_.reset();
}

bool PageHistory::back() {
  const std::size_t current = shown_.value_or(pages_.empty() ? 0 : pages_.size() - 1);
  if (current == 0) return false;
  shown_ = current - 1;
  return true;
}

bool PageHistory::forward() {
  if (!shown_) return false;
  if (*shown_ + 2 >= pages_.size()) {
    shown_.reset();
  } else {
    ++*shown_;
  }
  return true;
}

const Page* PageHistory::shown() const {
  return shown_ ? &pages_[*shown_] : nullptr;
}

std::string pageHeading(const Page& page) {
  return page.line ? "> " + *page.line : std::string();
}

}  // namespace kvelt
