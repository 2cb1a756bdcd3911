#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Guid.h"

namespace sim {

// Reads little-endian values from a byte string. Every read checks the room left; after the
// first short read the reader is failed and every later read fails too, so a decoder can read
// a whole record and look at Ok() once.
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes) noexcept : m_bytes(bytes) {}

    [[nodiscard]] uint16_t U16() noexcept;
    [[nodiscard]] uint32_t U32() noexcept;
    [[nodiscard]] Guid Id() noexcept;
    // Copies `size` bytes; false (and the reader failed) when fewer are left.
    bool Bytes(void* into, size_t size) noexcept;
    // A u32 count of UTF-16 units, then the units; failed when the count exceeds `maxUnits`.
    [[nodiscard]] std::u16string Text(size_t maxUnits);

    [[nodiscard]] bool Ok() const noexcept { return !m_failed; }
    [[nodiscard]] bool AtEnd() const noexcept { return m_pos == m_bytes.size(); }
    void Fail() noexcept { m_failed = true; }

private:
    [[nodiscard]] bool Take(size_t size) noexcept;

    std::string_view m_bytes;
    size_t m_pos = 0;
    size_t m_start = 0;  // where the value just taken begins
    bool m_failed = false;
};

}  // namespace sim
