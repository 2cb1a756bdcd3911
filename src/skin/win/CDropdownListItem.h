#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CToolTip.h"
#include "skin/win/IListPopup.h"
#include "skin/win/ListEntry.h"

class CFontItem;
class CItemList;
struct ComboDescription;

// The skinned combo box of the pages: a closed box drawn in layout colours that shows the
// prefix, the current text (translated) and the second text, with a small arrow, and opens the
// pop-up list under itself when clicked.
//
// Notifications to the parent (sent; the box's window as lParam; vocabulary/Notifications.h):
// - Notification::kDropdownOpening (wParam 0) on every click before the list opens, so the
//   parent can refill the entries;
// - Notification::kEntryChosen (wParam the chosen index) after a choice set the selection.
class CDropdownListItem : public CCustomWindow, public CGUIItem
{
public:
    struct Colours
    {
        COLORREF text = RGB(255, 255, 255);
        COLORREF highlightText = RGB(255, 255, 255);
        COLORREF background = RGB(0, 0, 0);
        COLORREF highlightBackground = RGB(0, 0, 0);
        COLORREF border = RGB(255, 255, 255);
        COLORREF disabledBackground = RGB(0, 0, 0);
        COLORREF disabledBorder = RGB(128, 128, 128);
        COLORREF disabledText = RGB(128, 128, 128);
    };

    // Where the pieces of the closed box are drawn; pure geometry.
    struct BoxGeometry
    {
        RECT border{};    // the border pen's rectangle
        RECT textArea{};  // where the text is drawn
        POINT arrow{};    // the left end of the arrow's top (7-pixel) line
    };
    [[nodiscard]] static BoxGeometry Geometry(int width, int height, int borderWidth) noexcept;

    // The box of a COMBO element, visible in `parent`; ownerList is the list it is loaded into
    // (kept for the pages). Null when the window cannot be made.
    [[nodiscard]] static std::unique_ptr<CDropdownListItem> Create(const ComboDescription& description, HWND parent,
                                                                   CFontItem* font, const CItemList& ownerList);

    CDropdownListItem() = default;
    ~CDropdownListItem() override = default;

    bool CreateBox(HWND parent, const RECT& rect, bool visible = true);

    // Index of the new entry.
    size_t AddEntry(std::wstring text, CListPanelItem* submenu = nullptr);
    // False for a negative index; an index past the end appends.
    bool InsertEntry(int index, std::wstring text);
    void ClearEntries() noexcept { m_entries.clear(); }
    [[nodiscard]] size_t EntryCount() const noexcept { return m_entries.size(); }
    [[nodiscard]] std::wstring EntryText(int index) const;
    [[nodiscard]] const std::vector<ListEntry>& Entries() const noexcept { return m_entries; }

    // False when the index is not below the entry count; otherwise the current text becomes the
    // entry's text and the second text the given one (empty without one).
    bool SetSelection(int index, std::optional<std::wstring> secondText = std::nullopt);
    // Nothing chosen: the box shows no text.
    void ClearSelection();
    // The first entry whose text equals the current text; -1 for an empty current text.
    [[nodiscard]] int CurrentIndex() const noexcept;
    // As CurrentIndex; a second text that is not empty is copied out.
    [[nodiscard]] int CurrentIndex(std::wstring& secondText) const;
    // The first entry whose text equals `text`; -1 for none.
    [[nodiscard]] int IndexOfEntry(std::wstring_view text) const noexcept;
    [[nodiscard]] const std::wstring& CurrentText() const noexcept { return m_currentText; }
    [[nodiscard]] const std::wstring& SecondText() const noexcept { return m_secondText; }
    void SetPrefix(std::wstring prefix);
    // What the box shows: prefix, translated current text, then ": " and the second text.
    [[nodiscard]] std::wstring DisplayText() const;

    void SetDisabled(bool disabled);
    [[nodiscard]] bool IsDisabled() const noexcept { return m_disabled; }
    [[nodiscard]] bool IsOpen() const noexcept { return m_open; }
    void SetColours(const Colours& colours);
    [[nodiscard]] const Colours& GetColours() const noexcept { return m_colours; }
    // 1 to 9; other values are refused.
    bool SetBorderWidth(int width);
    [[nodiscard]] int BorderWidth() const noexcept { return m_borderWidth; }
    void SetFont(CFontItem* font);
    void SetToolTip(std::wstring_view textKey);
    void SetListHeight(int height) noexcept { m_listHeight = height; }
    [[nodiscard]] int ListHeight() const noexcept { return m_listHeight; }
    void SetSorted(bool sorted) noexcept { m_sorted = sorted; }
    void SetScrollBar(const ListPopupScrollBar& scrollBar) noexcept { m_scrollBar = scrollBar; }
    [[nodiscard]] const CItemList* OwnerList() const noexcept { return m_ownerList; }

    // What a click does: notify, open the list, take the choice. Public so that a page may open
    // the box itself.
    void Open();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonDown(POINT point, WPARAM keys) override;

private:
    [[nodiscard]] ListPopupRequest MakeRequest() const;
    void TakeChoice(int index);
    void Paint(HDC dc, const RECT& client) const;
    void PaintText(HDC dc, const RECT& area) const;
    void PaintArrow(HDC dc, POINT top) const;
    void Redraw() const;

    CToolTip m_toolTip;
    bool m_disabled = false;
    bool m_open = false;
    std::wstring m_currentText;
    std::wstring m_secondText;
    std::wstring m_prefix;
    std::vector<ListEntry> m_entries;
    int m_listHeight = 0;
    CFontItem* m_font = nullptr;  // not owned
    Colours m_colours;
    int m_borderWidth = 1;
    ListPopupScrollBar m_scrollBar;
    const CItemList* m_ownerList = nullptr;
    bool m_sorted = false;
};
