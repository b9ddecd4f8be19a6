// The plain source of lines: a C stream read line by line.
#include "common/line_mode/line_source.h"

namespace kvelt {
namespace {

class StreamLines : public LineSource {
 public:
  explicit StreamLines(std::FILE* in) : in_(in) {}
  std::optional<std::string> next() override {
    std::string line;
    int c;
    while ((c = std::getc(in_)) != EOF && c != '\n') line += char(c);
    if (c == EOF && line.empty()) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  bool prompts() const override { return false; }

 private:
  std::FILE* in_;
};

}  // namespace

std::unique_ptr<LineSource> streamLines(std::FILE* in) {
  return std::make_unique<StreamLines>(in);
}

}  // namespace kvelt
