#pragma once

#include <string_view>

namespace platform {

// A diagnostic line for a debugger: OutputDebugString on Windows; natively standard error,
// only while the environment variable VANTIX_TRACE is set. Lines carry no behaviour.
void DebugTrace(std::string_view line) noexcept;

}  // namespace platform
