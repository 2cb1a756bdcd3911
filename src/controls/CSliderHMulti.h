#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "controls/CThumbTrack.h"
#include "skin/layout/LayoutLimits.h"
#include "skin/win/CItemMakers.h"

// The multi-stage slider (HSLIDERM, kind 8): a track window over its BITMAPITEM, painted with
// that item's picture, holding up to five thumbs (CPHSlider), one per STAGE of its element. The
// thumbs share the range (1 to 32 unless set), the margins and the enabled switch. A click on
// the track outside the thumbs settles the first thumb there.
//
// Every change a thumb reports (Notification::kSliderMoved: value, thumb identifier) is posted
// on to the slider's parent and its owner (the track's window until the page gives it another).
// A slider whose element is not "interactive" shows its thumbs but takes no input.
class CSliderHMulti : public CThumbTrack
{
public:
    static constexpr size_t kMaxThumbs = LayoutLimits::kMaxSliderStages;
    // A thumb of a slider read from a layout starts at this step plus its place (from 0).
    static constexpr int32_t kFirstStageStep = 3;

    // The slider of an HSLIDERM element whose track was made; nothing otherwise.
    [[nodiscard]] static MadeItem Make(const MultiSliderDescription& description, const IItemMakeContext& context);

    // Makes the track, `rect` in the parent's client coordinates, painted with `background`.
    bool Create(HWND parent, const PictureArea& background, const RECT& rect);
    void SetBackground(const PictureArea& background);
    // A further thumb with the slider's range, margins and enabled switch; null beyond five or
    // when its window cannot be made.
    CPHSlider* AddThumb(int32_t identifier, const PictureArea& thumb, const PictureArea& highlight,
                        std::wstring_view toolTip);

    void SetRange(int32_t a, int32_t b);
    void SetLeftMargin(int32_t margin);
    void SetMargins(int32_t left, int32_t right);
    void SetEnabled(bool enabled);
    [[nodiscard]] bool IsEnabled() const noexcept { return m_enabled; }
    [[nodiscard]] int32_t Minimum() const noexcept { return m_minimum; }
    [[nodiscard]] int32_t Maximum() const noexcept { return m_maximum; }

protected:
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonUp(POINT point, WPARAM keys) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    PictureArea m_background;
    int32_t m_minimum = CSliderThumb::kDefaultMinimum;
    int32_t m_maximum = CSliderThumb::kDefaultMaximum;
    int32_t m_leftMargin = 0;
    int32_t m_rightMargin = 0;
    bool m_enabled = true;
};
