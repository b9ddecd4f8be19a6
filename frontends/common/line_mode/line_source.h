// Where the line mode's lines come from: a stream as it is, or a terminal with line editing.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/view.h"

namespace kvelt {

class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line without its end, or nothing at the end of the input.
  virtual std::optional<std::string> next() = 0;
};

// The words that Tab completes from, asked anew at every Tab.
using WordsOnScreen = std::function<std::vector<std::string>()>;

// Lines of `in`, exactly as they come, without the CR of a CR LF: a last line without an end
// still counts, and bytes 0 stay in the line.
std::unique_ptr<LineSource> streamLines(std::FILE* in);

// What becomes of the line being edited after a comfort key.
enum class AfterComfort {
  keepLine,
  emptyLine,  // a new game has begun
  endInput,   // the program must end: the lines end as at the end of the input
};

// A comfort key pressed while a line is being edited. The handler shows what the comfort did,
// on the lines above the one being edited.
using ComfortKeys = std::function<AfterComfort(Comfort which)>;

// Line editing on the terminal, with history, Tab completion and the comfort keys: when
// standard input and standard output are both terminals that can edit a line. Nothing
// otherwise.
std::unique_ptr<LineSource> editedLines(WordsOnScreen words, ComfortKeys comforts);

}  // namespace kvelt
