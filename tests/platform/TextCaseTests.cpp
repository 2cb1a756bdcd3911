#include "platform/TextCase.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using platform::EqualsIgnoreCase;
using platform::FoldCase;

namespace {

wchar_t W(unsigned codePoint) { return static_cast<wchar_t>(codePoint); }

// Expects every capital in [first, last] (stepping by `step`) to fold to capital + offset and the
// small letter it folds to to stay as it is.
void ExpectRangeFolds(unsigned first, unsigned last, unsigned step, unsigned offset)
{
    for (unsigned capital = first; capital <= last; capital += step) {
        EXPECT_EQ(static_cast<unsigned>(FoldCase(W(capital))), capital + offset) << std::hex << "U+" << capital;
        EXPECT_EQ(static_cast<unsigned>(FoldCase(W(capital + offset))), capital + offset)
            << std::hex << "small U+" << capital + offset << " changed";
    }
}

}  // namespace

TEST(TextCaseAscii, FoldsCapitalsOnly)
{
    for (unsigned c = 0; c < 0x80; ++c) {
        const unsigned expected = (c >= 'A' && c <= 'Z') ? c + 32 : c;
        EXPECT_EQ(static_cast<unsigned>(FoldCase(W(c))), expected) << "char " << c;
    }
}

TEST(TextCaseLatin1, FoldsCapitalsAndLeavesSymbols)
{
    for (unsigned c = 0xC0; c <= 0xDE; ++c) {
        if (c == 0xD7)
            continue;
        EXPECT_EQ(static_cast<unsigned>(FoldCase(W(c))), c + 0x20) << std::hex << "U+" << c;
    }
    EXPECT_EQ(FoldCase(W(0xD7)), W(0xD7)) << "multiplication sign";
    EXPECT_EQ(FoldCase(W(0xF7)), W(0xF7)) << "division sign";
    EXPECT_EQ(FoldCase(W(0xDF)), W(0xDF)) << "sharp s has no single-character capital here";
    for (unsigned c = 0x80; c < 0xC0; ++c) {
        if (c != 0xB5) {  // micro sign: folding it to Greek mu is allowed
            EXPECT_EQ(FoldCase(W(c)), W(c)) << std::hex << "U+" << c;
        }
    }
    EXPECT_TRUE(EqualsIgnoreCase(L"ÉCOLE ÀÇÑÖØÞ", L"école àçñöøþ"));
}

TEST(TextCaseLatinExtendedA, FoldsPairsIncludingTheShiftedRuns)
{
    ExpectRangeFolds(0x100, 0x12E, 2, 1);  // Ā .. Į
    ExpectRangeFolds(0x132, 0x136, 2, 1);  // Ĳ .. Ķ
    ExpectRangeFolds(0x139, 0x147, 2, 1);  // Ĺ .. Ň (odd capitals)
    ExpectRangeFolds(0x14A, 0x176, 2, 1);  // Ŋ .. Ŷ
    ExpectRangeFolds(0x179, 0x17D, 2, 1);  // Ź .. Ž (odd capitals)
    EXPECT_EQ(FoldCase(W(0x178)), W(0xFF)) << "Y with diaeresis folds to its Latin-1 small letter";
    EXPECT_EQ(FoldCase(W(0x138)), W(0x138)) << "kra has no capital";
    EXPECT_EQ(FoldCase(W(0x149)), W(0x149)) << "n preceded by apostrophe has no capital";
    EXPECT_TRUE(EqualsIgnoreCase(L"ŁÓDŹ ŽLUŤOUČKÝ KŮŇ ŸVES", L"łódź žluťoučký kůň ÿves"));
}

TEST(TextCaseCyrillic, FoldsBasicAndExtendedLetters)
{
    ExpectRangeFolds(0x410, 0x42F, 1, 0x20);  // А .. Я
    ExpectRangeFolds(0x400, 0x40F, 1, 0x50);  // Ѐ .. Џ
    ExpectRangeFolds(0x460, 0x480, 2, 1);     // Ѡ .. Ҁ
    ExpectRangeFolds(0x48A, 0x4BE, 2, 1);     // Ҋ .. Ҿ
    ExpectRangeFolds(0x4C1, 0x4CD, 2, 1);     // Ӂ .. Ӎ (odd capitals)
    ExpectRangeFolds(0x4D0, 0x52E, 2, 1);     // Ӑ .. Ԯ
    EXPECT_EQ(FoldCase(W(0x4C0)), W(0x4CF)) << "palochka";
    EXPECT_TRUE(EqualsIgnoreCase(L"ПРИВЕТ, МИР! ЁЛКА", L"привет, мир! ёлка"));
    EXPECT_TRUE(EqualsIgnoreCase(L"ҐАНОК ЇЖАК ЄВРО", L"ґанок їжак євро")) << "Ukrainian";
    EXPECT_TRUE(EqualsIgnoreCase(L"ЂЈЉЊЋЏ", L"ђјљњћџ")) << "Serbian";
    EXPECT_TRUE(EqualsIgnoreCase(L"ҚАЗАҚ ӘҢҒҮҰҺӨ", L"қазақ әңғүұһө")) << "Kazakh";
}

