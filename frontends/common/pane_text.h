// The panes' texts as a front end without CR LF shows them.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// The pane's text without the empty lines that free slots leave at its end: the refresh writes
// ten or eleven lines, most of them empty, and shown as they are they would give the small pane
// a scroll range with nothing in it. Empty lines between words stay, as the game left them.
std::string carriedPaneText(std::string_view text3);

// The game keeps CR LF between the lines of its panes, as the text boxes it was written for;
// the line mode and the browser show plain LF.
std::string withNewlines(std::string_view text);

}  // namespace kvelt
