#include "controls/CEditItem.h"

#include <algorithm>

#include "controls/core/NumericEntry.h"
#include "platform/win/WindowDc.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CFontItem.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/Notifications.h"

namespace {

constexpr int kMinBorderWidth = 1;
constexpr int kMaxBorderWidth = 9;

void Take(COLORREF& colour, const std::optional<int32_t>& given) noexcept
{
    if (given)
        colour = static_cast<COLORREF>(*given);
}

}  // namespace

CEditItem::Look CEditItem::LookOf(const EditDescription& description) noexcept
{
    Look look;
    Take(look.enabled.text, description.fontColour);
    Take(look.enabled.background, description.backColour);
    Take(look.enabled.fill, description.backColour);
    Take(look.disabled.text, description.fontColourHighlight);
    Take(look.disabled.background, description.backColourHighlight);
    Take(look.disabled.fill, description.backColourHighlight);
    Take(look.border, description.borderColour);
    if (description.borderWidth)
        look.borderWidth = std::clamp(*description.borderWidth, kMinBorderWidth, kMaxBorderWidth);
    return look;
}

SIZE CEditItem::FrameInsets(int height, int borderWidth, int lineHeight) noexcept
{
    const int inner = height - 2 * borderWidth;
    const int vertical = borderWidth + std::max(0, (inner - lineHeight) / 2);
    return SIZE{borderWidth + kTextMargin, std::min(vertical, std::max(0, height / 2))};
}

std::unique_ptr<CEditItem> CEditItem::Create(const EditDescription& description, HWND parent, CFontItem* font)
{
    auto field = std::make_unique<CEditItem>();
    return field->Build(description, parent, font) ? std::move(field) : nullptr;
}

bool CEditItem::Build(const EditDescription& description, HWND parent, CFontItem* font)
{
    const LayoutRect& place = description.rect;
    if (!CreateField(parent, RECT{place.left, place.top, place.left + place.width, place.top + place.height}))
        return false;
    SetLook(LookOf(description));
    SetFont(font);
    SetLimit(description.max);
    return true;
}

bool CEditItem::CreateField(HWND parent, const RECT& rect, DWORD extraStyle)
{
    if (!CSubclassedWindow::Create(L"EDIT", parent, rect, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | extraStyle))
        return false;
    SetLook(m_look);
    return true;
}

void CEditItem::SetLook(const Look& look)
{
    m_look = look;
    m_look.borderWidth = std::clamp(m_look.borderWidth, kMinBorderWidth, kMaxBorderWidth);
    m_enabledBrush = UniqueBrush(CreateSolidBrush(m_look.enabled.fill));
    m_disabledBrush = UniqueBrush(CreateSolidBrush(m_look.disabled.fill));
    Reframe();
}

void CEditItem::SetFont(CFontItem* font)
{
    m_font = font;
    if (Handle() != nullptr && font != nullptr)
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->Font()), TRUE);
    Reframe();
}

void CEditItem::SetLimit(int characters)
{
    if (Handle() != nullptr)
        SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(0, characters)), 0);
}

bool CEditItem::SetNumeric(int32_t minimum, int32_t maximum)
{
    if (minimum > maximum)
        return false;
    m_range = Range{minimum, maximum};
    return true;
}

void CEditItem::SetText(std::wstring_view text)
{
    if (Handle() == nullptr)
        return;
    m_settingText = true;
    const std::wstring copy(text);
    SetWindowTextW(Handle(), copy.c_str());
    m_settingText = false;
}

std::wstring CEditItem::Text() const
{
    if (Handle() == nullptr)
        return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

const CEditItem::StateColours& CEditItem::CurrentColours() const noexcept
{
    return Handle() != nullptr && !IsWindowEnabled(Handle()) ? m_look.disabled : m_look.enabled;
}

HBRUSH CEditItem::OnCtlColor(HDC dc)
{
    const StateColours& colours = CurrentColours();
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    return &colours == &m_look.disabled ? m_disabledBrush.Get() : m_enabledBrush.Get();
}

bool CEditItem::OnReflectedCommand(WORD notification)
{
    if (notification == EN_CHANGE && !m_settingText)
        OnUserChange();
    // The field's notices are its own; the parent never takes them for a click.
    return true;
}

void CEditItem::OnUserChange()
{
    SendMessageW(GetParent(Handle()), Notification::kEditChanged, 0, reinterpret_cast<LPARAM>(Handle()));
}

int CEditItem::LineHeight() const
{
    const WindowDc dc(Handle());
    if (!dc)
        return 0;
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const ScopedSelect selected(dc.Get(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc.Get(), &metrics) ? metrics.tmHeight : 0;
}

void CEditItem::Reframe()
{
    if (Handle() != nullptr)
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CEditItem::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    // Both forms of the message start with the window's new rectangle, which becomes the client.
    auto* rect = reinterpret_cast<RECT*>(lParam);
    const SIZE insets = FrameInsets(rect->bottom - rect->top, m_look.borderWidth, LineHeight());
    InflateRect(rect, -insets.cx, -insets.cy);
    return 0;
}

void CEditItem::OnNcPaint()
{
    // The whole window, released with ReleaseDC like a client area's context.
    const platform::UniqueResource<platform::win::WindowDcTraits> dc(GetWindowDC(Handle()),
                                                                     platform::win::WindowDcTraits{Handle()});
    if (!dc)
        return;
    RECT screen{};
    GetWindowRect(Handle(), &screen);
    const RECT window{0, 0, screen.right - screen.left, screen.bottom - screen.top};
    RECT client{};
    GetClientRect(Handle(), &client);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -screen.left, -screen.top);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    const UniqueBrush fill(CreateSolidBrush(CurrentColours().fill));
    FillRect(dc.Get(), &window, fill.Get());
    const UniqueBrush border(CreateSolidBrush(m_look.border));
    const int width = m_look.borderWidth;
    const RECT bands[] = {
        {0, 0, window.right, width},
        {0, window.bottom - width, window.right, window.bottom},
        {0, 0, width, window.bottom},
        {window.right - width, 0, window.right, window.bottom},
    };
    for (const RECT& band : bands)
        FillRect(dc.Get(), &band, border.Get());
}

bool CEditItem::NumericFilter(UINT message, WPARAM wParam) const
{
    if (message == WM_KEYDOWN)
        return !NumericEntry::PassesKey(static_cast<uint32_t>(wParam));
    if (message == WM_CONTEXTMENU || message == WM_PASTE)
        return true;
    if (message != WM_CHAR)
        return false;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return !NumericEntry::AcceptsCharacter(Text(), start, end, static_cast<wchar_t>(wParam), m_range->minimum,
                                           m_range->maximum);
}

bool CEditItem::FilterInput(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (!m_range || !NumericFilter(message, wParam))
        return false;
    result = 0;
    return true;
}

LRESULT CEditItem::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (FilterInput(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_RBUTTONDOWN: return 0;
    case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam);
    case WM_NCPAINT: OnNcPaint(); return 0;
    case WM_ENABLE:
        Default();
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
        return 0;
    default: return CSubclassedWindow::OnMessage(message, wParam, lParam);
    }
}
