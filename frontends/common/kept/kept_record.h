// The game record as bytes for the kept game: every field, or only those that differ from
// another record.
#pragma once

#include <string>
#include <string_view>

#include "base/game.h"

namespace kvelt {

// Appends to `out` the fields of `record` that differ from `base`. Against Game{} that is the
// whole record in a few hundred bytes, since most of its slots are empty.
void appendRecordDiff(std::string& out, const Game& base, const Game& record);

// Reads one diff from `in` (advancing it) into `record`, which holds the base. False when the
// bytes are not a diff this version wrote; `record` then means nothing.
bool readRecordDiff(std::string_view& in, Game& record);

// The little-endian numbers and counted strings the kept file is made of.
void appendNumber(std::string& out, std::uint64_t value);
void appendText(std::string& out, std::string_view text);
bool readNumber(std::string_view& in, std::uint64_t& value);
bool readText(std::string_view& in, std::string& text);

}  // namespace kvelt
