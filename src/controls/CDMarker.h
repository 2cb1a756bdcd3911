#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/win/PictureArea.h"
#include "controls/core/CLevelBar.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CItemMakers.h"

// The level bar (DMARKER, kind 7): its empty picture with the full one drawn over it from the
// left in proportion to its value (CLevelBar, 0 to 10 unless set). The user sets it by clicking
// or dragging along it, or with the arrow keys once it has the focus; each setting is posted to
// the owner as Notification::kMarkerMoved (value, identifier). Values the program sets are not
// posted.
class CDMarker : public CCustomWindow, public CGUIItem
{
public:
    [[nodiscard]] static MadeItem Make(const MarkerDescription& description, const IItemMakeContext& context);

    // `rect` in the owner's client coordinates.
    bool Create(const RECT& rect, int32_t identifier, HWND owner);
    // The same part, (x1, y1)-(x2, y2), of two cached pictures: empty and full.
    void SetBitmaps(HBITMAP empty, HBITMAP full, int x1, int y1, int x2, int y2);
    void SetRange(int32_t a, int32_t b);
    void SetValue(int32_t value);
    [[nodiscard]] int32_t Value() const noexcept { return m_bar.Value(); }
    void SetEnabled(bool enabled) noexcept { m_enabled = enabled; }
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
    void Notify() const;
    void Redraw() const;

    CLevelBar m_bar{0, 0};
    PictureArea m_empty;
    PictureArea m_full;
    bool m_enabled = true;
    bool m_dragging = false;
};
