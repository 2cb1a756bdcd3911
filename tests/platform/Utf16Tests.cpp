#include "platform/Utf16.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

// wchar_t is 2 bytes in the win64 tree and 4 in the native one; every test here runs in both.
// Expected values come from the compiler's own encoding of literals (L"", u"", and \x bytes
// for UTF-8), never from the code under test.

using platform::FromUtf16;
using platform::FromUtf8;
using platform::ReadUtf16Buffer;
using platform::ToUtf16;
using platform::ToUtf8;
using platform::WriteUtf16Buffer;

namespace {

constexpr char16_t kGarbage = 0xAAAA;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// True when every surrogate in `units` is part of a well-formed pair.
bool SurrogatesArePaired(std::u16string_view units)
{
    for (size_t i = 0; i < units.size(); ++i) {
        if (IsHighSurrogate(units[i])) {
            if (i + 1 == units.size() || !IsLowSurrogate(units[i + 1]))
                return false;
            ++i;
        } else if (IsLowSurrogate(units[i])) {
            return false;
        }
    }
    return true;
}

std::wstring WideOf(std::initializer_list<unsigned> units)
{
    std::wstring text;
    for (unsigned u : units)
        text.push_back(static_cast<wchar_t>(u));
    return text;
}

std::u16string Utf16Of(std::initializer_list<unsigned> units)
{
    std::u16string text;
    for (unsigned u : units)
        text.push_back(static_cast<char16_t>(u));
    return text;
}

}  // namespace

// --- wide <-> UTF-16 ---------------------------------------------------------------------------

TEST(Utf16Convert, AsciiAndBmpText)
{
    EXPECT_EQ(ToUtf16(L""), u"");
    EXPECT_EQ(ToUtf16(L"Profile 1"), u"Profile 1");
    EXPECT_EQ(ToUtf16(L"Grüße, Привет, Ωμέγα, €5, 日本"), u"Grüße, Привет, Ωμέγα, €5, 日本");
    EXPECT_EQ(FromUtf16(u"Grüße, Привет, Ωμέγα, €5, 日本"), L"Grüße, Привет, Ωμέγα, €5, 日本");
}

TEST(Utf16Convert, SupplementaryCharactersBecomeSurrogatePairs)
{
    const std::u16string utf16 = ToUtf16(L"a\U0001F600b");
    ASSERT_EQ(utf16.size(), 4u);
    EXPECT_EQ(utf16, u"a\U0001F600b");
    EXPECT_EQ(utf16[1], 0xD83D);
    EXPECT_EQ(utf16[2], 0xDE00);

    EXPECT_EQ(ToUtf16(L"\U00010000"), Utf16Of({0xD800, 0xDC00}));
    EXPECT_EQ(ToUtf16(L"\U0010FFFF"), Utf16Of({0xDBFF, 0xDFFF}));
    EXPECT_EQ(ToUtf16(L"\uFFFF"), Utf16Of({0xFFFF}));
}

TEST(Utf16Convert, SurrogatePairsBecomeOneWideCharacterSequence)
{
    EXPECT_EQ(FromUtf16(u"a\U0001F600b"), L"a\U0001F600b");
    EXPECT_EQ(FromUtf16(Utf16Of({0xD800, 0xDC00})), L"\U00010000");
    EXPECT_EQ(FromUtf16(Utf16Of({0xDBFF, 0xDFFF})), L"\U0010FFFF");
    // Expected length differs per tree: one wchar_t per code point with 4-byte wchar_t.
    EXPECT_EQ(FromUtf16(u"\U0001F600\U0001F600").size(), sizeof(wchar_t) == 2 ? 4u : 2u);
}

