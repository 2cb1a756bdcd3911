#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Turns a layout file's bytes, handed over block by block as they are read, into UTF-16 text.
//
// Each block is tested on its own, as the platform's IsTextUnicode test would be:
// - A file that starts with a UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian) is
//   UTF-16 in that byte order throughout; the mark is dropped.
// - Otherwise a block is UTF-16 little-endian when at least a quarter of its 16-bit units have a
//   zero high byte and more of them have a zero high byte than a zero low byte. (Text in an
//   8-bit encoding has no zero bytes; UTF-16 markup is mostly ASCII, whose high bytes are zero.)
// - Any other block is 8-bit text: UTF-8 when it is valid UTF-8, else Windows-1252 (Latin-1
//   with the printable characters of 80 to 9F). A UTF-8 byte-order mark at the start of the file
//   is dropped.
// A unit or character cut by a block boundary is carried into the next block, so the block size
// never splits one; an odd byte at the very end of UTF-16 text is ignored.
class CLayoutTextDecoder
{
public:
    void Append(std::span<const uint8_t> block);
    // The text so far, with whatever was carried decoded as well as it can be.
    [[nodiscard]] std::u16string Finish();

    // The per-block test (without the file's byte-order mark rule).
    [[nodiscard]] static bool LooksLikeUtf16(std::span<const uint8_t> block) noexcept;

private:
    enum class Encoding
    {
        Undecided,
        Utf16LittleEndian,
        Utf16BigEndian,
        PerBlock,
    };

    void DecideFromStart(std::vector<uint8_t>& data);
    void AppendUtf16(const std::vector<uint8_t>& data, bool bigEndian);
    void AppendEightBit(const std::vector<uint8_t>& data, bool final);

    Encoding m_encoding = Encoding::Undecided;
    std::vector<uint8_t> m_carry;
    bool m_carryIsUtf16Byte = false;  // the carry is the odd byte of UTF-16 text
    std::u16string m_text;
};
