// Tests of the comfort keys: a table of chords, each with what it does on an empty line and on
// a line with text.
#include "common/comfort_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace kvelt {
namespace {

struct Row {
  KeyChord key;
  Comfort onEmptyLine;
  Comfort onTypedLine;
};

TEST(ComfortKeysTest, EachChordDoesWhatItsKeyPromises) {
  constexpr bool kCtrl = true, kAlt = true, kShift = true;
  const Row rows[] = {
      {{.letter = 'u', .alt = kAlt}, Comfort::undo, Comfort::undo},
      {{.letter = 'n', .alt = kAlt}, Comfort::newGame, Comfort::newGame},
      {{.letter = 'z', .ctrl = kCtrl}, Comfort::undo, Comfort::none},  // the line's own undo
      {{.letter = 'y', .ctrl = kCtrl}, Comfort::redo, Comfort::redo},
      {{.letter = 'z', .ctrl = kCtrl, .shift = kShift}, Comfort::redo, Comfort::redo},
      {{.f2 = true}, Comfort::savedSlots, Comfort::savedSlots},
      {{.f2 = true, .shift = kShift}, Comfort::none, Comfort::none},
      // AltGr is Ctrl and Alt: it types letters.
      {{.letter = 'u', .ctrl = kCtrl, .alt = kAlt}, Comfort::none, Comfort::none},
      {{.letter = 'z', .ctrl = kCtrl, .alt = kAlt}, Comfort::none, Comfort::none},
      {{.letter = 'u', .alt = kAlt, .shift = kShift}, Comfort::none, Comfort::none},
      {{.letter = 'u'}, Comfort::none, Comfort::none},
      {{.letter = 'z'}, Comfort::none, Comfort::none},
      {{.letter = 'u', .ctrl = kCtrl}, Comfort::none, Comfort::none},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(1, row.key.letter) + (row.key.f2 ? " F2" : "") +
                 (row.key.ctrl ? " ctrl" : "") + (row.key.alt ? " alt" : "") +
                 (row.key.shift ? " shift" : ""));
    EXPECT_EQ(comfortOf(row.key, true), row.onEmptyLine);
    EXPECT_EQ(comfortOf(row.key, false), row.onTypedLine);
  }
}

}  // namespace
}  // namespace kvelt
