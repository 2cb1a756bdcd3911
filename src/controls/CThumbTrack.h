#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/CPHSlider.h"
#include "skin/win/PictureArea.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"

// A track window holding slider thumbs (CPHSlider), left to right: what the multi-stage and
// the zone sliders share. The thumbs are its child windows and report to it.
class CThumbTrack : public CCustomWindow, public CGUIItem
{
public:
    [[nodiscard]] size_t ThumbCount() const noexcept { return m_thumbs.size(); }
    [[nodiscard]] CPHSlider* Thumb(size_t index) const noexcept;
    [[nodiscard]] CPHSlider* FindThumb(int32_t identifier) const noexcept;
    [[nodiscard]] std::vector<int32_t> Values() const;

protected:
    // The thumbs are drawn over the track's picture without flicker.
    bool CreateTrack(HWND parent, const RECT& rect);
    // A thumb over the whole client area with the range and margins given; null when its
    // window cannot be made.
    CPHSlider* AddThumbWindow(int32_t identifier, const PictureArea& thumb, const PictureArea& highlight,
                              int32_t minimum, int32_t maximum, int32_t leftMargin, int32_t rightMargin);
    [[nodiscard]] const std::vector<std::unique_ptr<CPHSlider>>& Thumbs() const noexcept { return m_thumbs; }
    void Redraw() const;

private:
    std::vector<std::unique_ptr<CPHSlider>> m_thumbs;
};
