// Cutting the status line between words, so that a long answer (ten slots, the keys with a
// notice) is read in full a part at a time rather than cut off at the window's edge.
#include "status_parts.h"

namespace kvelt::win32 {
namespace {

std::wstring partMark(std::size_t number, std::size_t count) {
  const std::wstring where = std::to_wstring(number) + L"/" + std::to_wstring(count);
  const wchar_t* next = number < count ? L" dál)" : L" od začátku)";
  return L" (" + where + L", " + kNextPartKey + next;
}

bool isBreak(wchar_t c) {
  return c == L' ' || c == L'\n';
}

std::wstring trimmed(const std::wstring& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && isBreak(text[first])) ++first;
  while (last > first && isBreak(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

std::vector<std::wstring> statusParts(const std::wstring& text,
                                      const std::function<bool(const std::wstring&)>& fits) {
  if (fits(text)) return {text};
  // Measured with the widest mark, so that the real one, which is narrower, fits too.
  const std::wstring widest = partMark(99, 99);
  std::vector<std::wstring> parts;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = from;
    for (std::size_t at = from; at <= text.size(); ++at) {
      if (at < text.size() && !isBreak(text[at])) continue;
      if (at > from && !fits(trimmed(text.substr(from, at - from)) + widest)) break;
      end = at;
    }
    // A word longer than the whole room still makes a part, cut off at its edge.
    if (end == from) {
      end = text.find_first_of(L" \n", from + 1);
      if (end == std::wstring::npos) end = text.size();
    }
    const std::wstring part = trimmed(text.substr(from, end - from));
    if (!part.empty()) parts.push_back(part);
    from = end + 1;
  }
  for (std::size_t i = 0; i < parts.size(); ++i) parts[i] += partMark(i + 1, parts.size());
  return parts;
}

}  // namespace kvelt::win32
