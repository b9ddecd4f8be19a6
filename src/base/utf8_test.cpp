// Tests of reading and writing UTF-8 text as code points.
#include "base/utf8.h"

#include <gtest/gtest.h>

namespace kvelt {
namespace {

TEST(Utf8Test, CzechLettersRoundTrip) {
  const std::string text = "Máš u sebe: žluťoučký kůň ŘÍŠE";
  std::u32string points = decodeUtf8(text);
  EXPECT_EQ(points.size(), 30u);
  EXPECT_EQ(points[1], U'á');
  EXPECT_EQ(encodeUtf8(points), text);
  EXPECT_EQ(encodeUtf8(decodeUtf8("\xF0\x9F\x99\x82")), "\xF0\x9F\x99\x82");
}

TEST(Utf8Test, BrokenBytesBecomeReplacementCharacters) {
  EXPECT_EQ(decodeUtf8("a\xFF"
                       "b"),
            U"a\uFFFDb");
  EXPECT_EQ(decodeUtf8("\xC5"), U"\uFFFD");                      // cut short
  EXPECT_EQ(decodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");            // overlong "/"
  EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // a surrogate
  EXPECT_EQ(encodeUtf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kvelt
