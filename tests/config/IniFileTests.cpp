#include <gtest/gtest.h>

#include "config/IniFile.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace {

std::string Utf16Le(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST(IniFileTest, SectionsAndKeysIgnoreCaseAndTheFirstMatchWins)
{
    const IniFile file = IniFile::Parse(
        "top=level\r\n"
        "[Properties]\r\n"
        "  Name = Gaming  \r\n"
        "name=second\r\n"
        "[properties]\r\n"
        "exe=C:\\later.exe\r\n");
    EXPECT_EQ(file.GetString(L"PROPERTIES", L"NAME", L"?"), L"Gaming");
    EXPECT_EQ(file.GetString(L"PROPERTIES", L"exe", L"none"), L"none") << "only the first section of a name counts";
    EXPECT_EQ(file.GetString(L"", L"top", L"?"), L"?") << "lines before any section belong to none";
    EXPECT_EQ(file.GetString(L"Missing", L"name", L"dflt"), L"dflt");
}

TEST(IniFileTest, ReadsUtf16Utf8AndLatin1)
{
    const IniFile utf16 = IniFile::Parse(Utf16Le(u"[S]\r\nname=\u041f\u0440\u043e\u0444\u0438\u043b\u044c \U0001F3AE\r\n"));
    EXPECT_EQ(utf16.GetString(L"s", L"name", L""), L"Профиль \U0001F3AE");

    const IniFile utf8 = IniFile::Parse("\xEF\xBB\xBF[S]\nname=caf\xC3\xA9\n");
    EXPECT_EQ(utf8.GetString(L"S", L"name", L""), L"café");

    const IniFile latin1 = IniFile::Parse("[S]\rname=caf\xE9\r");
    EXPECT_EQ(latin1.GetString(L"S", L"name", L""), L"café");
}

TEST(IniFileTest, IntegersReadTheirLeadingDigits)
{
    const IniFile file = IniFile::Parse("[P]\nauto=5\nneg=-12x\nword=yes\nhuge=99999999999\n");
    EXPECT_EQ(file.GetInt(L"P", L"auto", 0), 5);
    EXPECT_EQ(file.GetInt(L"P", L"neg", 0), -12);
    EXPECT_EQ(file.GetInt(L"P", L"word", 7), 0) << "present but not a number";
    EXPECT_EQ(file.GetInt(L"P", L"huge", 0), INT32_MAX);
    EXPECT_EQ(file.GetInt(L"P", L"missing", 7), 7);
}

TEST(IniFileTest, StringsAreCutToTheReadersBuffer)
{
    IniFile file;
    file.Set(L"P", L"name", std::wstring(5000, L'a'));
    EXPECT_EQ(file.GetString(L"P", L"name", L"").size(), IniFile::kStringBufferChars - 1);
    EXPECT_EQ(file.GetString(L"P", L"name", L"", 5), L"aaaa");
}

TEST(IniFileTest, SectionLinesStopAtTheBuffer)
{
    const IniFile file = IniFile::Parse("[A]\n1=0\n; note\n\n2=1\n11=40\n[B]\n3=2\n");
    EXPECT_EQ(file.GetSectionLines(L"a"), (std::vector<std::wstring>{L"1=0", L"2=1", L"11=40"}));
    // "1=0" and its terminator fill 4 of 9 units; "2=1" takes 4 more; the final unit is the end.
    EXPECT_EQ(file.GetSectionLines(L"A", 9), (std::vector<std::wstring>{L"1=0", L"2=1"}));
    EXPECT_EQ(file.GetSectionLines(L"A", 7), (std::vector<std::wstring>{L"1=0", L"2"}));
    EXPECT_TRUE(file.GetSectionLines(L"C").empty());
}

TEST(IniFileTest, SetReplacesInPlaceAndKeepsTheRest)
{
    IniFile file = IniFile::Parse("; comment\r\n[P]\r\nname=old\r\nkeep=1\r\n\r\n[Q]\r\nx=y\r\n");
    file.Set(L"p", L"NAME", L"new");
    file.Set(L"P", L"added", L"2");
    file.Set(L"R", L"z", L"3");
    const IniFile again = IniFile::Parse(file.Serialize());
    EXPECT_EQ(again.GetString(L"P", L"name", L""), L"new");
    EXPECT_EQ(again.GetString(L"P", L"keep", L""), L"1");
    EXPECT_EQ(again.GetString(L"P", L"added", L""), L"2");
    EXPECT_EQ(again.GetString(L"Q", L"x", L""), L"y");
    EXPECT_EQ(again.GetString(L"R", L"z", L""), L"3");
    EXPECT_EQ(again.GetSectionLines(L"P"), (std::vector<std::wstring>{L"NAME=new", L"keep=1", L"added=2"}));
}

TEST(IniFileTest, ValuesSurviveBlanksQuotesAndLineBreaks)
{
    IniFile file;
    file.Set(L"P", L"spaces", L"  padded  ");
    file.Set(L"P", L"quoted", L"\"in quotes\"");
    file.Set(L"P", L"empty", L"");
    file.Set(L"P", L"broken", L"one\r\ntwo");
    const IniFile again = IniFile::Parse(file.Serialize());
    EXPECT_EQ(again.GetString(L"P", L"spaces", L"?"), L"  padded  ");
    EXPECT_EQ(again.GetString(L"P", L"quoted", L"?"), L"\"in quotes\"");
    EXPECT_EQ(again.GetString(L"P", L"empty", L"?"), L"");
    EXPECT_EQ(again.GetString(L"P", L"broken", L"?"), L"one  two") << "a value stays on its line";
}

TEST(IniFileTest, SerializesUtf16LittleEndianWithMarkAndCrLf)
{
    IniFile file;
    file.Set(L"S", L"k", L"\u00e9");
    EXPECT_EQ(file.Serialize(), Utf16Le(u"[S]\r\nk=\u00e9\r\n"));
}

TEST(IniFileTest, SaveReplacesTheFileAndLeavesNoTemporaryBehind)
{
    TempFolder folder;
    const std::wstring path = folder.File(L"Vantix.dnc");
    IniFile file;
    file.Set(L"SETTINGS", L"ActiveProfileName", L"Первый");
    ASSERT_TRUE(file.Save(path));
    file.Set(L"SETTINGS", L"ActiveProfileName", L"Second");
    ASSERT_TRUE(file.Save(path));
    EXPECT_EQ(IniFile::Load(path).GetString(L"settings", L"activeprofilename", L""), L"Second");
    EXPECT_EQ(folder.FileCount(), 1u);
}

TEST(IniFileTest, SaveIntoAMissingFolderFailsAndLoadOfAMissingFileIsEmpty)
{
    TempFolder folder;
    IniFile file;
    file.Set(L"S", L"k", L"v");
    EXPECT_FALSE(file.Save(folder.File(L"no-such-folder") + platform::kPathSeparator + L"x.ini"));
    EXPECT_EQ(IniFile::Load(folder.File(L"absent.ini")).GetString(L"S", L"k", L"d"), L"d");
}

TEST(IniFileTest, OddInputNeverBreaksTheReader)
{
    const std::string cases[] = {
        "",
        "\xFF\xFE",
        "\xFF\xFE[",          // odd byte count after the mark
        "\xFE\xFF\0[\0S\0]",  // big-endian, cut short
        "[",
        "[]\n=\n==\n=v\nk=",
        std::string("[S]\nk=a\0b\n", 11),
        "\xC3[S]\nk=\xF0\x9F\n",
    };
    for (const std::string& bytes : cases) {
        const IniFile file = IniFile::Parse(bytes);
        (void)file.GetSectionLines(L"S");
        EXPECT_EQ(file.GetString(L"missing", L"k", L"d"), L"d");
    }
    EXPECT_EQ(IniFile::Parse("[]\n=v\n").GetString(L"", L"", L"d"), L"v") << "empty names are names too";
}

}  // namespace
