#include "skin/win/CTextItem.h"

#include <algorithm>
#include <optional>

#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/ScopedSelect.h"

namespace {

// Translations may start with the markers "\N" and "\n", which are not shown: a text that begins
// with a backslash loses its leading run of backslashes and capital N, then of backslashes and
// lower-case n. A text that begins with the letter itself ("Name", or a lower-cased "none")
// carries no marker and keeps it.
void TrimMarkers(std::wstring& text)
{
    if (text.empty() || text.front() != L'\\')
        return;
    for (std::wstring_view markers : {std::wstring_view(L"\\N"), std::wstring_view(L"\\n")}) {
        const size_t start = text.find_first_not_of(markers);
        text.erase(0, start == std::wstring::npos ? text.size() : start);
    }
}

// A found translation gets the case conversion and loses its markers; a key no language knows
// is shown as written.
std::wstring TranslateForDisplay(std::wstring_view textKey, int32_t caps)
{
    std::optional<std::wstring> translated = CSkinEnvironment::Instance().Languages().Translate(textKey, caps);
    std::wstring text = translated ? std::move(*translated) : std::wstring(textKey);
    if (translated)
        TrimMarkers(text);
    CLanguageSet::BreakFirstLine(text);
    return text;
}

UniqueFont MakeDefaultFont()
{
    LOGFONTW font{};
    font.lfHeight = CTextItem::kDefaultFontHeight;
    font.lfWeight = CTextItem::kDefaultFontWeight;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    wcscpy_s(font.lfFaceName, L"Arial");
    return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

std::unique_ptr<CTextItem> CTextItem::Create(const TextItemDescription& description, HWND parent, CFontItem* font,
                                             CBitmapBtn* checkBox)
{
    auto item = std::make_unique<CTextItem>(description.textKey, description.caps);
    const RectEdges edges = EdgesOf(description.rect);
    DWORD style = WS_CHILD | WS_VISIBLE | SS_OWNERDRAW;
    // Static texts are transparent to the mouse unless they report clicks.
    if (description.interactive || checkBox != nullptr)
        style |= SS_NOTIFY;
    if (!item->CSubclassedWindow::Create(L"STATIC", parent, RECT{edges.left, edges.top, edges.right, edges.bottom},
                                         style))
        return nullptr;
    item->SetLayoutFlags(LayoutFlags(description.justify, description.multiline));
    item->SetColours(description.fontColour.value_or(0), description.fontColourHighlight.value_or(0));
    item->LinkCheckBox(checkBox);
    if (font != nullptr)
        item->SetFont(font);
    return item;
}

UINT CTextItem::LayoutFlags(Justify justify, bool multiline) noexcept
{
    if (justify == Justify::Right || justify == Justify::Centre) {
        const UINT alignment = justify == Justify::Right ? DT_RIGHT : DT_CENTER;
        return alignment | (multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    }
    return multiline ? DT_WORDBREAK : 0;
}

CTextItem::CTextItem(std::wstring_view textKey, int32_t caps) : m_text(TranslateForDisplay(textKey, caps)) {}

void CTextItem::SetText(std::wstring_view textKey)
{
    m_text = CSkinEnvironment::Instance().Languages().ShowText(textKey);
    Repaint();
}

void CTextItem::SetFont(CFontItem* font)
{
    m_font = font;
    if (Handle() != nullptr)
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font != nullptr ? font->Font() : nullptr), TRUE);
}

void CTextItem::SetColours(int32_t colour, int32_t highlight) noexcept
{
    m_colour = colour;
    m_highlightColour = highlight;
}

COLORREF CTextItem::DrawColour() const noexcept
{
    const int32_t colour = m_hover.IsHovered() && m_highlightColour != 0 ? m_highlightColour : m_colour;
    return colour == 0 ? kDefaultColour : static_cast<COLORREF>(colour);
}

void CTextItem::Repaint() const
{
    if (Handle() == nullptr)
        return;
    const HWND parent = GetParent(Handle());
    if (parent == nullptr) {
        InvalidateRect(Handle(), nullptr, TRUE);
        return;
    }
    RECT area{};
    GetWindowRect(Handle(), &area);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CTextItem::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    const HDC dc = draw.hDC;
    UniqueFont defaultFont;
    HFONT font = m_font != nullptr ? m_font->Font() : nullptr;
    if (font == nullptr) {
        defaultFont = MakeDefaultFont();
        font = defaultFont.Get();
    }
    ScopedSelect selected(dc, font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, DrawColour());
    if (m_layoutFlags != 0) {
        RECT area{};
        GetClientRect(Handle(), &area);
        if ((m_layoutFlags & (DT_WORDBREAK | DT_CENTER | DT_RIGHT)) == DT_WORDBREAK)
            area.right = std::max(area.left, area.right - kWrapMargin);
        DrawTextW(dc, m_text.c_str(), static_cast<int>(m_text.size()), &area, m_layoutFlags);
    } else {
        TextOutW(dc, draw.rcItem.left + kTextOffset.x, draw.rcItem.top + kTextOffset.y, m_text.c_str(),
                 static_cast<int>(m_text.size()));
    }
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

HBRUSH CTextItem::OnCtlColor(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

HWND CTextItem::OwnerOrParent() const noexcept
{
    return Owner() != nullptr ? Owner() : GetParent(Handle());
}

void CTextItem::OnMouseMove(POINT point, WPARAM keys)
{
    Default();
    if (m_hover.OnMouseMove(Handle(), OwnerOrParent(), point, keys) != CHoverTracker::Change::None)
        Repaint();
}

void CTextItem::OnCaptureChanged(HWND newCapture)
{
    Default();
    // The hovered flag goes with the next mouse move outside the text.
    if (m_hover.IsHovered() && newCapture != Handle())
        Repaint();
}

void CTextItem::OnLButtonDown(POINT, WPARAM)
{
    const HWND owner = OwnerOrParent();
    const HWND ownerRoot = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    if (ownerRoot != nullptr && GetActiveWindow() != ownerRoot)
        SetActiveWindow(ownerRoot);
    Default();
}

void CTextItem::OnLButtonUp(POINT, WPARAM)
{
    Default();
    if (m_checkBox != nullptr)
        WorkCheckBox();
}

// The parent may act on the command by destroying this item, so nothing of the item is used
// after the command is sent.
void CTextItem::WorkCheckBox()
{
    CBitmapBtn& checkBox = *m_checkBox;
    if (checkBox.ToggleMode() == 1)
        checkBox.SetChecked(!checkBox.IsChecked());
    Repaint();
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(checkBox.Handle()));
}
