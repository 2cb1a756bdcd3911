#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Utf16.h"
#include "support/TempFolder.h"
#include "tray/CTrayTexts.h"

namespace {

// An installation's lang folder holding the files given as literal text.
void WriteLanguage(const TempFolder& program, const std::wstring& name, std::wstring_view text)
{
    std::filesystem::create_directories(program.FsPath() / "lang");
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : platform::ToUtf16(text)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    ASSERT_TRUE(platform::WriteFileAtomically(program.Path() + L"lang" + platform::kPathSeparator + name, bytes));
}

}  // namespace

TEST(TrayTextsTest, TheRegistrysLanguageWithEnglishAsFallback)
{
    TempFolder program;
    WriteLanguage(program, L"English.lng",
                  L"English\r\nnote\r\nTrayExit\r\nExit\r\nTrayDisplays\r\nOn-screen displays\r\n");
    WriteLanguage(program, L"German.lng", L"Deutsch\r\nnote\r\nTray Exit\r\nBeenden\r\n");

    const auto german = tray::CTrayTexts::Load(program.Path(), L"german");
    EXPECT_EQ(german.Text(L"$TrayExit"), L"Beenden");
    EXPECT_EQ(german.Text(L"$TrayDisplays"), L"$TrayDisplays") << "no fallback to another language's table";

    EXPECT_EQ(tray::CTrayTexts::Load(program.Path(), L"Klingon").Text(L"$TrayExit"), L"Exit");
    EXPECT_EQ(tray::CTrayTexts::Load(program.Path(), L"French").Text(L"$TrayExit"), L"Exit")
        << "a language without its file falls back to English";
    EXPECT_EQ(tray::CTrayTexts::Load(L"/nonexistent/", L"English").Text(L"$TrayExit"), L"$TrayExit");
}
