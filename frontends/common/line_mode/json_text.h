// JSON strings for the line mode's transcript, escaped exactly as nlohmann::json escapes them.
#pragma once

#include <string>
#include <string_view>

namespace kvelt {

// Appends `text` as a JSON string in quotes. Well-formed UTF-8 (everything the game prints) is
// escaped here in one pass; anything else, such as a hostile input line, goes through
// nlohmann::json, which replaces the bytes that are not UTF-8.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace kvelt
