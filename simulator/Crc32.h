#pragma once

#include <cstdint>
#include <string_view>

namespace sim {

// CRC-32 as zlib, PNG and Ethernet compute it (reflected polynomial 0xEDB88320, initial value
// and final XOR 0xFFFFFFFF): Crc32("123456789") is 0xCBF43926.
[[nodiscard]] uint32_t Crc32(std::string_view bytes) noexcept;

}  // namespace sim
