#include "ByteWriter.h"

namespace sim {

void ByteWriter::U16(uint16_t value)
{
    m_bytes.push_back(static_cast<char>(value & 0xFF));
    m_bytes.push_back(static_cast<char>(value >> 8));
}

void ByteWriter::U32(uint32_t value)
{
    U16(static_cast<uint16_t>(value & 0xFFFF));
    U16(static_cast<uint16_t>(value >> 16));
}

void ByteWriter::Id(const Guid& id)
{
    U32(id.data1);
    U16(id.data2);
    U16(id.data3);
    Bytes(id.data4, sizeof(id.data4));
}

void ByteWriter::Bytes(const void* data, size_t size)
{
    m_bytes.append(static_cast<const char*>(data), size);
}

void ByteWriter::Text(std::u16string_view text)
{
    U32(static_cast<uint32_t>(text.size()));
    for (const char16_t unit : text)
        U16(static_cast<uint16_t>(unit));
}

}  // namespace sim
