// The plain source of lines: a stream read line by line.
#include "line_source.h"

#include <istream>

namespace kvelt {
namespace {

class StreamLines : public LineSource {
 public:
  explicit StreamLines(std::istream& in) : in_(in) {}
  std::optional<std::string> next() override {
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  bool prompts() const override { return false; }

 private:
  std::istream& in_;
};

}  // namespace

std::unique_ptr<LineSource> streamLines(std::istream& in) {
  return std::make_unique<StreamLines>(in);
}

}  // namespace kvelt
