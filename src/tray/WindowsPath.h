#pragma once

#include <string>
#include <string_view>

// Program paths compared the way Windows compares file names: letter case does not count, '/'
// and '\' are one separator, doubled separators and trailing ones do not count, and the
// "\\?\" long-path prefix names the same file as the path without it.
namespace tray {

// The form two paths share when Windows takes them for one file; empty for an empty path.
[[nodiscard]] std::wstring NormalizeWindowsPath(std::wstring_view path);

[[nodiscard]] bool SameWindowsPath(std::wstring_view a, std::wstring_view b);

}  // namespace tray