TEST(Utf16Convert, RoundTripsEveryPlaneBoundary)
{
    const std::wstring text = L"\u0001\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFD\uFFFF"
                              L"\U00010000\U0001F600\U000E0001\U0010FFFF";
    EXPECT_EQ(FromUtf16(ToUtf16(text)), text);
    EXPECT_EQ(ToUtf16(text), u"\u0001\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFD\uFFFF"
                             u"\U00010000\U0001F600\U000E0001\U0010FFFF");
}

TEST(Utf16Convert, KeepsEmbeddedNuls)
{
    const std::wstring text(L"a\0b", 3);
    const std::u16string utf16 = ToUtf16(text);
    EXPECT_EQ(utf16, std::u16string(u"a\0b", 3));
    EXPECT_EQ(FromUtf16(utf16), text);
}

TEST(Utf16Convert, LoneSurrogatesInUtf16BecomeReplacementCharacters)
{
    EXPECT_EQ(FromUtf16(Utf16Of({0xD800})), L"\uFFFD");                    // high at the end
    EXPECT_EQ(FromUtf16(Utf16Of({0xD83D, 'a'})), L"\uFFFDa");              // high before non-low
    EXPECT_EQ(FromUtf16(Utf16Of({'a', 0xDE00, 'b'})), L"a\uFFFDb");        // lone low
    EXPECT_EQ(FromUtf16(Utf16Of({0xDE00, 0xD83D})), L"\uFFFD\uFFFD");      // reversed pair
    EXPECT_EQ(FromUtf16(Utf16Of({0xD83D, 0xD83D, 0xDE00})), L"\uFFFD\U0001F600");  // high, then pair
}

TEST(Utf16Convert, InvalidWideCharactersBecomeReplacementCharacters)
{
    // Lone surrogates are invalid in both widths; values above U+10FFFF only fit in 4 bytes.
    EXPECT_EQ(ToUtf16(WideOf({'x', 0xD800, 'y'})), u"x\uFFFDy");
    EXPECT_EQ(ToUtf16(WideOf({0xDC00})), u"\uFFFD");
    EXPECT_EQ(ToUtf16(WideOf({0xDE00, 0xD83D})), u"\uFFFD\uFFFD");
    if constexpr (sizeof(wchar_t) == 4) {
        EXPECT_EQ(ToUtf16(WideOf({0x110000})), u"\uFFFD");
        EXPECT_EQ(ToUtf16(WideOf({0x7FFFFFFF, 'z'})), u"\uFFFDz");
    } else {
        // With 2-byte wchar_t a correct pair is one character, not two replacements.
        EXPECT_EQ(ToUtf16(WideOf({0xD83D, 0xDE00})), u"\U0001F600");
    }
}

// --- reading fixed buffers ---------------------------------------------------------------------

TEST(Utf16ReadBuffer, StopsAtTheTerminator)
{
    const std::array<char16_t, 8> buffer{u'a', u'b', u'c', 0, u'x', u'y', 0, 0};
    EXPECT_EQ(ReadUtf16Buffer(buffer.data(), buffer.size()), L"abc");
}

TEST(Utf16ReadBuffer, NeverReadsPastCapacity)
{
    // No terminator within the first four units: exactly four are read.
    const std::array<char16_t, 6> buffer{u'n', u'a', u'm', u'e', u'X', 0};
    EXPECT_EQ(ReadUtf16Buffer(buffer.data(), 4), L"name");
    EXPECT_EQ(ReadUtf16Buffer(buffer.data(), 0), L"");
    EXPECT_EQ(ReadUtf16Buffer(buffer.data(), 1), L"n");
}

TEST(Utf16ReadBuffer, DecodesPairsAndReplacesAPairCutByCapacity)
{
    const std::u16string stored = u"\U0001F600ok";
    EXPECT_EQ(ReadUtf16Buffer(stored.c_str(), stored.size() + 1), L"\U0001F600ok");
    EXPECT_EQ(ReadUtf16Buffer(stored.c_str(), 1), L"\uFFFD");
}

// --- writing fixed buffers ---------------------------------------------------------------------

