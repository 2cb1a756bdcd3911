#include "ByteReader.h"

#include <cstring>

namespace sim {

bool ByteReader::Take(size_t size) noexcept
{
    if (m_failed || m_bytes.size() - m_pos < size) {
        m_failed = true;
        return false;
    }
    m_start = m_pos;
    m_pos += size;
    return true;
}

uint16_t ByteReader::U16() noexcept
{
    if (!Take(2))
        return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(m_bytes.data() + m_start);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ByteReader::U32() noexcept
{
    const uint32_t low = U16();
    const uint32_t high = U16();
    return low | (high << 16);
}

Guid ByteReader::Id() noexcept
{
    Guid id;
    id.data1 = U32();
    id.data2 = U16();
    id.data3 = U16();
    Bytes(id.data4, sizeof(id.data4));
    return id;
}

bool ByteReader::Bytes(void* into, size_t size) noexcept
{
    if (!Take(size))
        return false;
    std::memcpy(into, m_bytes.data() + m_start, size);
    return true;
}

std::u16string ByteReader::Text(size_t maxUnits)
{
    const uint32_t units = U32();
    if (units > maxUnits) {
        m_failed = true;
        return {};
    }
    // Checked before the string is sized, so a damaged count cannot ask for a huge allocation.
    if (m_failed || (m_bytes.size() - m_pos) / 2 < units) {
        m_failed = true;
        return {};
    }
    std::u16string text(units, u'\0');
    for (char16_t& unit : text)
        unit = static_cast<char16_t>(U16());
    return text;
}

}  // namespace sim
