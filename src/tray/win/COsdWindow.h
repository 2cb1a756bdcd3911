#pragma once

#include <windows.h>

#include <string>

#include "platform/win/WinHandles.h"
#include "tray/COsdPlanner.h"

// The on-screen display: a small window drawn on the skin's picture, above every other window,
// that the mouse clicks through and that never takes the focus. It shows one message for
// COsdPlanner::kShowTime, bottom centre of the screen's work area; a newer message replaces it.
// Its window text is the message's main text, so that tools reading the screen find it.
class COsdWindow
{
public:
    static constexpr wchar_t kClassName[] = L"Peraxil1800TrayDisplay";
    // Outside the picture's outline: what the colour key leaves out.
    static constexpr COLORREF kColourKey = RGB(255, 0, 255);

    COsdWindow() = default;
    COsdWindow(const COsdWindow&) = delete;
    COsdWindow& operator=(const COsdWindow&) = delete;
    ~COsdWindow();

    // `programDirectory` holds skins\ and fonts\; `cjkFace` names the typeface for Chinese,
    // Japanese and Korean texts, empty for the others.
    bool Create(HINSTANCE instance, const std::wstring& programDirectory, const std::wstring& face);
    void Show(const tray::OsdMessage& message);
    void Hide() noexcept;
    [[nodiscard]] HWND Handle() const noexcept { return m_window; }

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static constexpr UINT_PTR kHideTimer = 1;
    static constexpr int kDefaultWidth = 320;
    static constexpr int kDefaultHeight = 104;

    void LoadSkin(const std::wstring& programDirectory);
    void Paint(HDC dc) const;
    void PlaceOnScreen() const;

    HWND m_window = nullptr;
    UniqueBitmap m_background;
    SIZE m_size{kDefaultWidth, kDefaultHeight};
    UniqueFont m_headingFont;
    UniqueFont m_textFont;
    UniqueFont m_detailFont;
    tray::OsdMessage m_message;
};
