#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CHoverTracker.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CSubclassedWindow.h"

class CBitmapBtn;
class CFontItem;

// A TEXTITEM (kind 11): a line or block of text drawn over its parent, whose picture shows
// through around the letters. Texts light up under the mouse when they have a highlight
// colour; a text linked to a check box works the check box when clicked, so the label of a
// check box is as good as the box.
class CTextItem : public CSubclassedWindow, public CGUIItem
{
public:
    // Light grey in place of colour 0, which the layouts write for "the default colour".
    static constexpr COLORREF kDefaultColour = RGB(254, 254, 254);
    static constexpr int kDefaultFontHeight = 14;
    static constexpr int kDefaultFontWeight = FW_BOLD;
    // Where single-line text starts, from the top-left corner of the area being drawn.
    static constexpr POINT kTextOffset{5, 2};
    // Wrapped text is broken this much short of the right edge: the rasteriser may draw a line's
    // last glyph a few pixels wider than its measured advance, and the window would clip it.
    static constexpr int kWrapMargin = 4;

    // Null when the window cannot be made (there is no parent, say).
    [[nodiscard]] static std::unique_ptr<CTextItem> Create(const TextItemDescription& description, HWND parent,
                                                           CFontItem* font, CBitmapBtn* checkBox);
    // The DrawTextW flags of a layout's alignment; 0 means the text is written as one line at
    // kTextOffset.
    [[nodiscard]] static UINT LayoutFlags(Justify justify, bool multiline) noexcept;

    // Translates the text key with the case conversion (see the source for the details).
    CTextItem(std::wstring_view textKey, int32_t caps);

    // Translates without case conversion and repaints.
    void SetText(std::wstring_view textKey);
    [[nodiscard]] const std::wstring& Text() const noexcept { return m_text; }

    // Gives the window the font (null: the default bold face) and repaints.
    void SetFont(CFontItem* font);
    [[nodiscard]] CFontItem* Font() const noexcept { return m_font; }

    void LinkCheckBox(CBitmapBtn* checkBox) noexcept { m_checkBox = checkBox; }
    [[nodiscard]] CBitmapBtn* LinkedCheckBox() const noexcept { return m_checkBox; }

    void SetLayoutFlags(UINT flags) noexcept { m_layoutFlags = flags; }
    [[nodiscard]] UINT LayoutFlags() const noexcept { return m_layoutFlags; }

    // Colour values; 0 is the default colour, a highlight of 0 means no highlight.
    void SetColours(int32_t colour, int32_t highlight) noexcept;
    // The colour the text is drawn in now.
    [[nodiscard]] COLORREF DrawColour() const noexcept;
    [[nodiscard]] bool IsHovered() const noexcept { return m_hover.IsHovered(); }

    // The text is transparent, so the parent's area under it is painted again with it.
    void Repaint() const;

protected:
    void OnDrawItem(const DRAWITEMSTRUCT& draw) override;
    HBRUSH OnCtlColor(HDC dc) override;
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;

private:
    [[nodiscard]] HWND OwnerOrParent() const noexcept;
    void WorkCheckBox();

    std::wstring m_text;
    UINT m_layoutFlags = 0;
    CFontItem* m_font = nullptr;  // not owned: the font item of the same list
    CHoverTracker m_hover;
    CBitmapBtn* m_checkBox = nullptr;  // not owned: a button of the same list
    int32_t m_colour = 0;
    int32_t m_highlightColour = 0;
};