TEST(TextCaseGreek, FoldsCapitalsTonosAndFinalSigma)
{
    for (unsigned c = 0x391; c <= 0x3AB; ++c) {
        if (c == 0x3A2)
            continue;  // unassigned
        EXPECT_EQ(static_cast<unsigned>(FoldCase(W(c))), c + 0x20) << std::hex << "U+" << c;
    }
    EXPECT_EQ(FoldCase(W(0x3A2)), W(0x3A2));
    EXPECT_EQ(FoldCase(L'Ά'), L'ά');
    EXPECT_EQ(FoldCase(L'Έ'), L'έ');
    EXPECT_EQ(FoldCase(L'Ή'), L'ή');
    EXPECT_EQ(FoldCase(L'Ί'), L'ί');
    EXPECT_EQ(FoldCase(L'Ό'), L'ό');
    EXPECT_EQ(FoldCase(L'Ύ'), L'ύ');
    EXPECT_EQ(FoldCase(L'Ώ'), L'ώ');
    EXPECT_EQ(FoldCase(L'ς'), FoldCase(L'Σ')) << "final sigma";
    EXPECT_TRUE(EqualsIgnoreCase(L"ΩΜΈΓΑ", L"ωμέγα"));
    EXPECT_TRUE(EqualsIgnoreCase(L"ΟΔΌΣ", L"οδός"));
    EXPECT_TRUE(EqualsIgnoreCase(L"ΣΟΦΟΣ", L"σοφος"));
}

TEST(TextCase, FoldingIsStable)
{
    // Folding a folded character never changes it again: a fold that lands on another capital
    // would make EqualsIgnoreCase depend on which side was typed in capitals.
    for (unsigned c = 0; c < 0x2000; ++c) {
        const wchar_t once = FoldCase(W(c));
        EXPECT_EQ(FoldCase(once), once) << std::hex << "U+" << c;
    }
}

TEST(TextCase, LeavesCharactersWithoutCaseAlone)
{
    for (const wchar_t c : {L'0', L'9', L' ', L'_', L'€', L'日', L'ß', L'ı'})
        EXPECT_EQ(FoldCase(c), c) << static_cast<unsigned>(c);
    // Each unit of a surrogate pair is left as it is.
    const std::wstring emoji = L"\U0001F600";
    EXPECT_EQ(FoldCase(emoji), emoji);
}

TEST(TextCase, LookAlikesFromOtherScriptsStayDifferent)
{
    EXPECT_FALSE(EqualsIgnoreCase(L"A", L"\u0410")) << "Latin A vs Cyrillic A";
    EXPECT_FALSE(EqualsIgnoreCase(L"a", L"\u0430"));
    EXPECT_FALSE(EqualsIgnoreCase(L"A", L"\u0391")) << "Latin A vs Greek Alpha";
    EXPECT_FALSE(EqualsIgnoreCase(L"P", L"\u0420")) << "Latin P vs Cyrillic Er";
    EXPECT_FALSE(EqualsIgnoreCase(L"i", L"\u0131")) << "dotless i";
}

TEST(TextCase, FoldsWholeStrings)
{
    EXPECT_EQ(FoldCase(std::wstring_view(L"Profile ÄÖÜ ДПИ ΣΩ 1800 DPI")), L"profile äöü дпи σω 1800 dpi");
    EXPECT_EQ(FoldCase(std::wstring_view(L"")), L"");
    const std::wstring withNul(L"A\0B", 3);
    EXPECT_EQ(FoldCase(std::wstring_view(withNul)), std::wstring(L"a\0b", 3));
}

TEST(TextCase, EqualsIgnoreCaseComparesWholeStrings)
{
    EXPECT_TRUE(EqualsIgnoreCase(L"", L""));
    EXPECT_TRUE(EqualsIgnoreCase(L"Macro", L"mACRO"));
    EXPECT_FALSE(EqualsIgnoreCase(L"Macro", L"Macro "));
    EXPECT_FALSE(EqualsIgnoreCase(L"Macro", L"Macr"));
    EXPECT_FALSE(EqualsIgnoreCase(L"", L"a"));
    EXPECT_FALSE(EqualsIgnoreCase(L"Profile1", L"PROFILE2"));
    EXPECT_FALSE(EqualsIgnoreCase(L"[", L"{")) << "'[' is 'Z'+1, '{' is 'z'+1: not a case pair";
    EXPECT_FALSE(EqualsIgnoreCase(L"@", L"`"));
    EXPECT_FALSE(EqualsIgnoreCase(L"\u00D7", L"\u00F7")) << "multiplication and division signs";
    EXPECT_TRUE(EqualsIgnoreCase(L"\U0001F600x", L"\U0001F600X"));
    EXPECT_FALSE(EqualsIgnoreCase(L"\U0001F600", L"\U0001F601"));
}

TEST(TextCase, IndependentOfTheProcessLocale)
{
    const std::wstring before = FoldCase(std::wstring_view(L"ÄÖÜ ДПИ ΣΩ İ"));
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "tr_TR.UTF-8") == nullptr)
        std::setlocale(LC_ALL, "");
    EXPECT_EQ(FoldCase(std::wstring_view(L"ÄÖÜ ДПИ ΣΩ İ")), before);
    EXPECT_TRUE(EqualsIgnoreCase(L"TITLE", L"title"));
    std::setlocale(LC_ALL, saved.c_str());
}
