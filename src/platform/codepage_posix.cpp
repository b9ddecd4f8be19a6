// Windows-1250 conversion through iconv.
#include <iconv.h>

#include <cerrno>

#include "platform/codepage.h"

namespace kvelt {
namespace {

// Converts with iconv; on a sequence it cannot convert, appends `replacement` and skips
// `skip(input)` bytes, so that one bad byte never loses the rest of the text.
template <typename Skip>
std::string convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, Skip skip) {
  iconv_t cd = ::iconv_open(to, from);
  // iconv_open reports failure as (iconv_t)-1, a pointer made from an integer.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  std::string output;
  output.reserve(input.size() * 2);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, std::size_t(out - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // EILSEQ or EINVAL: an unconvertible or cut-off sequence.
      output.append(replacement);
      std::size_t n = skip(std::string_view(in, inLeft));
      in += n;
      inLeft -= n;
      ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  ::iconv_close(cd);
  return output;
}

std::size_t utf8SequenceLength(std::string_view rest) {
  unsigned char lead = static_cast<unsigned char>(rest[0]);
  std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  std::size_t i = 1;
  while (i < n && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80) ++i;
  return i;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
  return convert("UTF-8", "WINDOWS-1250", bytes, "\xEF\xBF\xBD",
                 [](std::string_view) { return std::size_t(1); });
}

std::string utf8ToCp1250(std::string_view text) {
  return convert("WINDOWS-1250", "UTF-8", text, "?", utf8SequenceLength);
}

}  // namespace kvelt
