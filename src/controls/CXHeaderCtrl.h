#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/CListCheckPictures.h"
#include "skin/win/CSubclassedWindow.h"

// The column header of the report list (the list view's own header, drawn by the program): each
// heading in the header's colours, translated in the current language, a check-box column's
// heading with its picture showing whether every row is checked, and lines between the columns
// in the list's outline colour.
class CXHeaderCtrl : public CSubclassedWindow
{
public:
    struct Colours
    {
        COLORREF background = RGB(48, 48, 48);
        COLORREF text = RGB(200, 200, 200);
        COLORREF outline = RGB(96, 96, 96);
    };
    // Between a heading's left edge and its picture or text.
    static constexpr int kIndent = 4;

    // Draws the list view's header from now on.
    bool AttachTo(HWND listView);

    void SetColours(const Colours& colours);
    // A heading for the next column; `check` is borrowed and must outlive the header.
    void AddHeading(std::wstring textKey, const CListCheckPictures* check);
    // Shows a check-box heading checked or not.
    void SetAllChecked(int position, bool checked);
    [[nodiscard]] bool IsAllChecked(int position) const noexcept;

protected:
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }

private:
    struct Heading
    {
        std::wstring textKey;
        const CListCheckPictures* check = nullptr;
        bool allChecked = false;
    };

    void PaintHeading(HDC dc, const Heading& heading, const RECT& rect) const;

    Colours m_colours;
    std::vector<Heading> m_headings;
};
