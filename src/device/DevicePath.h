#pragma once

#include <cstdint>
#include <string_view>

// Device paths of the operating system's device-interface notices, e.g.
// "\\?\HID#VID_3A7E&PID_0020#7&1a2b3c&0&0000#{4d1e55b2-...}". Numbers follow the markers "VID_"
// and "PID_" as four hexadecimal digits.
namespace DevicePath {

// Dunmo's USB vendor id; the Peraxil 1800 is its product ProductId::kPeraxil1800 under it. This is
// the one place that names it.
inline constexpr uint32_t kDunmoVendorId = 0x3A7E;

inline constexpr std::wstring_view kVendorMarker = L"VID_";
inline constexpr std::wstring_view kProductMarker = L"PID_";

// The number in at most the four characters after the first occurrence of `marker`, compared
// ignoring case; 0 when the marker is missing or empty or no hexadecimal digit follows it.
[[nodiscard]] uint32_t ParseHexAfter(std::wstring_view path, std::wstring_view marker);

// True when the path names the device with this vendor and product id.
[[nodiscard]] bool NamesDevice(std::wstring_view path, uint32_t vendorId, uint32_t productId);

}  // namespace DevicePath
