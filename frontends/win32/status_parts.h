// A status line too long for its room, cut into parts that each fit, shown one at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kvelt::win32 {

// The key that shows the next part, as the parts name it.
inline constexpr wchar_t kNextPartKey[] = L"F4";

// `text` as it stands when `fits` takes it whole; otherwise parts broken between words, each
// ending with where it stands and the key to the next ("(1/2, F4 dál)").
std::vector<std::wstring> statusParts(const std::wstring& text,
                                      const std::function<bool(const std::wstring&)>& fits);

}  // namespace kvelt::win32
