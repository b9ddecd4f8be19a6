// The pages of this game, each with the line that produced it, for reading back.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kvelt {

struct Page {
  std::optional<std::string> line;  // nothing for the opening page
  std::string narration;
  std::string carried;
};

// The newest page is the live one; the others can be read back one by one, newest first.
class PageHistory {
 public:
  static constexpr std::size_t kDefaultLimit = 250;
  explicit PageHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}

  // A new live page; reading back ends.
  void add(Page page);
  // The live page goes (its turn was taken back) and the page before it is live again.
  std::optional<Page> dropLatest();
  void clear();

  // One page further back; false at the oldest kept page.
  bool back();
  // One page nearer; reaching the live page ends reading back. False on the live page.
  bool forward();
  void toLive() { shown_.reset(); }
  bool browsing() const { return shown_.has_value(); }
  // The page being read back; nothing on the live page.
  const Page* shown() const;
  std::size_t size() const { return pages_.size(); }
  // Every page, oldest first, for keeping them between runs, and put back from there.
  const std::deque<Page>& all() const { return pages_; }
  void restore(std::vector<Page> pages);

 private:
  std::size_t limit_;
  std::deque<Page> pages_;  // oldest first
  std::optional<std::size_t> shown_;
};

// "> " and the line that produced the page; empty for the opening page.
std::string pageHeading(const Page& page);

}  // namespace kvelt