TEST(Utf16WriteBuffer, FitsAndZeroesTheRest)
{
    std::array<char16_t, 8> buffer;
    buffer.fill(kGarbage);
    EXPECT_EQ(WriteUtf16Buffer(L"abc", buffer.data(), buffer.size()), 3u);
    const std::array<char16_t, 8> expected{u'a', u'b', u'c', 0, 0, 0, 0, 0};
    EXPECT_EQ(buffer, expected);
}

TEST(Utf16WriteBuffer, TruncatesToCapacityMinusOneAndTerminates)
{
    std::array<char16_t, 6> buffer;
    buffer.fill(kGarbage);
    EXPECT_EQ(WriteUtf16Buffer(L"abcdef", buffer.data(), 4), 3u);
    EXPECT_EQ(std::u16string(buffer.data(), 4), std::u16string(u"abc\0", 4));
    EXPECT_EQ(buffer[4], kGarbage) << "wrote past capacity";
    EXPECT_EQ(buffer[5], kGarbage) << "wrote past capacity";

    buffer.fill(kGarbage);
    EXPECT_EQ(WriteUtf16Buffer(L"abc", buffer.data(), 3), 2u) << "text exactly as long as the buffer";
    EXPECT_EQ(std::u16string(buffer.data(), 3), std::u16string(u"ab\0", 3));
    EXPECT_EQ(buffer[3], kGarbage);
}

TEST(Utf16WriteBuffer, ZeroAndOneUnitCapacities)
{
    std::array<char16_t, 2> buffer;
    buffer.fill(kGarbage);
    EXPECT_EQ(WriteUtf16Buffer(L"abc", buffer.data(), 0), 0u);
    EXPECT_EQ(buffer[0], kGarbage) << "capacity 0 must not touch the buffer";

    EXPECT_EQ(WriteUtf16Buffer(L"abc", buffer.data(), 1), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], kGarbage);
}

TEST(Utf16WriteBuffer, NeverSplitsASurrogatePair)
{
    std::array<char16_t, 6> buffer;
    buffer.fill(kGarbage);
    // "ab" + pair needs 4 units + terminator; capacity 4 leaves room for only one unit of it.
    EXPECT_EQ(WriteUtf16Buffer(L"ab\U0001F600", buffer.data(), 4), 2u);
    EXPECT_EQ(std::u16string(buffer.data(), 4), std::u16string(u"ab\0\0", 4));

    buffer.fill(kGarbage);
    EXPECT_EQ(WriteUtf16Buffer(L"ab\U0001F600", buffer.data(), 5), 4u);
    EXPECT_EQ(std::u16string(buffer.data(), 5), std::u16string(u"ab\U0001F600\0", 5));
    EXPECT_EQ(buffer[5], kGarbage);
}

TEST(Utf16WriteBuffer, EveryCapacityGivesTheLongestWholeCharacterPrefix)
{
    const std::wstring text = L"x\U0001F600\U0001F601yé\U00010000\u20AC\U0010FFFFz";
    const std::u16string full = ToUtf16(text);
    // Offsets in `full` where a character starts: the only places a cut may fall.
    std::vector<size_t> boundaries{0};
    for (size_t i = 0; i < full.size(); ++i) {
        if (!IsHighSurrogate(full[i]))
            boundaries.push_back(i + 1);
    }

    for (size_t capacity = 1; capacity <= full.size() + 3; ++capacity) {
        std::vector<char16_t> buffer(capacity + 2, kGarbage);
        const size_t written = WriteUtf16Buffer(text, buffer.data(), capacity);
        SCOPED_TRACE("capacity " + std::to_string(capacity));

        ASSERT_LT(written, capacity);
        const std::u16string_view content(buffer.data(), written);
        EXPECT_EQ(content, std::u16string_view(full).substr(0, written)) << "not a prefix of the text";
        EXPECT_TRUE(SurrogatesArePaired(content));
        const size_t expected = *std::prev(std::upper_bound(boundaries.begin(), boundaries.end(), capacity - 1));
        EXPECT_EQ(written, expected) << "did not use the room it had";
        for (size_t i = written; i < capacity; ++i)
            EXPECT_EQ(buffer[i], 0) << "unit " << i << " after the text is not zeroed";
        EXPECT_EQ(buffer[capacity], kGarbage) << "wrote past capacity";
        EXPECT_EQ(buffer[capacity + 1], kGarbage) << "wrote past capacity";
        EXPECT_EQ(ReadUtf16Buffer(buffer.data(), capacity), FromUtf16(full.substr(0, written)));
    }
}

