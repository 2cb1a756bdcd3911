#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "skin/win/PictureArea.h"
#include "controls/core/CSliderThumb.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CToolTip.h"

// One thumb of a horizontal slider (kind 6): a child window of its track, drawn from the
// cache's thumb pictures (the highlight one while hovered, dragged or focused), that the user
// drags along the track, clicks, or moves with the arrow keys once it has the focus. Its value
// is a step (CSliderThumb). Every change the user makes is posted to the track window as
// Notification::kSliderMoved (value, the thumb's identifier); a release is posted even when the
// value stayed. Values the program sets are not posted.
class CPHSlider : public CCustomWindow, public CGUIItem
{
public:
    CPHSlider() = default;

    // Makes the thumb a visible child of `trackWindow`, whose client area holds `track`. A
    // shaped thumb lets the track show through where its picture has the colour of its
    // top-left pixel.
    bool Create(const PictureArea& thumb, const PictureArea& highlight, const RectEdges& track, HWND trackWindow,
                bool shaped);

    void SetRange(int32_t a, int32_t b);
    void SetCapRange(int32_t lower, int32_t upper);
    void SetMargins(int32_t left, int32_t right);
    // A disabled thumb ignores the mouse and the keyboard.
    void SetEnabled(bool enabled);
    [[nodiscard]] bool IsEnabled() const noexcept { return m_enabled; }
    // Shows the value, kept within the cap range; nothing is posted.
    void SetValue(int32_t value);
    [[nodiscard]] int32_t GetValue() const noexcept { return m_scale.Value(); }
    [[nodiscard]] const CSliderThumb& Scale() const noexcept { return m_scale; }
    void SetToolTip(std::wstring_view textKey);

    // Settles on the step nearest to `trackX` (the track's coordinates) and posts the value.
    void ReleaseAt(int32_t trackX);

    [[nodiscard]] bool IsDragging() const noexcept { return m_dragging; }
    [[nodiscard]] bool IsHighlighted() const noexcept { return m_dragging || m_hovering || m_focused; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnSetFocus(HWND previous) override;
    void OnKillFocus(HWND next) override;
    void OnKeyDown(WPARAM key, LPARAM flags) override;

private:
    // The pointer's x in the track's coordinates.
    [[nodiscard]] int32_t TrackX(POINT point) const noexcept;
    void Place();
    void PlaceLeft(int32_t left);
    void Notify() const;
    void Redraw() const;

    CSliderThumb m_scale;
    PictureArea m_thumb;
    PictureArea m_highlight;
    HWND m_track = nullptr;
    CToolTip m_toolTip;
    bool m_enabled = true;
    bool m_dragging = false;
    bool m_hovering = false;
    bool m_focused = false;
    bool m_trackingLeave = false;
    // Where the thumb's centre lies from the pointer while dragging.
    int32_t m_grabOffset = 0;
};
