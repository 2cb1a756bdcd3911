#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/win/PictureArea.h"
#include "controls/core/CStageTile.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CItemMakers.h"

class CFontItem;

// One tile of the sensitivity-stages pop-up (DPISTAGEWINDOW, kind 20): its heading and one
// sensitivity, or an X and a Y one, in value boxes inside a frame that changes when the tile is
// selected. Its parts (pictures and texts, each with its rectangle in the tile) come from the
// layout; what it shows is CStageTile's. A click on a clickable tile that is not selected
// selects it and sends its parent Notification::kStageSelected (the tile's position, from 1;
// the tile's identifier). What the pop-up sets is not reported.
class CDPIStageWindow : public CCustomWindow, public CGUIItem
{
public:
    // Drawn in place of a value box while the tile is selected.
    static constexpr wchar_t kSelectedBoxPicture[] = L"stageSelected.bmp";
    // Texts are drawn single-line and vertically centred (DT_SINGLELINE | DT_VCENTER).
    static constexpr UINT kDefaultTextFormat = 36;

    [[nodiscard]] static MadeItem Make(const DpiStageWindowDescription& description, const IItemMakeContext& context);

    explicit CDPIStageWindow(int32_t stageIndex) noexcept : m_stageIndex(stageIndex) {}

    bool Create(HWND parent, const RECT& rect);
    void SetPicture(CStageTile::Picture part, const PictureArea& picture, const RECT& rect);
    // The label's text key (translated here) and its rectangle.
    void SetLabel(CStageTile::Label label, std::wstring_view textKey, const RECT& rect);
    // The heading: translated when it is a key, converted to the tile's case, the first written
    // line break made a real one.
    void SetHeading(std::wstring_view text);
    void SetFont(CFontItem* font) noexcept { m_font = font; }
    // 0: the default light colour.
    void SetTextColour(uint32_t colour);
    // 0 unchanged, 1 upper case, 2 lower case (the heading set next).
    void SetCase(int32_t caps) noexcept { m_caps = caps; }

    void SetValues(int32_t value, int32_t xValue, int32_t yValue);
    void SetSeparate(bool separate);
    void SetShown(bool shown);
    void SetSelected(bool selected);
    void SetClickable(bool clickable) noexcept { m_tile.SetClickable(clickable); }

    [[nodiscard]] const CStageTile& Tile() const noexcept { return m_tile; }
    [[nodiscard]] int32_t StageIndex() const noexcept { return m_stageIndex; }
    [[nodiscard]] const std::wstring& Heading() const noexcept { return m_heading; }

protected:
    void OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;
    void OnKillFocus(HWND next) override;

private:
    struct Part
    {
        PictureArea picture;
        RECT rect{};
    };
    struct Text
    {
        std::wstring text;
        RECT rect{};
        bool present = false;
    };

    void DrawLabels(HDC dc, const CStageTile::PaintPlan& plan) const;
    void DrawNumbers(HDC dc, const CStageTile::PaintPlan& plan) const;
    void Redraw(bool erase = false) const;

    int32_t m_stageIndex;
    CStageTile m_tile;
    std::array<Part, CStageTile::kPictureCount> m_pictures{};
    PictureArea m_selectedBox;
    std::array<Text, CStageTile::kLabelCount> m_labels{};
    std::wstring m_heading;
    CFontItem* m_font = nullptr;  // the layout's font item; not owned
    uint32_t m_textColour = 0;
    int32_t m_caps = 0;
};
