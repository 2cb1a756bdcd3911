#include "skin/win/CListPanelItem.h"

#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PictureHandle.h"

namespace {

constexpr int kMinBorderWidth = 1;
constexpr int kMaxBorderWidth = 9;

void Take(int32_t& colour, const std::optional<int32_t>& given) noexcept
{
    if (given)
        colour = *given;
}

}  // namespace

std::unique_ptr<CListPanelItem> CListPanelItem::Create(const ListPanelDescription& description, HWND owner,
                                                       CFontItem* font)
{
    static_cast<void>(owner);  // the loader sets the owner with the common fields
    auto item = std::make_unique<CListPanelItem>();
    item->SetSize(description.rect.width, description.rect.height);
    ListPopupColours colours = item->Colours();
    Take(colours.text, description.fontColour);
    Take(colours.highlightText, description.fontColourHighlight);
    Take(colours.inactiveText, description.disabledFontColour);
    Take(colours.background, description.backColour);
    Take(colours.highlightBackground, description.backColourHighlight);
    Take(colours.border, description.borderColour);
    Take(colours.inactiveBackground, description.disabledBackColour);
    item->SetColours(colours);
    if (description.borderWidth)
        static_cast<void>(item->SetBorderWidth(*description.borderWidth));
    item->SetFont(font);
    item->SetSorted(description.sorted);
    for (const std::wstring& entry : description.entries)
        item->AddEntry(entry);
    if (const auto& scroll = description.scrollBar) {
        item->SetScrollBar(ListPopupScrollBar{scroll->width, BitmapOf(scroll->thumb), BitmapOf(scroll->top),
                                              BitmapOf(scroll->bottom), BitmapOf(scroll->arrowUp),
                                              BitmapOf(scroll->arrowDown), BitmapOf(scroll->span)});
    }
    return item;
}

void CListPanelItem::SetEntries(const std::vector<ListEntry>& entries)
{
    m_entries.clear();
    for (const ListEntry& entry : entries)
        m_entries.push_back(ListEntry{entry.text, {}, entry.submenu});
}

void CListPanelItem::AddEntry(std::wstring text, CListPanelItem* submenu)
{
    m_entries.push_back(ListEntry{std::move(text), {}, submenu});
}

std::wstring CListPanelItem::EntryText(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size())
        return {};
    return m_entries[static_cast<size_t>(index)].text;
}

int CListPanelItem::CurrentIndex() const noexcept
{
    if (m_currentText.empty())
        return -1;
    for (size_t index = 0; index < m_entries.size(); ++index) {
        if (m_entries[index].text == m_currentText)
            return static_cast<int>(index);
    }
    return -1;
}

void CListPanelItem::SetSize(int width, int height) noexcept
{
    m_width = width;
    m_height = height;
}

bool CListPanelItem::SetBorderWidth(int width) noexcept
{
    if (width < kMinBorderWidth || width > kMaxBorderWidth)
        return false;
    m_borderWidth = width;
    return true;
}

ListPopupRequest CListPanelItem::MakeRequest(HWND owner, const RECT& screenRect) const
{
    ListPopupRequest request;
    request.owner = owner;
    request.screenRect = screenRect;
    for (const ListEntry& entry : m_entries)
        request.entries.push_back(ListPopupEntry{entry.text, {}, entry.submenu});
    request.sorted = m_sorted;
    request.attached = false;
    request.borderWidth = m_borderWidth;
    request.font = m_font != nullptr ? m_font->Font() : nullptr;
    request.colours = m_colours;
    request.scrollBar = m_scrollBar;
    return request;
}

int CListPanelItem::ShowAt(HWND window, int x, int y, int height) const
{
    IListPopup* popup = CSkinEnvironment::Instance().ListPopup();
    if (popup == nullptr || window == nullptr)
        return -1;
    POINT origin{x, y};
    ClientToScreen(window, &origin);
    const int shownHeight = height != 0 ? height : m_height;
    const RECT screenRect{origin.x, origin.y, origin.x + m_width, origin.y + shownHeight};
    return popup->Show(MakeRequest(GetAncestor(window, GA_ROOT), screenRect));
}
