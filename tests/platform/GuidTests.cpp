#include "platform/Guid.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

Guid MakeGuid(uint32_t data1, uint16_t data2, uint16_t data3, std::array<uint8_t, 8> data4)
{
    Guid guid;
    guid.data1 = data1;
    guid.data2 = data2;
    guid.data3 = data3;
    std::memcpy(guid.data4, data4.data(), data4.size());
    return guid;
}

// A GUID whose byte `index` (0..15, memory order) has `value` and all others are zero.
Guid GuidWithByte(size_t index, uint8_t value)
{
    std::array<uint8_t, 16> bytes{};
    bytes[index] = value;
    Guid guid;
    std::memcpy(&guid, bytes.data(), bytes.size());
    return guid;
}

std::array<uint8_t, 16> BytesOf(const Guid& guid)
{
    std::array<uint8_t, 16> bytes{};
    std::memcpy(bytes.data(), &guid, bytes.size());
    return bytes;
}

std::vector<Guid> RandomGuids(size_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Guid> guids(count);
    for (Guid& guid : guids) {
        std::array<uint8_t, 16> bytes{};
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(random());
        std::memcpy(&guid, bytes.data(), bytes.size());
    }
    return guids;
}

const Guid kSample = MakeGuid(0x6B29FC40, 0xCA47, 0x1067, {0xB3, 0x1D, 0x00, 0xDD, 0x01, 0x06, 0x62, 0xDA});
const wchar_t* const kSampleText = L"{6B29FC40-CA47-1067-B31D-00DD010662DA}";

}  // namespace

TEST(GuidFormat, WritesBracedUpperCaseFields)
{
    EXPECT_EQ(kSample.ToString(), kSampleText);
}

TEST(GuidFormat, PadsEveryFieldWithLeadingZeros)
{
    const Guid guid = MakeGuid(0xA, 0x1, 0x2, {0x0, 0x3, 0x0, 0x0, 0x0, 0x0, 0x0, 0x4});
    EXPECT_EQ(guid.ToString(), L"{0000000A-0001-0002-0003-000000000004}");
}

TEST(GuidFormat, NullGuidIsAllZeros)
{
    EXPECT_EQ(Guid{}.ToString(), L"{00000000-0000-0000-0000-000000000000}");
}

TEST(GuidFormat, AllBitsSet)
{
    const Guid guid = MakeGuid(0xFFFFFFFF, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(guid.ToString(), L"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");
}

TEST(GuidParse, ReadsTheFormItWrites)
{
    const auto parsed = Guid::Parse(kSampleText);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->data1, 0x6B29FC40u);
    EXPECT_EQ(parsed->data2, 0xCA47u);
    EXPECT_EQ(parsed->data3, 0x1067u);
    const std::array<uint8_t, 8> expected{0xB3, 0x1D, 0x00, 0xDD, 0x01, 0x06, 0x62, 0xDA};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(parsed->data4[i], expected[i]) << "data4[" << i << "]";
}

TEST(GuidParse, BracesAreOptional)
{
    const auto parsed = Guid::Parse(L"6B29FC40-CA47-1067-B31D-00DD010662DA");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, kSample);
}

TEST(GuidParse, HexDigitsInAnyCase)
{
    const auto lower = Guid::Parse(L"{6b29fc40-ca47-1067-b31d-00dd010662da}");
    const auto mixed = Guid::Parse(L"{6b29Fc40-cA47-1067-B31d-00Dd010662dA}");
    ASSERT_TRUE(lower.has_value());
    ASSERT_TRUE(mixed.has_value());
    EXPECT_EQ(*lower, kSample);
    EXPECT_EQ(*mixed, kSample);
}

