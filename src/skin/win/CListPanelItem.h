#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/win/CGUIItem.h"
#include "skin/win/IListPopup.h"
#include "skin/win/ListEntry.h"

class CFontItem;
struct ListPanelDescription;

// A list without a window of its own (a LISTPANEL element): entries, colours, font, scroll bar
// pictures and size, from which a pop-up list is shown at a given place. Drop-down entries use
// it as their submenu; the pop-up list sets its current text when the user picks from it.
class CListPanelItem : public CGUIItem
{
public:
    [[nodiscard]] static std::unique_ptr<CListPanelItem> Create(const ListPanelDescription& description, HWND owner,
                                                                CFontItem* font);

    CListPanelItem() = default;
    ~CListPanelItem() override = default;

    // Copies of the texts and submenus; second texts are not copied.
    void SetEntries(const std::vector<ListEntry>& entries);
    void AddEntry(std::wstring text, CListPanelItem* submenu = nullptr);
    [[nodiscard]] const std::vector<ListEntry>& Entries() const noexcept { return m_entries; }
    [[nodiscard]] std::wstring EntryText(int index) const;

    void SetCurrentText(std::wstring text) { m_currentText = std::move(text); }
    [[nodiscard]] const std::wstring& CurrentText() const noexcept { return m_currentText; }
    // The first entry whose text equals the current text; -1 for an empty current text.
    [[nodiscard]] int CurrentIndex() const noexcept;

    // Shows the pop-up list at (x, y) of `window`'s client area, the item's width wide and
    // `height` high (0: the item's height), until the user chooses or cancels. The chosen
    // index, or a negative value.
    [[nodiscard]] int ShowAt(HWND window, int x, int y, int height = 0) const;
    // The request for a pop-up at `screenRect`.
    [[nodiscard]] ListPopupRequest MakeRequest(HWND owner, const RECT& screenRect) const;

    void SetSize(int width, int height) noexcept;
    [[nodiscard]] int Width() const noexcept { return m_width; }
    [[nodiscard]] int Height() const noexcept { return m_height; }
    void SetColours(const ListPopupColours& colours) noexcept { m_colours = colours; }
    [[nodiscard]] const ListPopupColours& Colours() const noexcept { return m_colours; }
    // 1 to 9; other values are refused.
    bool SetBorderWidth(int width) noexcept;
    [[nodiscard]] int BorderWidth() const noexcept { return m_borderWidth; }
    void SetFont(CFontItem* font) noexcept { m_font = font; }
    void SetSorted(bool sorted) noexcept { m_sorted = sorted; }
    void SetScrollBar(const ListPopupScrollBar& scrollBar) noexcept { m_scrollBar = scrollBar; }

private:
    std::wstring m_currentText;
    int m_width = 0;
    int m_height = 0;
    std::vector<ListEntry> m_entries;
    CFontItem* m_font = nullptr;  // not owned
    ListPopupColours m_colours{
        .text = RGB(255, 255, 255),
        .background = 0,
        .highlightText = 0,
        .highlightBackground = RGB(255, 255, 255),
        .inactiveText = RGB(255, 255, 255),
        .inactiveBackground = 0,
        .border = RGB(255, 255, 255),
    };
    int m_borderWidth = 1;
    ListPopupScrollBar m_scrollBar;
    bool m_sorted = false;
};
