// A status text longer than the status area: shown a part at a time, F4 for the next.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvelt::term {

// The row that ends every part but the last, naming the key that shows the next part.
inline constexpr std::u32string_view kMoreStatus = U"… F4 ukáže další část";

// The wrapped status rows split into parts of at most `height` rows each. When the whole text
// fits there is one part; otherwise each part but the last ends with kMoreStatus in place of
// its last text row, so that nothing is lost between two parts.
std::vector<std::vector<std::u32string>> statusParts(const std::vector<std::u32string>& rows,
                                                     int height);

}  // namespace kvelt::term
