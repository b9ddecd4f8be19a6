// Tests of the transcript's JSON strings: byte for byte what nlohmann::json writes.
#include "common/line_mode/json_text.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>

namespace kvelt {
namespace {

std::string byNlohmann(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string byUs(const std::string& text) {
  std::string out = "kept";
  appendJsonString(out, text);
  EXPECT_EQ(out.substr(0, 4), "kept");
  return out.substr(4);
}

TEST(JsonTextTest, EscapesAsNlohmannJsonDoes) {
  const std::string cases[] = {
      "",
      "Vidíš\r\nDraga\r\nlistinu",
      "quote \" backslash \\ slash / tab \t",
      std::string("\0\x01\x08\x0b\x0c\x1f\x7f", 7),
      "\xC2\x80\xC2\x9F \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD \xF4\x8F\xBF\xBF",
      "\xFF\xFE\x80 bad",       // no UTF-8 at all
      "\xC0\xAF \xE0\x80\xAF",  // overlong forms
      "\xED\xA0\x80",           // a surrogate
      "\xF4\x90\x80\x80",       // beyond U+10FFFF
      "cut off \xC5",           // a sequence cut off at the end
      "\xE2\x82 cut in the middle",
  };
  for (const std::string& text : cases) EXPECT_EQ(byUs(text), byNlohmann(text)) << text;
}

TEST(JsonTextTest, AgreesWithNlohmannJsonOnRandomBytes) {
  std::mt19937 random(19);
  // Bytes drawn mostly from the interesting ranges: controls, ASCII, lead and continuation bytes.
  const std::string alphabet = std::string("\0\r\n\"\\ a\x7f", 9) +
                               "\x80\x8f\x90\x9f\xa0\xbf\xc0\xc1\xc2\xc5\xdf\xe0\xe2\xed\xef"
                               "\xf0\xf4\xf5\xff";
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 12, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    ASSERT_EQ(byUs(text), byNlohmann(text)) << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace kvelt
