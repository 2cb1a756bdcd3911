#include "skin/win/CDropdownListItem.h"

#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/Notifications.h"

namespace {

constexpr int kTextIndent = 4;
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 6;
constexpr int kMinBorderWidth = 1;
constexpr int kMaxBorderWidth = 9;

void Take(COLORREF& colour, const std::optional<int32_t>& given) noexcept
{
    if (given)
        colour = static_cast<COLORREF>(*given);
}

CDropdownListItem::Colours ColoursOf(const ComboDescription& description) noexcept
{
    CDropdownListItem::Colours colours;
    Take(colours.text, description.fontColour);
    Take(colours.highlightText, description.fontColourHighlight);
    Take(colours.background, description.backColour);
    Take(colours.highlightBackground, description.backColourHighlight);
    Take(colours.border, description.borderColour);
    Take(colours.disabledBackground, description.disabledBackColour);
    Take(colours.disabledText, description.disabledFontColour);
    Take(colours.disabledBorder, description.disabledBorderColour);
    return colours;
}

ListPopupScrollBar ScrollBarOf(const std::optional<ScrollBarDescription>& description) noexcept
{
    ListPopupScrollBar scrollBar;
    if (!description)
        return scrollBar;
    scrollBar.width = description->width;
    scrollBar.thumb = BitmapOf(description->thumb);
    scrollBar.top = BitmapOf(description->top);
    scrollBar.bottom = BitmapOf(description->bottom);
    scrollBar.arrowUp = BitmapOf(description->arrowUp);
    scrollBar.arrowDown = BitmapOf(description->arrowDown);
    scrollBar.span = BitmapOf(description->span);
    return scrollBar;
}

}  // namespace

CDropdownListItem::BoxGeometry CDropdownListItem::Geometry(int width, int height, int borderWidth) noexcept
{
    BoxGeometry geometry;
    const int half = borderWidth / 2;
    // An even pen is centred between pixels; the far edges move out so the frame stays even.
    const int evenExtra = borderWidth % 2 == 0 ? 1 : 0;
    geometry.border = RECT{half, half, width - half + evenExtra, height - half + evenExtra};
    const int squareLeft = width - height;
    geometry.textArea = RECT{kTextIndent + borderWidth, borderWidth, squareLeft - borderWidth, height - borderWidth};
    geometry.arrow = POINT{squareLeft + (height - kArrowWidth) / 2, (height - kArrowHeight) / 2};
    return geometry;
}

std::unique_ptr<CDropdownListItem> CDropdownListItem::Create(const ComboDescription& description, HWND parent,
                                                             CFontItem* font, const CItemList& ownerList)
{
    auto box = std::make_unique<CDropdownListItem>();
    const LayoutRect& place = description.rect;
    const RECT rect{place.left, place.top, place.left + place.width, place.top + place.height};
    if (!box->CreateBox(parent, rect))
        return nullptr;
    box->m_ownerList = &ownerList;
    box->SetColours(ColoursOf(description));
    if (description.borderWidth)
        static_cast<void>(box->SetBorderWidth(*description.borderWidth));
    box->SetFont(font);
    box->SetListHeight(description.listHeight);
    box->SetSorted(description.sorted);
    box->SetScrollBar(ScrollBarOf(description.scrollBar));
    for (const std::wstring& entry : description.entries)
        box->AddEntry(entry);
    return box;
}

bool CDropdownListItem::CreateBox(HWND parent, const RECT& rect, bool visible)
{
    return CCustomWindow::Create(parent, rect, WS_CHILD | (visible ? WS_VISIBLE : 0));
}

size_t CDropdownListItem::AddEntry(std::wstring text, CListPanelItem* submenu)
{
    m_entries.push_back(ListEntry{std::move(text), {}, submenu});
    return m_entries.size() - 1;
}

bool CDropdownListItem::InsertEntry(int index, std::wstring text)
{
    if (index < 0)
        return false;
    const size_t position = std::min(static_cast<size_t>(index), m_entries.size());
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(position), ListEntry{std::move(text), {}, nullptr});
    return true;
}

std::wstring CDropdownListItem::EntryText(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size())
        return {};
    return m_entries[static_cast<size_t>(index)].text;
}

bool CDropdownListItem::SetSelection(int index, std::optional<std::wstring> secondText)
{
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size())
        return false;
    m_currentText = m_entries[static_cast<size_t>(index)].text;
    m_secondText = secondText ? std::move(*secondText) : std::wstring();
    Redraw();
    return true;
}

void CDropdownListItem::ClearSelection()
{
    m_currentText.clear();
    m_secondText.clear();
    Redraw();
}

int CDropdownListItem::IndexOfEntry(std::wstring_view text) const noexcept
{
    for (size_t index = 0; index < m_entries.size(); ++index) {
        if (m_entries[index].text == text)
            return static_cast<int>(index);
    }
    return -1;
}

int CDropdownListItem::CurrentIndex() const noexcept
{
    // An empty current text means nothing is chosen, even when an entry is empty.
    return m_currentText.empty() ? -1 : IndexOfEntry(m_currentText);
}

int CDropdownListItem::CurrentIndex(std::wstring& secondText) const
{
    if (!m_secondText.empty())
        secondText = m_secondText;
    return CurrentIndex();
}

void CDropdownListItem::SetPrefix(std::wstring prefix)
{
    m_prefix = std::move(prefix);
    Redraw();
}

std::wstring CDropdownListItem::DisplayText() const
{
    std::wstring text = m_prefix;
    text += CSkinEnvironment::Instance().Languages().ShowText(m_currentText);
    if (!m_secondText.empty()) {
        text += L": ";
        text += m_secondText;
    }
    return text;
}

