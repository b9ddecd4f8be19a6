// Tests of the Windows-1250 conversion: every byte reads as iconv itself reads it.
#include <gtest/gtest.h>
#include <iconv.h>

#include "platform/codepage.h"

namespace kvelt {
namespace {

// iconv's own answer for one byte, U+FFFD where it has none.
std::string iconvReads(char byte) {
  iconv_t cd = ::iconv_open("UTF-8", "WINDOWS-1250");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {byte};
  char out[8] = {};
  char* inp = in;
  char* outp = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  std::size_t result = ::iconv(cd, &inp, &inLeft, &outp, &outLeft);
  ::iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) return "\uFFFD";
  return std::string(out, std::size_t(outp - out));
}

TEST(CodepageTest, EveryByteReadsAsIconvReadsItAloneAndInAText) {
  std::string all;
  std::string expected;
  int roundTrips = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, char(byte));
    EXPECT_EQ(cp1250ToUtf8(one), iconvReads(char(byte))) << byte;
    if (utf8ToCp1250(cp1250ToUtf8(one)) == one) ++roundTrips;
    all += one;
    expected += iconvReads(char(byte));
  }
  EXPECT_EQ(cp1250ToUtf8(all + all), expected + expected);
  EXPECT_EQ(roundTrips, 251);  // all but the five undefined bytes
}

TEST(CodepageTest, KnownLettersBothWays) {
  const struct {
    std::string bytes;
    std::string utf8;
  } rows[] = {
      {"P\xF8\xED\x6C\x69\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2", "Příliš žluťoučký kůň"},
      {"\x80", "€"},
      {"\x81\x83\x88\x90\x98", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {"", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(cp1250ToUtf8(row.bytes), row.utf8);
    if (row.utf8.find("\uFFFD") == std::string::npos) {
      EXPECT_EQ(utf8ToCp1250(row.utf8), row.bytes);
    }
  }
  EXPECT_EQ(utf8ToCp1250("a\xF0\x9F\x98\x80"
                         "b"),
            "a?b");
  EXPECT_EQ(utf8ToCp1250("ž\xC3"), "\x9E?");
  EXPECT_EQ(utf8ToCp1250("a\xC0\xAFz"), "a??z");  // an overlong form: a "?" for each byte
}

}  // namespace
}  // namespace kvelt