TEST(Utf16WriteBuffer, InvalidWideCharactersAreWrittenAsReplacements)
{
    std::array<char16_t, 8> buffer;
    buffer.fill(kGarbage);
    EXPECT_EQ(WriteUtf16Buffer(WideOf({'a', 0xD800, 'b'}), buffer.data(), buffer.size()), 3u);
    EXPECT_EQ(std::u16string(buffer.data(), 4), std::u16string(u"a\uFFFDb\0", 4));
}

// --- UTF-8 -------------------------------------------------------------------------------------

TEST(Utf8Convert, EncodesEachSequenceLength)
{
    EXPECT_EQ(ToUtf8(L""), "");
    EXPECT_EQ(ToUtf8(L"Macro 7"), "Macro 7");
    EXPECT_EQ(ToUtf8(L"\u00E9"), "\xC3\xA9");
    EXPECT_EQ(ToUtf8(L"\u20AC"), "\xE2\x82\xAC");
    EXPECT_EQ(ToUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(ToUtf8(L"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF"),
              "\x7F" "\xC2\x80" "\xDF\xBF" "\xE0\xA0\x80" "\xEF\xBF\xBF" "\xF0\x90\x80\x80" "\xF4\x8F\xBF\xBF");
}

TEST(Utf8Convert, DecodesEachSequenceLength)
{
    EXPECT_EQ(FromUtf8("Macro 7"), L"Macro 7");
    EXPECT_EQ(FromUtf8("\xC3\xA9t\xC3\xA9"), L"\u00E9t\u00E9");
    EXPECT_EQ(FromUtf8("\xE2\x82\xAC"), L"\u20AC");
    EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80"), L"\U0001F600");
    EXPECT_EQ(FromUtf8("\x7F" "\xC2\x80" "\xDF\xBF" "\xE0\xA0\x80" "\xEF\xBF\xBF" "\xF0\x90\x80\x80" "\xF4\x8F\xBF\xBF"),
              L"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF");
}

TEST(Utf8Convert, RoundTripsMixedText)
{
    const std::wstring text = L"Профиль «Игры» — Ωμέγα ✓ \U0001F3AE ß";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(FromUtf16(ToUtf16(text))), ToUtf8(text));
}

TEST(Utf8Convert, InvalidWideCharactersEncodeAsReplacement)
{
    EXPECT_EQ(ToUtf8(WideOf({'a', 0xDC00, 'b'})), "a\xEF\xBF\xBD" "b");
}

TEST(Utf8Malformed, SingleBadBytesBecomeOneReplacementEach)
{
    EXPECT_EQ(FromUtf8("\x80"), L"\uFFFD");                       // lone continuation byte
    EXPECT_EQ(FromUtf8("a\xBF" "b"), L"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xFF"), L"\uFFFD");                       // never valid
    EXPECT_EQ(FromUtf8("\xFE" "a"), L"\uFFFDa");
    EXPECT_EQ(FromUtf8("\xF5" "a"), L"\uFFFDa");                  // lead above U+10FFFF
    EXPECT_EQ(FromUtf8("\xC3" "a"), L"\uFFFDa");                  // lead followed by ASCII
    EXPECT_EQ(FromUtf8("\xC3"), L"\uFFFD");                       // lead at the end
}

