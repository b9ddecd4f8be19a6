// The new part of a page: the room's lines are skipped when the room is the one already read.
#include "new_reply.h"

#include <vector>

#include "common/pane_text.h"
#include "world/movement.h"

namespace kvelt::web {
namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

std::string newReply(std::string_view before, std::string_view after) {
  const std::string oldPage = withNewlines(before), newPage = withNewlines(after);
  const std::vector<std::string_view> oldLines = linesOf(oldPage), newLines = linesOf(newPage);
  if (newLines.empty()) return "";
  if (oldLines.empty() || oldLines.front() != newLines.front()) return newPage;
  const std::string_view lead = kWaysOutLead;
  std::size_t first = 0;
  while (first < newLines.size() && newLines[first].substr(0, lead.size()) != lead) ++first;
  // A page of the same place without the ways out is not a room's: read as it is.
  if (first == newLines.size()) return oldPage == newPage ? "" : newPage;
  std::string reply;
  for (std::size_t i = first + 1; i < newLines.size(); ++i) {
    if (!reply.empty()) reply += '\n';
    reply += newLines[i];
  }
  return reply;
}

}  // namespace kvelt::web
