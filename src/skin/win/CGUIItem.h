#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "skin/layout/ItemKind.h"

// What every skin item is: an identifier from the item identifier table, the layout element
// that made it, the window that shows it, the window it belongs to and its place there. Item
// classes derive from it beside their window class; item lists own items through it.
class CGUIItem
{
public:
    // The window handle of an item whose common fields were never set.
    static inline const HWND kNoWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(-1));

    CGUIItem() noexcept = default;
    CGUIItem(const CGUIItem&) = delete;
    CGUIItem& operator=(const CGUIItem&) = delete;
    virtual ~CGUIItem() = default;

    [[nodiscard]] int32_t Identifier() const noexcept { return m_identifier; }
    [[nodiscard]] ItemKind Kind() const noexcept { return m_kind; }
    // The item's own window; null for items without one (fonts, languages, list panels).
    [[nodiscard]] HWND ItemWindow() const noexcept { return m_window; }
    [[nodiscard]] HWND Owner() const noexcept { return m_owner; }
    [[nodiscard]] const std::optional<RECT>& Rectangle() const noexcept { return m_rectangle; }

    // Set once by the layout loader when the item joins its list.
    void SetCommon(int32_t identifier, ItemKind kind, HWND window, HWND owner) noexcept
    {
        m_identifier = identifier;
        m_kind = kind;
        m_window = window;
        m_owner = owner;
    }
    // left, top, left + width, top + height.
    void SetRectangle(int32_t left, int32_t top, int32_t width, int32_t height) noexcept
    {
        m_rectangle = RECT{left, top, left + width, top + height};
    }
    void SetOwner(HWND owner) noexcept { m_owner = owner; }

    // Shows or hides what the item shows; items with several windows override it.
    virtual void ShowItem(bool show)
    {
        if (m_window != nullptr && m_window != kNoWindow)
            ShowWindow(m_window, show ? SW_SHOW : SW_HIDE);
    }

private:
    int32_t m_identifier = -1;
    ItemKind m_kind = static_cast<ItemKind>(-1);
    HWND m_window = kNoWindow;
    HWND m_owner = nullptr;
    std::optional<RECT> m_rectangle;
};
