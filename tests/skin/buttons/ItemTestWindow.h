#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "../../support/WindowTestSupport.h"
#include "platform/win/WinHandles.h"
#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CCustomWindow.h"

namespace itemtest {

// A top-level window that holds the items under test and records what they tell it: commands
// and the private notifications.
class RecordingWindow : public CCustomWindow
{
public:
    struct Received
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    bool Open(const RECT& rect)
    {
        // Items light up under the pointer: start with it away from the window, wherever an
        // earlier test left it.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        return Create(nullptr, rect, WS_POPUP | WS_VISIBLE);
    }

    [[nodiscard]] std::vector<Received> Of(UINT message) const
    {
        std::vector<Received> found;
        std::copy_if(received.begin(), received.end(), std::back_inserter(found),
                     [message](const Received& item) { return item.message == message; });
        return found;
    }

    std::vector<Received> received;
    // Called on a message the window records, before it is recorded.
    std::function<void(UINT, WPARAM, LPARAM)> onReceive;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || (message >= WM_USER && message < WM_APP)) {
            if (onReceive)
                onReceive(message, wParam, lParam);
            received.push_back(Received{message, wParam, lParam});
            return 0;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT paint{};
            BeginPaint(Handle(), &paint);
            FillRect(paint.hdc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
            EndPaint(Handle(), &paint);
            return 0;
        }
        return CCustomWindow::OnMessage(message, wParam, lParam);
    }
};

// A 32-bit bitmap of one colour.
inline UniqueBitmap SolidBitmap(int width, int height, COLORREF colour)
{
    return wintest::MemoryBitmap(width, height, [colour](int, int) { return colour; });
}

using wintest::PumpMessages;

// Screen pixels of windows (tests/support).
using wintest::CountPixels;
using wintest::PixelOf;

// A language file: UTF-16LE, title, an ignored line, then keys (without "$") and values.
inline std::string LanguageFile(std::initializer_list<std::pair<std::u16string, std::u16string>> entries)
{
    std::u16string text = u"Test\r\n-\r\n";
    for (const auto& [key, value] : entries)
        text += key + u"\r\n" + value + u"\r\n";
    text += u"END OF FILE\r\n";
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// Makes a language current for the test's lifetime.
class CurrentLanguage
{
public:
    explicit CurrentLanguage(std::initializer_list<std::pair<std::u16string, std::u16string>> entries)
        : m_table(CLanguageSet::kEnglish)
    {
        const std::string bytes = LanguageFile(entries);
        m_table.Read(bytes.data(), bytes.size());
        CLanguageSet::Instance().Register(CLanguageSet::kEnglish, &m_table);
        CLanguageSet::Instance().Select(CLanguageSet::kEnglish);
    }
    CurrentLanguage(const CurrentLanguage&) = delete;
    CurrentLanguage& operator=(const CurrentLanguage&) = delete;
    ~CurrentLanguage() { CLanguageSet::Instance().Clear(); }

private:
    CLangTable m_table;
};

}  // namespace itemtest
