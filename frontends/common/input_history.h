// The lines sent in this run, recalled with Up and Down in every front end's input line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kvelt {

class InputHistory {
 public:
  // A line sent with Enter. Empty lines and a repeat of the last line are not kept: recalling
  // them again and again would only slow the player down.
  void add(const std::string& line);
  // One line further back; `editing` is what stands in the input line now, given back by
  // newer() when the player returns past the newest line. Nothing when there is no older line.
  std::optional<std::string> older(const std::string& editing);
  // One line nearer; nothing when no line is being recalled.
  std::optional<std::string> newer();

 private:
  std::vector<std::string> lines_;
  std::size_t position_ = 0;  // lines_.size() while nothing is recalled
  std::string draft_;
};

}  // namespace kvelt
