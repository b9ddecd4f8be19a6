// Line splitting for the catalogue and the save files.
#include "text/lines.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kvelt {
namespace {

// The first CR or LF in [at, end), or `end`: sixteen bytes are held against both characters at
// once where the processor allows it (every x86-64 does), one pass where memchr needs one for
// each character.
const char* findLineEnd(const char* at, const char* end) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
    const unsigned mask = unsigned(_mm_movemask_epi8(ends));
    if (mask != 0) return at + __builtin_ctz(mask);
  }
  for (; at < end; ++at) {
    if (*at == '\r' || *at == '\n') return at;
  }
  return end;
#else
  const void* lf = std::memchr(at, '\n', std::size_t(end - at));
  const char* limit = lf != nullptr ? static_cast<const char*>(lf) : end;
  const void* cr = std::memchr(at, '\r', std::size_t(limit - at));
  return cr != nullptr ? static_cast<const char*>(cr) : limit;
#endif
}

// Where the line after the one ending at `lineEnd` begins: a CR LF counts as one line end.
const char* afterLineEnd(const char* lineEnd, const char* end) {
  return *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? lineEnd + 2 : lineEnd + 1;
}

// Where line `count` + 1 begins after the line that begins at `start`, or nullptr when the
// text ends first. Every CR ends a line, and so does every LF that does not follow a CR. The
// lines are counted in blocks of 32 bytes without stopping at each one, since a message may
// have to pass a hundred and more of them.
const char* skipLines(const char* start, const char* end, std::size_t count) {
  const char* at = start;
  // Counts the line end at `p`; true when it was the last one to pass.
  auto passes = [&](const char* p) {
    if (*p == '\n' && p != start && p[-1] == '\r') return false;  // the LF of a CR LF
    return --count == 0;
  };
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - at >= 32; at += 32) {
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16));
    const unsigned lowEnds =
        unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(low, cr), _mm_cmpeq_epi8(low, lf))));
    const unsigned highEnds = unsigned(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(high, cr), _mm_cmpeq_epi8(high, lf))));
    for (std::uint32_t ends = lowEnds | (highEnds << 16); ends != 0; ends &= ends - 1) {
      const char* p = at + __builtin_ctz(ends);
      if (passes(p)) return afterLineEnd(p, end);
    }
  }
#endif
  for (; at < end; ++at) {
    if ((*at == '\r' || *at == '\n') && passes(at)) return afterLineEnd(at, end);
  }
  return nullptr;
}

}  // namespace

bool nextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const char* begin = text.data();
  const char* end = begin + text.size();
  const char* lineEnd = findLineEnd(begin, end);
  line = std::string_view(begin, std::size_t(lineEnd - begin));
  if (lineEnd == end) {
    text = {};
  } else {
    const char* next = afterLineEnd(lineEnd, end);
    text = std::string_view(next, std::size_t(end - next));
  }
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::string_view line;
  while (nextLine(text, line)) lines.push_back(line);
  return lines;
}

std::optional<std::string_view> nthLine(std::string_view text, std::size_t number) {
  if (number == 0) return std::nullopt;
  const char* at = text.data();
  const char* const end = at + text.size();
  if (number > 1) {
    at = skipLines(at, end, number - 1);
    if (at == nullptr) return std::nullopt;
  }
  std::string_view rest(at, std::size_t(end - at));
  std::string_view line;
  if (!nextLine(rest, line)) return std::nullopt;
  return line;
}

}  // namespace kvelt
