#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../../support/TempFolder.h"
#include "../../support/WindowTestSupport.h"
#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CGUIPanel.h"
#include "skin/win/CSkinEnvironment.h"

namespace skintest {

constexpr int kPanelTemplate = 129;

using wintest::PixelFunction;

inline COLORREF Solid(COLORREF colour, int, int)
{
    return colour;
}

// A 24-bit bottom-up BMP file of the given pixels.
inline std::string BmpFile(int width, int height, const PixelFunction& pixel)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = pixel(x, y);
            row[static_cast<size_t>(x) * 3] = static_cast<char>(GetBValue(colour));
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(colour));
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
        bytes += row;
    }
    return bytes;
}

// A language file: UTF-16LE, title, an ignored line, then keys and values.
inline std::string LanguageFile(std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> entries)
{
    std::u16string text = u"Test\r\n-\r\n";
    for (const auto& [key, value] : entries)
        text += std::u16string(key) + u"\r\n" + std::u16string(value) + u"\r\n";
    text += u"END OF FILE\r\n";
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

using wintest::MemoryBitmap;
using wintest::PumpMessages;

// What is on the screen at a point (the panels open at the screen's top-left corner).
inline COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A panel that records the commands its items send it.
class RecordingPanel : public CGUIPanel
{
public:
    struct Command
    {
        HWND control;
        WORD notification;
        WORD identifier;
    };

    using CGUIPanel::CGUIPanel;

    std::vector<Command> commands;

protected:
    void OnCommand(HWND control, WORD notification, WORD identifier) override
    {
        commands.push_back(Command{control, notification, identifier});
    }
};

// A program folder of the test's own, with the skin's folders, set up as the skin's program
// directory for the test. The language set is emptied afterwards, since its tables belong to
// the test's item lists.
class SkinProgramTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Items light up under the pointer: start with it away from every test window,
        // wherever an earlier test left it.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        for (const wchar_t* folder : {L"xml", L"skins", L"lang", L"fonts"})
            CreateDirectoryW(m_folder.File(folder).c_str(), nullptr);
        CSkinEnvironment::Instance().Initialize(m_folder.Path());
    }

    void TearDown() override
    {
        CLanguageSet::Instance().Clear();
        CSkinEnvironment::Instance().Release();
    }

    void WriteFile(const std::wstring& relativePath, std::string_view bytes) const
    {
        std::ofstream out(m_folder.FsPath() / relativePath, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    void WriteLayout(const std::wstring& name, std::string_view xml) const { WriteFile(L"xml/" + name, xml); }
    void WritePicture(const std::wstring& name, int width, int height, const PixelFunction& pixel) const
    {
        WriteFile(L"skins/" + name, BmpFile(width, height, pixel));
    }
    void WritePicture(const std::wstring& name, int width, int height, COLORREF colour) const
    {
        WritePicture(name, width, height, [colour](int, int) { return colour; });
    }
    void WriteLanguage(const std::wstring& name, std::string_view bytes) const { WriteFile(L"lang/" + name, bytes); }

    TempFolder m_folder;
};

}  // namespace skintest
