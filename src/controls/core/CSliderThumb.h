#pragma once

#include <cstdint>

#include "skin/layout/ItemDescriptions.h"

// One thumb of a horizontal slider as numbers: its step within a range, the sub-range (cap) it
// may take, and where its centre lies on the track. The track runs from its left edge plus the
// left margin to its right edge minus the right margin; the range's minimum sits at the track's
// start and its maximum at the track's end, the steps in between evenly apart.
//
// Every value is kept within the cap range, and the cap range within the range. A range of one
// step, or a track without length, puts every step at the track's start.
class CSliderThumb
{
public:
    static constexpr int32_t kDefaultMinimum = 1;
    static constexpr int32_t kDefaultMaximum = 32;

    // What a drag did: where the thumb's left edge goes, and whether the value changed.
    struct DragResult
    {
        int32_t left = 0;
        bool changed = false;
    };

    CSliderThumb() noexcept = default;
    // `track`: the track's edges in the coordinates the thumb is placed in; `thumbWidth`: the
    // width of the thumb's picture.
    CSliderThumb(const RectEdges& track, int32_t thumbWidth) noexcept;

    // The smaller argument is the minimum; the cap becomes the whole range and the value is
    // kept within it.
    void SetRange(int32_t a, int32_t b) noexcept;
    // Bounds outside the range are clipped to it; the smaller argument is the lower bound.
    void SetCapRange(int32_t lower, int32_t upper) noexcept;
    void SetMargins(int32_t left, int32_t right) noexcept;
    // The value, kept within the cap range.
    void SetValue(int32_t value) noexcept;

    [[nodiscard]] int32_t Value() const noexcept { return m_value; }
    [[nodiscard]] int32_t Minimum() const noexcept { return m_minimum; }
    [[nodiscard]] int32_t Maximum() const noexcept { return m_maximum; }
    [[nodiscard]] int32_t CapMinimum() const noexcept { return m_capMinimum; }
    [[nodiscard]] int32_t CapMaximum() const noexcept { return m_capMaximum; }
    [[nodiscard]] int32_t StepCount() const noexcept { return m_maximum - m_minimum + 1; }
    [[nodiscard]] int32_t ThumbWidth() const noexcept { return m_thumbWidth; }

    // The first and last place of the thumb's centre.
    [[nodiscard]] int32_t TrackStart() const noexcept;
    [[nodiscard]] int32_t TrackEnd() const noexcept;

    // Where the centre of a thumb showing `value` lies (the value taken as it is).
    [[nodiscard]] int32_t CentreOf(int32_t value) const noexcept;
    // The thumb's left edge at the current value.
    [[nodiscard]] int32_t Left() const noexcept { return CentreOf(m_value) - m_thumbWidth / 2; }
    // The step nearest to a centre at `x` (kept on the track), within the cap range.
    [[nodiscard]] int32_t ValueAt(int32_t x) const noexcept;

    // The thumb's centre follows the pointer along the track, never past the steps of its cap
    // range; the value is the nearest step.
    DragResult DragTo(int32_t centreX) noexcept;
    // The thumb settles on the step nearest to `centreX`; its left edge.
    int32_t ReleaseAt(int32_t centreX) noexcept;

private:
    [[nodiscard]] int32_t Clamp(int32_t value) const noexcept;

    RectEdges m_track{};
    int32_t m_thumbWidth = 0;
    int32_t m_minimum = kDefaultMinimum;
    int32_t m_maximum = kDefaultMaximum;
    int32_t m_capMinimum = kDefaultMinimum;
    int32_t m_capMaximum = kDefaultMaximum;
    int32_t m_leftMargin = 0;
    int32_t m_rightMargin = 0;
    int32_t m_value = kDefaultMinimum;
};
