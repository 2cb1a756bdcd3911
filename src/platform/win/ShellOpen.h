#pragma once

#include <string>

namespace platform::win {

// Asks the shell to open a file, folder, address or program as a double click would
// (ShellExecute with the "open" verb). False when the shell could not be reached or refused.
bool OpenWithShell(const std::wstring& target) noexcept;

}  // namespace platform::win
