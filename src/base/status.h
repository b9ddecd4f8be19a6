// Errors as values: the result of an operation that can fail, and what kind of failure it was.
#pragma once

#include <string>
#include <utility>

namespace kvelt {

// What went wrong, as far as the player is concerned: an empty slot is not a damaged one, and
// neither is a folder another program is working in.
enum class StatusKind {
  ok,
  notFound,   // the file or folder does not exist
  corrupt,    // it exists but cannot be read as what it should be: not a file, too large, no access
  ioFailure,  // the system failed to read or write it
  busy,       // another program holds the folder
};

class [[nodiscard]] Status {
 public:
  static Status ok() { return Status(); }
  static Status error(std::string message) {
    return Status(StatusKind::ioFailure, std::move(message));
  }
  static Status error(StatusKind kind, std::string message) {
    return Status(kind, std::move(message));
  }
  bool isOk() const { return kind_ == StatusKind::ok; }
  StatusKind kind() const { return kind_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  Status(StatusKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}
  StatusKind kind_ = StatusKind::ok;
  std::string message_;
};

}  // namespace kvelt
