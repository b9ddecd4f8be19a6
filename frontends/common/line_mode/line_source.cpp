// The plain source of lines: a C stream read line by line.
#include "common/line_mode/line_source.h"

#include "common/standard_streams.h"

namespace kvelt {
namespace {

class StreamLines : public LineSource {
 public:
  explicit StreamLines(std::FILE* in) : in_(in) {}
  // A read error ends the lines as their end does; the stream's error flag tells them apart.
  std::optional<std::string> next() override {
    std::string line;
    if (readBoundedLine(in_, line) != LineRead::line) return std::nullopt;
    return line;
  }

 private:
  std::FILE* in_;
};

}  // namespace

std::unique_ptr<LineSource> streamLines(std::FILE* in) {
  return std::make_unique<StreamLines>(in);
}

}  // namespace kvelt
