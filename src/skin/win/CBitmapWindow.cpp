#include "skin/win/CBitmapWindow.h"

#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/ItemDrawing.h"
#include "skin/win/OutlineRegion.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"

namespace {

constexpr UINT kLeftControl = 162;
constexpr UINT kRightControl = 163;
constexpr UINT kLeftShift = 160;
constexpr UINT kRightShift = 161;
constexpr UINT kLeftAlt = 164;
constexpr UINT kRightAlt = 165;
constexpr UINT kPadEnter = 108;
constexpr UINT kLeftShiftScanCode = 42;
constexpr UINT kRightShiftScanCode = 54;

UINT CaptionFlagsOf(const BitmapWindowDescription& description) noexcept
{
    if (description.justify == Justify::Right || description.justify == Justify::Centre) {
        const UINT alignment = description.justify == Justify::Right ? DT_RIGHT : DT_CENTER;
        return alignment | (description.multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    }
    return description.multiline ? DT_WORDBREAK : 0;
}

}  // namespace

UINT CBitmapWindow::RefineVirtualKey(UINT virtualKey, LPARAM keyData) noexcept
{
    const UINT scanCode = static_cast<UINT>((keyData >> 16) & 0xFF);
    const bool extended = ((keyData >> 24) & 1) != 0;
    switch (virtualKey) {
    case VK_CONTROL: return extended ? kRightControl : kLeftControl;
    case VK_MENU: return extended ? kRightAlt : kLeftAlt;
    case VK_RETURN: return extended ? kPadEnter : VK_RETURN;
    case VK_SHIFT:
        if (scanCode == kLeftShiftScanCode)
            return kLeftShift;
        return scanCode == kRightShiftScanCode ? kRightShift : VK_SHIFT;
    default: return virtualKey;
    }
}

std::unique_ptr<CBitmapWindow> CBitmapWindow::Create(const BitmapWindowDescription& description, HWND parent,
                                                     CFontItem* font)
{
    auto window = std::make_unique<CBitmapWindow>();
    const LayoutRect& place = description.rect;
    const RECT rect{place.left, place.top, place.left + place.width, place.top + place.height};
    if (!window->CreateWindowIn(parent, rect))
        return nullptr;
    window->SetPictures(BitmapOf(description.disabled), BitmapOf(description.normal), BitmapOf(description.over),
                        BitmapOf(description.down));
    window->SetMask(BitmapOf(description.mask));
    if (description.captionColour)
        window->SetCaptionColour(static_cast<COLORREF>(*description.captionColour));
    window->SetCaps(description.caps);
    window->SetCaptionFlags(CaptionFlagsOf(description));
    window->SetFont(font);
    window->SetToolTip(description.tooltip);
    return window;
}

bool CBitmapWindow::CreateWindowIn(HWND parent, const RECT& rect, bool visible)
{
    return CCustomWindow::Create(parent, rect, WS_CHILD | (visible ? WS_VISIBLE : 0));
}

void CBitmapWindow::SetPictures(HBITMAP disabled, HBITMAP normal, HBITMAP over, HBITMAP down)
{
    const HBITMAP given[kPictureCount] = {disabled, normal, over, down};
    for (size_t state = 0; state < kPictureCount; ++state)
        if (given[state] != nullptr)
            m_pictures[state] = given[state];
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CBitmapWindow::SetMask(HBITMAP mask)
{
    if (Handle() == nullptr || mask == nullptr)
        return;
    UniqueRegion outline = OutlineRegion(mask);
    // The window owns the region once it is set.
    if (outline && SetWindowRgn(Handle(), outline.Get(), TRUE) != 0)
        static_cast<void>(outline.Release());
}

void CBitmapWindow::SetCaption(std::wstring_view textKey)
{
    m_caption = CSkinEnvironment::Instance().Languages().ShowText(textKey, m_caps);
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CBitmapWindow::SetFont(CFontItem* font)
{
    m_font = font;
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CBitmapWindow::SetToolTip(std::wstring_view textKey)
{
    m_toolTip.SetText(Handle(), CToolTip::ShownText(textKey));
}

void CBitmapWindow::SetCapturing(bool capturing)
{
    if (capturing == m_capturing || Handle() == nullptr)
        return;
    m_capturing = capturing;
    if (capturing) {
        const HWND focus = GetFocus();
        m_previousFocus = focus != Handle() ? focus : nullptr;
        SetFocus(Handle());
    } else {
        const HWND previous = std::exchange(m_previousFocus, nullptr);
        if (previous != nullptr && IsWindow(previous) && GetFocus() == Handle())
            SetFocus(previous);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

HBITMAP CBitmapWindow::ShownPicture() const noexcept
{
    size_t state = kNormal;
    if (Handle() != nullptr && !IsWindowEnabled(Handle()))
        state = kDisabled;
    else if (m_capturing)
        state = kDown;
    else if (m_hovered)
        state = kOver;
    // The optional pictures fall back to the normal one, and that to the required one.
    if (m_pictures[state] != nullptr)
        return m_pictures[state];
    return m_pictures[kNormal] != nullptr ? m_pictures[kNormal] : m_pictures[kDisabled];
}

LRESULT CBitmapWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_toolTip.Relay(Handle(), message, wParam, lParam);
    return CCustomWindow::OnMessage(message, wParam, lParam);
}

void CBitmapWindow::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const SIZE size{client.right, client.bottom};
    const UniqueDc composition = CreateCompatibleDc(paint.Get());
    UniqueBitmap surface(CreateCompatibleBitmap(paint.Get(), size.cx, size.cy));
    if (!composition || !surface)
        return;
    const ScopedSelect selected(composition.Get(), surface.Get());
    DrawPicture(composition.Get(), ShownPicture(), size);
    DrawCaption(composition.Get(), client);
    BitBlt(paint.Get(), 0, 0, size.cx, size.cy, composition.Get(), 0, 0, SRCCOPY);
}

void CBitmapWindow::DrawCaption(HDC dc, const RECT& client) const
{
    const COLORREF colour = m_captionColour == 0 ? kDefaultCaptionColour : m_captionColour;
    DrawItemText(dc, client, m_caption, colour, m_font != nullptr ? m_font->Font() : nullptr, m_captionFlags);
}

void CBitmapWindow::OnMouseMove(POINT, WPARAM)
{
    if (m_hovered)
        return;
    m_hovered = true;
    TRACKMOUSEEVENT tracking{sizeof(tracking), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&tracking);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CBitmapWindow::OnLButtonDown(POINT, WPARAM)
{
    SetCapturing(!m_capturing);
}

void CBitmapWindow::OnKillFocus(HWND)
{
    // The focus went elsewhere on its own: capturing ends there, without taking it back.
    m_previousFocus = nullptr;
    if (m_capturing) {
        m_capturing = false;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void CBitmapWindow::OnKeyUp(WPARAM key, LPARAM keyData)
{
    if (m_capturing)
        OnKeyReleased(key, keyData);
    else
        Default();
}

void CBitmapWindow::OnKeyReleased(WPARAM virtualKey, LPARAM keyData)
{
    const UINT refined = RefineVirtualKey(static_cast<UINT>(virtualKey), keyData);
    PostMessageW(GetParent(Handle()), kKeyMessage, refined, reinterpret_cast<LPARAM>(Handle()));
}

LRESULT CBitmapWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSELEAVE:
        m_hovered = false;
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        // While capturing, every key is the field's, not the dialog's.
        return m_capturing ? DLGC_WANTALLKEYS : Default();
    case WM_SYSKEYUP:
        if (!m_capturing)
            return Default();
        OnKeyReleased(wParam, lParam);
        return 0;
    case WM_SYSKEYDOWN:
        return m_capturing ? 0 : Default();
    default:
        return Default();
    }
}
