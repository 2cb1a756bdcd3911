#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/CThumbTrack.h"
#include "skin/win/CItemMakers.h"

// The zone slider (HSLIDERMAPM, kind 9): a track whose thumbs (CPHSlider), left to right,
// split its range into zones, each filled with its colour under the track's picture blended
// over it. Unless the thumbs are free, none passes its neighbours. Thumb changes
// (Notification::kSliderMoved) and clicks on a zone (Notification::kZoneClicked: zone index,
// the slider's identifier) are posted to the slider's parent and its owner.
//
// A slider read from a layout sits in its track's window, with the two thumbs the identifier
// table names for it, spread evenly with grey zones (ZoneArithmetic); a page that wants its own
// colours sets one per zone and initialises again.
class CAPMSlider : public CThumbTrack
{
public:
    // Opacity of the track's picture over the zone colours, of 255.
    static constexpr BYTE kBlendAlpha = 50;

    [[nodiscard]] static MadeItem Make(const ApmSliderDescription& description, const IItemMakeContext& context);

    // Makes the track, `rect` in the parent's client coordinates; its thumbs are drawn with
    // `thumb` and `highlight`.
    bool Create(HWND parent, const PictureArea& track, const PictureArea& thumb, const PictureArea& highlight,
                const RECT& rect);
    // A further thumb right of the others, with the slider's range; null when its window
    // cannot be made.
    CPHSlider* AddThumb(int32_t identifier);

    void SetRange(int32_t a, int32_t b);
    void SetFree(bool free) noexcept { m_free = free; }
    [[nodiscard]] bool IsFree() const noexcept { return m_free; }
    // One colour per zone (red + 256 x green + 65536 x blue); a zone without one is black.
    void SetZoneColours(std::vector<uint32_t> colours);
    [[nodiscard]] const std::vector<uint32_t>& ZoneColours() const noexcept { return m_colours; }

    // Spreads the thumbs evenly, bounds them (or frees them) and gives the zones left of the
    // last thumb their greys.
    void Initialise();
    void SetDefaultStages();
    void RemoveTickerCapRanges();
    void SetTickerCapRanges();

    // The zone under a point of the track (client x).
    [[nodiscard]] size_t ZoneAt(int32_t x) const;

protected:
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonUp(POINT point, WPARAM keys) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyBounds();

    PictureArea m_track;
    PictureArea m_thumb;
    PictureArea m_highlight;
    std::vector<uint32_t> m_colours{0};
    int32_t m_minimum = CSliderThumb::kDefaultMinimum;
    int32_t m_maximum = CSliderThumb::kDefaultMaximum;
    bool m_free = false;
};
