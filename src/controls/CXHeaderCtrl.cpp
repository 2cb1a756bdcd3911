#include "controls/CXHeaderCtrl.h"

#include <commctrl.h>

#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"
#include "skin/win/ScopedSelect.h"

bool CXHeaderCtrl::AttachTo(HWND listView)
{
    const auto header = reinterpret_cast<HWND>(SendMessageW(listView, LVM_GETHEADER, 0, 0));
    return header != nullptr && Attach(header);
}

void CXHeaderCtrl::SetColours(const Colours& colours)
{
    m_colours = colours;
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CXHeaderCtrl::AddHeading(std::wstring textKey, const CListCheckPictures* check)
{
    m_headings.push_back(Heading{std::move(textKey), check, false});
}

void CXHeaderCtrl::SetAllChecked(int position, bool checked)
{
    if (position < 0 || static_cast<size_t>(position) >= m_headings.size() ||
        m_headings[position].allChecked == checked)
        return;
    m_headings[position].allChecked = checked;
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

bool CXHeaderCtrl::IsAllChecked(int position) const noexcept
{
    return position >= 0 && static_cast<size_t>(position) < m_headings.size() && m_headings[position].allChecked;
}

void CXHeaderCtrl::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    SetBkColor(paint.Get(), m_colours.background);
    const CMemDC2 surface(paint.Get(), &client);
    const HDC dc = surface.Get();
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const ScopedSelect selected(dc, font);
    const int count = static_cast<int>(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count && static_cast<size_t>(index) < m_headings.size(); ++index) {
        RECT rect{};
        if (SendMessageW(Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
            PaintHeading(dc, m_headings[index], rect);
    }
    const UniqueBrush outline(CreateSolidBrush(m_colours.outline));
    const RECT bottom{client.left, client.bottom - 1, client.right, client.bottom};
    FillRect(dc, &bottom, outline.Get());
}

void CXHeaderCtrl::PaintHeading(HDC dc, const Heading& heading, const RECT& rect) const
{
    RECT textArea = rect;
    textArea.left += kIndent;
    if (heading.check != nullptr && heading.check->HasPictures()) {
        const SIZE size = heading.check->Size();
        const RECT pictureArea{textArea.left, rect.top, textArea.left + size.cx, rect.bottom};
        heading.check->Draw(dc, pictureArea, heading.allChecked);
        textArea.left = pictureArea.right + kIndent;
    }
    const std::wstring text = CSkinEnvironment::Instance().IsInitialized()
                                  ? CSkinEnvironment::Instance().Languages().ShowText(heading.textKey)
                                  : heading.textKey;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_colours.text);
    textArea.right -= kIndent;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    const UniqueBrush outline(CreateSolidBrush(m_colours.outline));
    const RECT separator{rect.right - 1, rect.top, rect.right, rect.bottom};
    FillRect(dc, &separator, outline.Get());
}
