// Errors as values: the result of an operation that can fail.
#pragma once

#include <string>
#include <utility>

namespace kvelt {

class [[nodiscard]] Status {
 public:
  static Status ok() { return Status(); }
  static Status error(std::string message) { return Status(std::move(message)); }
  bool isOk() const { return !failed_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
  bool failed_ = false;
  std::string message_;
};

}  // namespace kvelt
