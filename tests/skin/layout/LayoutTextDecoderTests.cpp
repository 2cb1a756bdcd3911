#include <gtest/gtest.h>

#include <string>

#include "skin/layout/CLayoutTextDecoder.h"
#include "skin/layout/LayoutLimits.h"

namespace {

std::span<const uint8_t> Bytes(const std::string& text)
{
    return std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string Utf16Le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Utf16Be(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

// Decodes in blocks of the layout reader's size.
std::u16string Decode(const std::string& bytes, size_t blockBytes = LayoutLimits::kReadBlockBytes)
{
    CLayoutTextDecoder decoder;
    for (size_t offset = 0; offset < bytes.size(); offset += blockBytes)
        decoder.Append(Bytes(bytes.substr(offset, blockBytes)));
    return decoder.Finish();
}

}  // namespace

TEST(LayoutTextDecoderTest, TheUtf16TestTakesAByteOrderMarkOrManyZeroHighBytes)
{
    EXPECT_TRUE(CLayoutTextDecoder::LooksLikeUtf16(Bytes("\xFF\xFE\x41\x42")));
    EXPECT_TRUE(CLayoutTextDecoder::LooksLikeUtf16(Bytes(Utf16Le(u"<ITEMLIST/>"))));
    EXPECT_FALSE(CLayoutTextDecoder::LooksLikeUtf16(Bytes("<ITEMLIST/>")));
    EXPECT_FALSE(CLayoutTextDecoder::LooksLikeUtf16(Bytes("A")));
    EXPECT_FALSE(CLayoutTextDecoder::LooksLikeUtf16(Bytes(Utf16Be(u"<ITEMLIST/>"))));
    // One unit in four with a zero high byte is enough; fewer is not.
    EXPECT_TRUE(CLayoutTextDecoder::LooksLikeUtf16(Bytes(Utf16Le(u"A\x4E2D\x4E2D\x4E2D"))));
    EXPECT_FALSE(CLayoutTextDecoder::LooksLikeUtf16(Bytes(Utf16Le(u"A\x4E2D\x4E2D\x4E2D\x4E2D"))));
}

TEST(LayoutTextDecoderTest, EightBitTextIsUtf8WhenValid)
{
    EXPECT_EQ(Decode("<A b=\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"/>"), u"<A b=\"\u00E9\u20AC\U0001F600\"/>");
}

TEST(LayoutTextDecoderTest, InvalidUtf8IsWindows1252)
{
    EXPECT_EQ(Decode("x\x80y\xE9\x81"), u"x\u20ACy\u00E9\u0081");
    // An overlong form and an encoded surrogate are not valid UTF-8 either.
    EXPECT_EQ(Decode("\xC0\xAF"), u"\u00C0\u00AF");
    EXPECT_EQ(Decode("\xED\xA0\x80"), u"\u00ED\u00A0\u20AC");
}

TEST(LayoutTextDecoderTest, AUtf8CharacterCutByABlockBoundaryStaysWhole)
{
    const std::string text = std::string(4094, 'a') + "\xE2\x82\xAC" + "b";
    EXPECT_EQ(Decode(text), std::u16string(4094, u'a') + u"\u20ACb");
    // A cut sequence at the very end of the file is 8-bit text.
    EXPECT_EQ(Decode("ab\xE2\x82"), u"ab\u00E2\u201A");
}

TEST(LayoutTextDecoderTest, Utf16KeepsItsUnitsAcrossOddSizedBlocks)
{
    std::u16string text;
    for (int i = 0; i < 3000; ++i)
        text += u"<\x00E9>";
    // 4095-byte blocks end in the middle of a unit; the byte is carried, not lost.
    EXPECT_EQ(Decode(Utf16Le(text)), text);
    EXPECT_EQ(Decode("\xFF\xFE" + Utf16Le(text)), text);
}

TEST(LayoutTextDecoderTest, AByteOrderMarkDecidesTheWholeFileAndIsDropped)
{
    // Without the mark, a block of CJK characters would not look like UTF-16.
    const std::u16string cjk(3000, u'\x4E2D');
    EXPECT_EQ(Decode("\xFF\xFE" + Utf16Le(u"<A>" + cjk + u"</A>")), u"<A>" + cjk + u"</A>");
    EXPECT_EQ(Decode("\xFE\xFF" + Utf16Be(u"<A>" + cjk + u"</A>")), u"<A>" + cjk + u"</A>");
    EXPECT_EQ(Decode("\xEF\xBB\xBF<A/>"), u"<A/>");
}

TEST(LayoutTextDecoderTest, AnOddTrailingByteOfUtf16IsIgnored)
{
    EXPECT_EQ(Decode(Utf16Le(u"<A/>") + "\x20"), u"<A/>");
    EXPECT_EQ(Decode("\xFF\xFE" + Utf16Le(u"<A/>") + "x"), u"<A/>");
}

TEST(LayoutTextDecoderTest, TinyAndEmptyInputs)
{
    EXPECT_EQ(Decode(""), u"");
    EXPECT_EQ(Decode("x"), u"x");
    EXPECT_EQ(Decode("\xFF\xFE"), u"");
    EXPECT_EQ(Decode("\xFF"), u"\u00FF");
    // One byte at a time gives the same text as whole blocks.
    const std::string mixed = "<A b=\"\xC3\xA9\"/>";
    EXPECT_EQ(Decode(mixed, 1), Decode(mixed));
}
