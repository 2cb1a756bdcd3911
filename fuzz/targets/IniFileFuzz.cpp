#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "config/IniFile.h"
#include "platform/Utf16.h"

void FuzzIniFile(std::span<const uint8_t> data)
{
    const IniFile file = IniFile::Parse(AsChars(data));
    (void)file.GetString(L"PROPERTIES", L"name", L"");
    (void)file.GetInt(L"PROPERTIES", L"auto", 0);
    (void)file.GetSectionLines(L"ASSIGNMENTS");

    // What is written reads back as written.
    const std::string once = file.Serialize();
    FUZZ_CHECK(IniFile::Parse(once).Serialize() == once);

    // A value set is the value read, also after a round trip through the file's bytes.
    std::wstring value = platform::FromUtf8(AsChars(data.first(std::min<size_t>(data.size(), 64))));
    std::erase_if(value, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
    IniFile edited = file;
    edited.Set(L"PROPERTIES", L"name", value);
    FUZZ_CHECK(edited.GetString(L"PROPERTIES", L"name", L"") == value);
    FUZZ_CHECK(IniFile::Parse(edited.Serialize()).GetString(L"PROPERTIES", L"name", L"") == value);
}
