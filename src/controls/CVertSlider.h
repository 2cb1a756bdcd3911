#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "skin/win/PictureArea.h"
#include "controls/core/CVerticalThumb.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CToolTip.h"

// The vertical slider (VSLIDER, kind 5): a thumb window, drawn from its picture, that the user
// drags up and down its track in the owner window (or moves with the arrow keys once it has
// the focus). It reads as a percentage, 100 at the top and 0 at the bottom (CVerticalThumb).
// When the user lets it go (or presses a key) it posts Notification::kSliderMoved (value,
// identifier) to its owner; values the program sets are not posted.
class CVertSlider : public CCustomWindow, public CGUIItem
{
public:
    // The slider of a VSLIDER element whose picture loaded; nothing otherwise.
    [[nodiscard]] static MadeItem Make(const VerticalSliderDescription& description, const IItemMakeContext& context);

    // The thumb, as large as its picture, at the bottom of `track` (the owner's coordinates).
    bool Create(int32_t identifier, HWND owner, const PictureArea& thumb, const RECT& track);
    // Draws the thumb with the part (x1, y1)-(x2, y2) of a cached picture.
    void SetBackground(HBITMAP bitmap, int x1, int y1, int x2, int y2);
    // Both 0: no limits.
    void SetLimits(int32_t lower, int32_t upper) noexcept;
    // Shows the value at its place; nothing is posted.
    void SetValue(int32_t value);
    [[nodiscard]] int32_t Value() const noexcept { return m_thumb ? m_thumb->Value() : 0; }
    void SetToolTip(std::wstring_view textKey);
    [[nodiscard]] bool IsDragging() const noexcept { return m_dragging; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnKeyDown(WPARAM key, LPARAM flags) override;

private:
    [[nodiscard]] int32_t ScreenY(POINT point) const noexcept;
    void MoveTop(int32_t top);
    void Notify() const;

    std::optional<CVerticalThumb> m_thumb;
    PictureArea m_picture;
    RECT m_track{};
    CToolTip m_toolTip;
    bool m_dragging = false;
    int32_t m_grabY = 0;    // the pointer's screen y when the button went down
    int32_t m_grabTop = 0;  // the thumb's top then
};
