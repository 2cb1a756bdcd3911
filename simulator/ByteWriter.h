#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Guid.h"

namespace sim {

// Appends little-endian values to a byte string, whatever the host's byte order.
class ByteWriter
{
public:
    void U16(uint16_t value);
    void U32(uint32_t value);
    void Id(const Guid& id);
    void Bytes(const void* data, size_t size);
    // A u32 count of UTF-16 units, then the units.
    void Text(std::u16string_view text);

    [[nodiscard]] const std::string& Data() const noexcept { return m_bytes; }
    [[nodiscard]] std::string Take() noexcept { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

}  // namespace sim
