// Windows-1250 conversion through iconv.
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "base/utf8.h"
#include "platform/codepage.h"

namespace kvelt {
namespace {

// iconv_open reports failure as (iconv_t)-1, a pointer made from an integer.
bool isOpen(iconv_t cd) {
  return cd != reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
}

// Converts with iconv; on a sequence it cannot convert, appends `replacement` and skips
// `skip(input)` bytes, so that one bad byte never loses the rest of the text. The descriptor is
// opened once per direction and reset for each text: opening one looks the code page up anew,
// which cost more than converting a catalogue line.
template <typename Skip>
std::string convert(iconv_t cd, std::string_view input, std::size_t maxGrowth,
                    std::string_view replacement, Skip skip) {
  if (!isOpen(cd)) return std::string(input);
  ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
  // Room for the whole result at once, so that iconv writes straight into the string.
  std::string output(input.size() * maxGrowth + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t used = 0;
  while (inLeft > 0) {
    char* out = output.data() + used;
    std::size_t outLeft = output.size() - used;
    std::size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    used = std::size_t(out - output.data());
    if (result != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) {
      output.resize(output.size() * 2);
    } else {
      // EILSEQ or EINVAL: an unconvertible or cut-off sequence.
      if (output.size() - used < replacement.size()) output.resize(output.size() * 2);
      std::memcpy(output.data() + used, replacement.data(), replacement.size());
      used += replacement.size();
      std::size_t n = skip(std::string_view(in, inLeft));
      in += n;
      inLeft -= n;
      ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  output.resize(used);
  return output;
}

// The bytes of the character at the start of `rest`: a malformed sequence is skipped a byte at a
// time, as every other reader of the game's text reads it.
std::size_t utf8SequenceLength(std::string_view rest) {
  return firstUtf8Character(rest).length;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
  // A byte of a single-byte code page always stands for the same character, so iconv is asked
  // once for each of the 256 and the catalogue lines go through that table: asking iconv for
  // every line cost more than finding the line in the file.
  struct Utf8Bytes {
    char bytes[4];
    std::size_t size;
  };
  static const std::array<Utf8Bytes, 256> table = [] {
    // All 256 bytes in one text; each comes out as one character, so the result splits into
    // the table at the UTF-8 lead bytes.
    std::string all(256, '\0');
    for (int byte = 0; byte < 256; ++byte) all[std::size_t(byte)] = char(byte);
    const iconv_t cd = ::iconv_open("UTF-8", "WINDOWS-1250");
    std::array<Utf8Bytes, 256> result{};
    if (!isOpen(cd)) {
      // No converter: the bytes pass unchanged, as every other text does then.
      for (std::size_t byte = 0; byte < 256; ++byte) result[byte] = {{all[byte]}, 1};
      return result;
    }
    // Every byte becomes at most three: U+FFFD and the letters beyond U+07FF take three.
    const std::string utf8 =
        convert(cd, all, 3, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t(1); });
    ::iconv_close(cd);
    std::string_view rest = utf8;
    for (Utf8Bytes& entry : result) {
      entry.size = rest.empty() ? 0 : std::min(utf8SequenceLength(rest), sizeof entry.bytes);
      rest.copy(entry.bytes, entry.size);
      rest.remove_prefix(entry.size);
    }
    return result;
  }();
  std::string output(bytes.size() * 3 + 1, '\0');  // + 1: each byte copies four
  char* out = output.data();
  for (char byte : bytes) {
    const Utf8Bytes& entry = table[static_cast<unsigned char>(byte)];
    std::memcpy(out, entry.bytes, sizeof entry.bytes);
    out += entry.size;
  }
  output.resize(std::size_t(out - output.data()));
  return output;
}

std::string utf8ToCp1250(std::string_view text) {
  static const iconv_t cd = ::iconv_open("WINDOWS-1250", "UTF-8");
  return convert(cd, text, 1, "?", utf8SequenceLength);
}

}  // namespace kvelt
