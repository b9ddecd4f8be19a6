// What a turn added to the page, for a screen reader: the page itself repeats the room on every
// turn, and reading it all again after each line buries the answer.
#pragma once

#include <string>
#include <string_view>

namespace kvelt::web {

// The part of `after` (the page after a turn, lines ended by CR LF or LF) that is new against
// `before`, the page the line was typed on: the whole page when it tells of another place
// (its first line differs), otherwise what follows the list of the ways out. Empty when the
// turn only showed the same place again; lines are joined by LF.
std::string newReply(std::string_view before, std::string_view after);

}  // namespace kvelt::web