TEST(GuidParse, FieldsLandInWindowsMemoryLayout)
{
    // data1..data3 are little-endian integers, data4 is a byte array: the layout binary
    // records and COM both expect.
    const auto parsed = Guid::Parse(L"{00112233-4455-6677-8899-AABBCCDDEEFF}");
    ASSERT_TRUE(parsed.has_value());
    const std::array<uint8_t, 16> expected{0x33, 0x22, 0x11, 0x00, 0x55, 0x44, 0x77, 0x66,
                                           0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    EXPECT_EQ(BytesOf(*parsed), expected);
}

TEST(GuidParse, RoundTripsRandomGuids)
{
    for (const Guid& guid : RandomGuids(500, 1800)) {
        const std::wstring text = guid.ToString();
        const auto parsed = Guid::Parse(text);
        ASSERT_TRUE(parsed.has_value()) << "could not parse what ToString wrote";
        EXPECT_EQ(*parsed, guid);
        EXPECT_EQ(parsed->ToString(), text);
    }
}

TEST(GuidParse, RejectsWrongLengthsAndFraming)
{
    const wchar_t* const rejected[] = {
        L"",
        L"{}",
        L"{6B29FC40-CA47-1067-B31D-00DD010662D}",    // one digit short
        L"{6B29FC40-CA47-1067-B31D-00DD010662DAA}",  // one digit long
        L"6B29FC40-CA47-1067-B31D-00DD010662D",
        L"6B29FC40-CA47-1067-B31D-00DD010662DAA",
        L"{6B29FC40-CA47-1067-B31D-00DD010662DA",    // missing closing brace
        L"6B29FC40-CA47-1067-B31D-00DD010662DA}",    // missing opening brace
        L"(6B29FC40-CA47-1067-B31D-00DD010662DA)",
        L"[6B29FC40-CA47-1067-B31D-00DD010662DA]",
        L"{{6B29FC40-CA47-1067-B31D-00DD010662DA}}",
        L" {6B29FC40-CA47-1067-B31D-00DD010662DA}",
        L"{6B29FC40-CA47-1067-B31D-00DD010662DA} ",
        L"6B29FC40CA471067B31D00DD010662DA",          // no dashes
        L"6B29FC4-0CA47-1067-B31D-00DD010662DA",      // dash one place early
        L"6B29FC40-CA47-1067-B31D00-DD010662DA",      // last dash moved
        L"6B29FC40_CA47_1067_B31D_00DD010662DA",
    };
    for (const wchar_t* text : rejected)
        EXPECT_FALSE(Guid::Parse(text).has_value()) << "accepted: \"" << testing::PrintToString(std::wstring(text)) << '"';
}

TEST(GuidParse, RejectsANonHexCharacterInAnyDigitPosition)
{
    const std::wstring valid = L"6B29FC40-CA47-1067-B31D-00DD010662DA";
    for (size_t pos = 0; pos < valid.size(); ++pos) {
        if (valid[pos] == L'-')
            continue;
        for (const wchar_t bad : {L'G', L'g', L' ', L'x', L'-', L'\0', L'\u0660' /* Arabic-Indic zero */}) {
            std::wstring text = valid;
            text[pos] = bad;
            EXPECT_FALSE(Guid::Parse(text).has_value()) << "position " << pos << ", char " << static_cast<unsigned>(bad);
            EXPECT_FALSE(Guid::Parse(L"{" + text + L"}").has_value()) << "braced, position " << pos;
        }
    }
}

TEST(GuidParse, RejectsSignsAndPrefixesThatNumberParsersAccept)
{
    EXPECT_FALSE(Guid::Parse(L"+B29FC40-CA47-1067-B31D-00DD010662DA").has_value());
    EXPECT_FALSE(Guid::Parse(L"-B29FC40-CA47-1067-B31D-00DD010662DA").has_value());
    EXPECT_FALSE(Guid::Parse(L"0x29FC40-CA47-1067-B31D-00DD010662DA").has_value());
    EXPECT_FALSE(Guid::Parse(L"6B29FC40-+A47-1067-B31D-00DD010662DA").has_value());
}

TEST(GuidNull, DefaultConstructedIsNull)
{
    EXPECT_TRUE(Guid{}.IsNull());
    const auto parsed = Guid::Parse(L"{00000000-0000-0000-0000-000000000000}");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_TRUE(parsed->IsNull());
}

TEST(GuidNull, AnySingleNonZeroByteIsNotNull)
{
    for (size_t index = 0; index < 16; ++index) {
        for (const uint8_t value : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}})
            EXPECT_FALSE(GuidWithByte(index, value).IsNull()) << "byte " << index << " = " << int{value};
    }
}

TEST(GuidEquality, EqualWhenAllFieldsMatch)
{
    const Guid copy = kSample;
    EXPECT_TRUE(copy == kSample);
    EXPECT_FALSE(copy != kSample);
    EXPECT_EQ(MakeGuid(1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}), MakeGuid(1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(GuidEquality, DiffersWhenAnyByteDiffers)
{
    const auto base = BytesOf(kSample);
    for (size_t index = 0; index < 16; ++index) {
        auto bytes = base;
        bytes[index] ^= 0x01;
        Guid changed;
        std::memcpy(&changed, bytes.data(), bytes.size());
        EXPECT_FALSE(changed == kSample) << "byte " << index;
        EXPECT_TRUE(changed != kSample) << "byte " << index;
    }
}

TEST(GuidHash, EqualGuidsHashEqual)
{
    const GuidHash hash;
    const auto parsed = Guid::Parse(L"{6b29fc40-ca47-1067-b31d-00dd010662da}");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(hash(*parsed), hash(kSample));
}

TEST(GuidHash, EveryByteContributes)
{
    // A hash that ignored part of the GUID (data4, say) would collide for GUIDs that differ
    // only there: names made from one template usually do.
    const GuidHash hash;
    const size_t nullHash = hash(Guid{});
    for (size_t index = 0; index < 16; ++index) {
        for (const uint8_t value : {uint8_t{0x01}, uint8_t{0x10}, uint8_t{0x80}})
            EXPECT_NE(hash(GuidWithByte(index, value)), nullHash) << "byte " << index << " = " << int{value};
    }
}

TEST(GuidHash, WorksAsUnorderedSetKey)
{
    const auto guids = RandomGuids(2000, 42);
    std::unordered_set<Guid, GuidHash> set(guids.begin(), guids.end());
    EXPECT_EQ(set.size(), guids.size());
    for (const Guid& guid : guids)
        EXPECT_EQ(set.count(guid), 1u);
    EXPECT_EQ(set.count(Guid{}), 0u);

    std::unordered_set<size_t> hashes;
    for (const Guid& guid : guids)
        hashes.insert(GuidHash{}(guid));
    EXPECT_GE(hashes.size(), guids.size() - 1) << "too many collisions among random GUIDs";
}
