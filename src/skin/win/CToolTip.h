#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The tool tip of one item window: a platform tool tip control with one tool (identifier 1)
// covering the item's client area. It is made on first use, inactive until it gets a text,
// and destroyed with the object.
class CToolTip
{
public:
    static constexpr UINT_PTR kToolId = 1;

    CToolTip() noexcept = default;
    CToolTip(const CToolTip&) = delete;
    CToolTip& operator=(const CToolTip&) = delete;
    ~CToolTip();

    // Makes the control for `item` when there is none; false when it cannot be made.
    bool Ensure(HWND item);
    // Hands a mouse message of the item to the control (made first when needed); other
    // messages are ignored.
    void Relay(HWND item, UINT message, WPARAM wParam, LPARAM lParam);
    // Sets the tool's text and activates the control.
    void SetText(HWND item, std::wstring_view text);
    // The tool's text; empty without a control.
    [[nodiscard]] std::wstring Text() const;
    [[nodiscard]] HWND Handle() const noexcept { return m_control; }
    [[nodiscard]] bool IsActive() const noexcept { return m_active; }

    [[nodiscard]] static bool IsMouseMessage(UINT message) noexcept;
    // What a tool tip shows for a text key: the current language's translation, or the key as
    // written; a written line break (the two characters from the first backslash) becomes a
    // space, since tool tips are one line.
    [[nodiscard]] static std::wstring ShownText(std::wstring_view textKey);

private:
    HWND m_control = nullptr;
    HWND m_item = nullptr;
    std::wstring m_text;
    bool m_active = false;
};
