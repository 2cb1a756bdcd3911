#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/service/ServiceTypes.h"

// Moving strings and files across the service boundary.
namespace sim {

// A NUL-terminated copy in task memory, the caller's to free.
[[nodiscard]] svc::HRESULT CopyToTaskString(std::u16string_view text, char16_t** out) noexcept;

// A caller's NUL-terminated string, read no further than maxUnits + 1 units; nullopt when it
// is longer than maxUnits.
[[nodiscard]] std::optional<std::u16string> TextFromCaller(const char16_t* text, size_t maxUnits);

// An exported profile or macro file: read whole (refused unread when larger than the limit)
// or written atomically.
[[nodiscard]] svc::HRESULT ReadExchangeFile(const char16_t* path, std::string& bytes);
[[nodiscard]] svc::HRESULT WriteExchangeFile(const char16_t* path, std::string_view bytes);

}  // namespace sim
