#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "macro/IKeyboardPlatform.h"

// The keyboard questions of key naming answered by user32 in one keyboard layout: a layout
// loaded by name (a language's "kbdlayout"), one handed over by its owner, or, when none is
// set, the calling thread's current layout.
//
// Layout handles are not released: a loaded layout may be the active one of the thread, and
// the system keeps loaded layouts for the life of the process anyway.
class CWinKeyboardPlatform final : public IKeyboardPlatform
{
public:
    // The layout a language without "kbdlayout" uses (US English).
    static constexpr std::wstring_view kDefaultLayoutName = L"00000409";

    CWinKeyboardPlatform() = default;
    explicit CWinKeyboardPlatform(HKL layout) noexcept : m_layout(layout) {}

    // Loads a layout by its eight hexadecimal digits and activates it for the thread, as a
    // language's layout is (LoadKeyboardLayoutW, KLF_ACTIVATE); an empty name loads
    // kDefaultLayoutName. False, keeping the layout in use, when the system refuses.
    [[nodiscard]] bool LoadLayout(std::wstring_view layoutName);
    // Uses a layout loaded elsewhere; nullptr returns to the thread's current layout.
    void UseLayout(HKL layout) noexcept { m_layout = layout; }
    // Makes the layout in use the thread's active one (ActivateKeyboardLayout, flags 0).
    [[nodiscard]] bool Activate() const noexcept;
    // The layout the answers come from.
    [[nodiscard]] HKL Layout() const noexcept;

    [[nodiscard]] std::wstring KeyNameText(int32_t keyParameter) const override;
    [[nodiscard]] uint32_t VirtualKeyToChar(uint32_t virtualKey) const override;
    [[nodiscard]] int16_t CharToKey(wchar_t character) const override;
    [[nodiscard]] std::wstring TypedText(uint32_t virtualKey, uint32_t scanCode) const override;

private:
    HKL m_layout = nullptr;
};
