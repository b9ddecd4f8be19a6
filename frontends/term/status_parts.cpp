// A status text longer than the status area, split into parts that each fit it.
#include "status_parts.h"

#include <algorithm>

namespace kvelt::term {

std::vector<std::vector<std::u32string>> statusParts(const std::vector<std::u32string>& rows,
                                                     int height) {
  const auto fits = static_cast<std::size_t>(std::max(1, height));
  if (rows.size() <= fits) return {rows};
  // A one-row area has no room for the mark beside the text: it pages row by row.
  const std::size_t textRows = std::max<std::size_t>(1, fits - 1);
  std::vector<std::vector<std::u32string>> parts;
  std::size_t next = 0;
  while (next < rows.size()) {
    const std::size_t left = rows.size() - next;
    const std::size_t take = left <= fits ? left : textRows;
    std::vector<std::u32string> part(rows.begin() + static_cast<std::ptrdiff_t>(next),
                                     rows.begin() + static_cast<std::ptrdiff_t>(next + take));
    next += take;
    if (next < rows.size() && fits > 1) part.emplace_back(kMoreStatus);
    parts.push_back(std::move(part));
  }
  return parts;
}

}  // namespace kvelt::term