namespace {

// Decoding `bad` between two ASCII letters must keep both letters, produce only U+FFFD in
// between, at least one and at most one per byte.
void ExpectReplacedBetweenLetters(const std::string& bad)
{
    const std::wstring decoded = FromUtf8("<" + bad + ">");
    SCOPED_TRACE(testing::PrintToString(bad));
    ASSERT_GE(decoded.size(), 3u);
    EXPECT_EQ(decoded.front(), L'<');
    EXPECT_EQ(decoded.back(), L'>');
    const std::wstring middle = decoded.substr(1, decoded.size() - 2);
    EXPECT_GE(middle.size(), 1u);
    EXPECT_LE(middle.size(), bad.size());
    EXPECT_TRUE(std::all_of(middle.begin(), middle.end(), [](wchar_t c) { return c == L'\uFFFD'; }))
        << "malformed input decoded to something other than U+FFFD";
}

}  // namespace

TEST(Utf8Malformed, OverlongEncodingsAreRejected)
{
    ExpectReplacedBetweenLetters("\xC0\xAF");              // '/' in two bytes
    ExpectReplacedBetweenLetters("\xC1\xBF");
    ExpectReplacedBetweenLetters("\xE0\x80\xAF");          // '/' in three bytes
    ExpectReplacedBetweenLetters("\xE0\x9F\xBF");          // U+07FF in three bytes
    ExpectReplacedBetweenLetters("\xF0\x80\x80\xAF");      // '/' in four bytes
    ExpectReplacedBetweenLetters("\xF0\x8F\xBF\xBF");      // U+FFFF in four bytes
}

TEST(Utf8Malformed, EncodedSurrogatesAndOutOfRangeAreRejected)
{
    ExpectReplacedBetweenLetters("\xED\xA0\x80");          // U+D800
    ExpectReplacedBetweenLetters("\xED\xBF\xBF");          // U+DFFF
    ExpectReplacedBetweenLetters("\xED\xA0\xBD\xED\xB8\x80");  // CESU-8 pair for U+1F600
    ExpectReplacedBetweenLetters("\xF4\x90\x80\x80");      // U+110000
}

TEST(Utf8Malformed, TruncatedSequencesDoNotSwallowFollowingText)
{
    ExpectReplacedBetweenLetters("\xE2\x82");              // € missing its last byte
    ExpectReplacedBetweenLetters("\xF0\x9F\x98");          // emoji missing its last byte
    ExpectReplacedBetweenLetters("\xF0\x9F");
    // A valid sequence right after a truncated one must come through whole.
    const std::wstring decoded = FromUtf8("\xE2\x82" "\xE2\x82\xAC");
    ASSERT_GE(decoded.size(), 2u);
    EXPECT_EQ(decoded.back(), L'\u20AC');
    EXPECT_EQ(decoded.find_first_not_of(L'\uFFFD'), decoded.size() - 1);
}

TEST(Utf8Malformed, ValidTextAroundErrorsSurvives)
{
    EXPECT_EQ(FromUtf8("\xC3\xA9\x80\xE2\x82\xAC\xFF\xF0\x9F\x98\x80"), L"\u00E9\uFFFD\u20AC\uFFFD\U0001F600");
}

TEST(Utf8Malformed, NeverProducesSurrogatesOrInvalidCodePoints)
{
    // Every two-byte string: the decoder must always advance and only emit valid characters.
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            const std::wstring decoded = FromUtf8(bytes);
            ASSERT_FALSE(decoded.empty());
            const std::u16string utf16 = ToUtf16(decoded);
            ASSERT_TRUE(SurrogatesArePaired(utf16)) << first << ", " << second;
            ASSERT_LE(utf16.size(), 2u);
            ASSERT_EQ(FromUtf8(ToUtf8(decoded)), decoded) << "re-encoding changed the text";
        }
    }
}