void CDropdownListItem::SetDisabled(bool disabled)
{
    m_disabled = disabled;
    Redraw();
}

void CDropdownListItem::SetColours(const Colours& colours)
{
    m_colours = colours;
    Redraw();
}

bool CDropdownListItem::SetBorderWidth(int width)
{
    if (width < kMinBorderWidth || width > kMaxBorderWidth)
        return false;
    m_borderWidth = width;
    Redraw();
    return true;
}

void CDropdownListItem::SetFont(CFontItem* font)
{
    m_font = font;
    Redraw();
}

void CDropdownListItem::SetToolTip(std::wstring_view textKey)
{
    m_toolTip.SetText(Handle(), CToolTip::ShownText(textKey));
}

ListPopupRequest CDropdownListItem::MakeRequest() const
{
    ListPopupRequest request;
    request.owner = GetAncestor(Handle(), GA_ROOT);
    RECT box{};
    GetWindowRect(Handle(), &box);
    request.screenRect = RECT{box.left, box.bottom, box.right, box.bottom + m_listHeight};
    for (const ListEntry& entry : m_entries)
        request.entries.push_back(ListPopupEntry{entry.text, {}, entry.submenu});
    request.sorted = m_sorted;
    request.attached = true;
    request.borderWidth = m_borderWidth;
    request.font = m_font != nullptr ? m_font->Font() : nullptr;
    request.colours.text = static_cast<int32_t>(m_colours.text);
    request.colours.background = static_cast<int32_t>(m_colours.background);
    request.colours.highlightText = static_cast<int32_t>(m_colours.highlightText);
    request.colours.highlightBackground = static_cast<int32_t>(m_colours.highlightBackground);
    request.colours.inactiveText = static_cast<int32_t>(m_colours.disabledText);
    request.colours.inactiveBackground = static_cast<int32_t>(m_colours.disabledBackground);
    request.colours.border = static_cast<int32_t>(m_colours.border);
    request.scrollBar = m_scrollBar;
    return request;
}

void CDropdownListItem::Open()
{
    if (m_disabled || Handle() == nullptr)
        return;
    const HWND self = Handle();
    // The parent may refill the entries before the list is built from them.
    SendMessageW(GetParent(self), Notification::kDropdownOpening, 0, reinterpret_cast<LPARAM>(self));
    IListPopup* popup = CSkinEnvironment::Instance().ListPopup();
    if (popup == nullptr)
        return;
    m_open = true;
    Redraw();
    const int chosen = popup->Show(MakeRequest());
    m_open = false;
    Redraw();
    TakeChoice(chosen);
}

void CDropdownListItem::TakeChoice(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size())
        return;
    const CListPanelItem* submenu = m_entries[static_cast<size_t>(index)].submenu;
    if (submenu != nullptr) {
        const int subIndex = submenu->CurrentIndex();
        if (subIndex < 0)
            return;
        SetSelection(index, submenu->EntryText(subIndex));
    } else {
        SetSelection(index);
    }
    SendMessageW(GetParent(Handle()), Notification::kEntryChosen, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(Handle()));
}

LRESULT CDropdownListItem::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_toolTip.Relay(Handle(), message, wParam, lParam);
    return CCustomWindow::OnMessage(message, wParam, lParam);
}

void CDropdownListItem::OnLButtonDown(POINT, WPARAM)
{
    Open();
}

void CDropdownListItem::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    Paint(paint.Get(), client);
}

void CDropdownListItem::Paint(HDC dc, const RECT& client) const
{
    const COLORREF background = m_disabled ? m_colours.disabledBackground : m_colours.background;
    const COLORREF border = m_disabled ? m_colours.disabledBorder : m_colours.border;
    const BoxGeometry geometry = Geometry(client.right, client.bottom, m_borderWidth);

    const UniqueBrush fill(CreateSolidBrush(background));
    FillRect(dc, &client, fill.Get());
    const UniquePen framePen(CreatePen(PS_SOLID, m_borderWidth, border));
    {
        const ScopedSelect pen(dc, framePen.Get());
        const ScopedSelect brush(dc, fill.Get());
        ::Rectangle(dc, geometry.border.left, geometry.border.top, geometry.border.right, geometry.border.bottom);
    }
    if (geometry.textArea.right > geometry.textArea.left && geometry.textArea.bottom > geometry.textArea.top) {
        // The off-screen surface starts filled with the target's background colour.
        const COLORREF oldBackground = SetBkColor(dc, background);
        {
            const CMemDC2 text(dc, &geometry.textArea);
            PaintText(text.Get(), geometry.textArea);
        }
        SetBkColor(dc, oldBackground);
    }
    PaintArrow(dc, geometry.arrow);
}

void CDropdownListItem::PaintText(HDC dc, const RECT& area) const
{
    const ScopedSelect font(dc, m_font != nullptr ? m_font->Font() : nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_disabled ? m_colours.disabledText : m_colours.text);
    std::wstring text = DisplayText();
    RECT bounds = area;
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &bounds, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CDropdownListItem::PaintArrow(HDC dc, POINT top) const
{
    const UniquePen arrowPen(CreatePen(PS_SOLID, 1, m_colours.highlightText));
    const ScopedSelect pen(dc, arrowPen.Get());
    for (int line = 0; line * 2 < kArrowWidth; ++line) {
        const int length = kArrowWidth - 2 * line;
        MoveToEx(dc, top.x + line, top.y + line, nullptr);
        LineTo(dc, top.x + line + length, top.y + line);
    }
}

void CDropdownListItem::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}
