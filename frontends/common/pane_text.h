// The panes' texts as a front end without CR LF shows them.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// The pane's text without the empty lines that free slots leave at its end: the refresh writes
// ten or eleven lines, most of them empty, and shown as they are they would give the small pane
// a scroll range with nothing in it. Empty lines between words stay, as the game left them.
std::string carriedPaneText(std::string_view text3);

// The game keeps CR LF between the lines of its panes; the line mode, the browser and the Linux
// window show plain LF.
std::string withNewlines(std::string_view text);

// The carried objects one to a line, each ended by LF, without the pane's empty slots: for a
// listener in the line mode.
std::string carriedLines(std::string_view text3);

}  // namespace kvelt
