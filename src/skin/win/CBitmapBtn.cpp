#include "skin/win/CBitmapBtn.h"

#include "platform/TextCase.h"
#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/ItemDrawing.h"
#include "skin/win/OutlineRegion.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"

namespace {

UINT CaptionFlagsOf(const ButtonDescription& description) noexcept
{
    UINT flags = DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_MODIFYSTRING;
    switch (description.justify) {
    case Justify::Right: flags |= DT_RIGHT; break;
    case Justify::Centre: flags |= DT_CENTER; break;
    default: flags |= DT_LEFT; break;
    }
    if (!description.multiline)
        flags |= DT_SINGLELINE;
    return flags;
}

size_t IndexOf(CBitmapBtn::Picture picture) noexcept
{
    return static_cast<size_t>(picture);
}

}  // namespace

CBitmapBtn::Picture CBitmapBtn::ChoosePicture(const DrawState& state) noexcept
{
    if (state.blinking)
        return state.blinkPicture;
    if (state.checkBox) {
        // A disabled check box still shows whether it is checked.
        if (state.checked)
            return Picture::Pressed;
        return state.hovered ? Picture::Hover : Picture::Normal;
    }
    if (state.checked || state.pressed)
        return Picture::Pressed;
    if (state.hovered)
        return Picture::Hover;
    return state.disabled ? Picture::Disabled : Picture::Normal;
}

CBitmapBtn::Picture CBitmapBtn::ChooseCaptionState(const DrawState& state) noexcept
{
    if (state.checked || state.pressed)
        return Picture::Pressed;
    if (state.hovered)
        return Picture::Hover;
    return state.disabled ? Picture::Disabled : Picture::Normal;
}

std::unique_ptr<CBitmapBtn> CBitmapBtn::Create(const ButtonDescription& description, HWND parent, CFontItem* font)
{
    auto button = std::make_unique<CBitmapBtn>();
    const LayoutRect& place = description.rect;
    const RECT rect{place.left, place.top, place.left + place.width, place.top + place.height};
    if (!button->CreateButton(parent, rect))
        return nullptr;
    button->SetCheckBox(description.isCheckbox);
    for (size_t state = 0; state < kPictureCount; ++state) {
        if (const auto& colour = description.states[state].captionColour)
            button->SetCaptionColour(static_cast<Picture>(state), *colour);
    }
    button->SetFont(font);
    button->SetCaptionFlags(CaptionFlagsOf(description));
    if (!description.dynamic) {
        const auto& states = description.states;
        const HBITMAP normal = BitmapOf(states[ButtonDescription::kNormal].picture);
        const HBITMAP over = BitmapOf(states[ButtonDescription::kOver].picture);
        const HBITMAP down = BitmapOf(states[ButtonDescription::kDown].picture);
        const HBITMAP disabled = BitmapOf(states[ButtonDescription::kDisabled].picture);
        if (const HBITMAP mask = BitmapOf(description.mask); mask != nullptr)
            button->SetPicturesWithMask(mask, normal, over, down, disabled, 0, 0, description.pictureWidth,
                                        description.pictureHeight);
        else
            button->SetPictures(normal, over, down, disabled, 0, 0, description.pictureWidth,
                                description.pictureHeight);
    }
    button->SetToolTip(description.tooltip);
    if (description.caption)
        button->SetCaption(*description.caption, description.caps);
    return button;
}

CBitmapBtn::~CBitmapBtn()
{
    if (Handle() != nullptr)
        KillTimer(Handle(), kBlinkTimer);
}

bool CBitmapBtn::CreateButton(HWND parent, const RECT& rect, bool visible)
{
    // Owner-drawn, and never a tab stop: the pages are worked with the mouse.
    const DWORD style = WS_CHILD | BS_OWNERDRAW | (visible ? WS_VISIBLE : 0);
    return CSubclassedWindow::Create(L"BUTTON", parent, rect, style);
}

void CBitmapBtn::SetPictures(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled, int x, int y, int width,
                             int height)
{
    const HBITMAP given[kPictureCount] = {normal, hover, pressed, disabled};
    for (size_t state = 0; state < kPictureCount; ++state) {
        if (given[state] != nullptr)
            m_pictures[state] = PictureArea::Part(given[state], x, y, width, height);
    }
    if (Handle() == nullptr)
        return;
    SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) & ~(WS_BORDER | WS_TABSTOP));
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE,
                      GetWindowLongPtrW(Handle(), GWL_EXSTYLE) &
                          ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
    Redraw();
}

void CBitmapBtn::SetPicturesWithMask(HBITMAP mask, HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled,
                                     int x, int y, int width, int height)
{
    if (Handle() != nullptr && mask != nullptr) {
        UniqueRegion outline = OutlineRegion(mask);
        // The window owns the region once it is set.
        if (outline && SetWindowRgn(Handle(), outline.Get(), TRUE) != 0)
            static_cast<void>(outline.Release());
    }
    SetPictures(normal, hover, pressed, disabled, x, y, width, height);
}

void CBitmapBtn::SetToolTip(std::wstring_view textKey)
{
    m_toolTip.SetText(Handle(), CToolTip::ShownText(textKey));
}

void CBitmapBtn::SetCaption(std::wstring_view textKey, int32_t caps)
{
    std::wstring shown = CSkinEnvironment::Instance().Languages().ShowText(textKey);
    // Unlike other texts, a caption is converted also when it is shown as written.
    if (caps == CLanguageSet::kCapsUpper)
        shown = platform::ToUpper(shown);
    else if (caps == CLanguageSet::kCapsLower)
        shown = platform::ToLower(shown);
    m_caption = std::move(shown);
    Redraw();
}

void CBitmapBtn::SetChecked(bool checked)
{
    m_checked = checked;
    Redraw();
}

void CBitmapBtn::SetCaptionColour(Picture state, int32_t colour) noexcept
{
    m_captionColours[IndexOf(state)] = colour;
}

void CBitmapBtn::SetFont(CFontItem* font)
{
    m_font = font;
    if (Handle() != nullptr && font != nullptr)
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->Font()), TRUE);
}

void CBitmapBtn::StartBlink(UINT intervalMs)
{
    m_blinking = true;
    m_blinkPicture = Picture::Normal;
    m_blinkInterval = intervalMs;
    if (Handle() != nullptr)
        SetTimer(Handle(), kBlinkTimer, intervalMs, nullptr);
    Redraw();
}

void CBitmapBtn::StopBlink()
{
    if (Handle() != nullptr)
        KillTimer(Handle(), kBlinkTimer);
    m_blinking = false;
    m_blinkPicture = Picture::Normal;
    m_blinkInterval = 0;
    Redraw();
}

CBitmapBtn::DrawState CBitmapBtn::CurrentDrawState(UINT itemState) const noexcept
{
    DrawState state;
    state.checkBox = m_checkBox;
    state.checked = m_checked;
    state.hovered = m_hover.IsHovered();
    state.pressed = (itemState & ODS_SELECTED) != 0;
    state.disabled = (itemState & ODS_DISABLED) != 0;
    state.blinking = m_blinking;
    state.blinkPicture = m_blinkPicture;
    return state;
}

CBitmapBtn::Picture CBitmapBtn::ShownPicture() const noexcept
{
    UINT itemState = 0;
    if (Handle() != nullptr) {
        if ((SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0)
            itemState |= ODS_SELECTED;
        if (!IsWindowEnabled(Handle()))
            itemState |= ODS_DISABLED;
    }
    return ChoosePicture(CurrentDrawState(itemState));
}

LRESULT CBitmapBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_toolTip.Relay(Handle(), message, wParam, lParam);
    return CSubclassedWindow::OnMessage(message, wParam, lParam);
}

void CBitmapBtn::OnTimer(UINT_PTR timer)
{
    if (timer != kBlinkTimer)
        return;
    KillTimer(Handle(), kBlinkTimer);
    // A stray timer message after StopBlink must not start a blink without an interval.
    if (!m_blinking)
        return;
    m_blinkPicture = m_blinkPicture == Picture::Normal ? Picture::Pressed : Picture::Normal;
    SetTimer(Handle(), kBlinkTimer, m_blinkInterval, nullptr);
    Redraw();
}

void CBitmapBtn::OnMouseMove(POINT point, WPARAM keys)
{
    Default();
    const HWND owner = Owner() != nullptr ? Owner() : GetParent(Handle());
    const CHoverTracker::Change change = m_hover.OnMouseMove(Handle(), owner, point, keys);
    if (change == CHoverTracker::Change::Entered)
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (change != CHoverTracker::Change::None)
        Redraw();
}

void CBitmapBtn::ActivateOwner() const
{
    const HWND owner = Owner() != nullptr ? Owner() : GetParent(Handle());
    const HWND root = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    if (root != nullptr && GetActiveWindow() != root)
        SetActiveWindow(root);
}

void CBitmapBtn::OnLButtonDown(POINT, WPARAM)
{
    ActivateOwner();
    if (!m_checkBox) {
        Default();
        return;
    }
    // A check box reports the press itself; the platform's press handling would report again
    // on release.
    if (m_toggleMode == 1)
        m_checked = !m_checked;
    Redraw();
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
}

void CBitmapBtn::OnLButtonDoubleClick(POINT point, WPARAM keys)
{
    // The second press of a quick double click is a press like the first.
    if (m_checkBox)
        OnLButtonDown(point, keys);
    else
        Default();
}

void CBitmapBtn::OnLButtonUp(POINT, WPARAM)
{
    if (m_checkBox)
        return;
    Default();
    Redraw();
}

void CBitmapBtn::OnCaptureChanged(HWND newCapture)
{
    Default();
    if (m_hover.IsHovered() && newCapture != Handle()) {
        m_hover.Clear();
        Redraw();
    }
}

void CBitmapBtn::OnKillFocus(HWND)
{
    Default();
    m_hover.Clear();
    Redraw();
}

void CBitmapBtn::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    const DrawState state = CurrentDrawState(draw.itemState);
    const PictureArea& picture = m_pictures[IndexOf(ChoosePicture(state))];
    RECT client{};
    GetClientRect(Handle(), &client);
    const SIZE size{client.right - client.left, client.bottom - client.top};
    if (m_caption.empty()) {
        DrawPictureArea(draw.hDC, 0, 0, size.cx, size.cy, picture);
        return;
    }
    // Composed off-screen and copied in one step, so the caption never flickers.
    const UniqueDc composition = CreateCompatibleDc(draw.hDC);
    UniqueBitmap surface(CreateCompatibleBitmap(draw.hDC, size.cx, size.cy));
    if (!composition || !surface)
        return;
    const ScopedSelect selected(composition.Get(), surface.Get());
    DrawPictureArea(composition.Get(), 0, 0, size.cx, size.cy, picture);
    DrawCaption(composition.Get(), client, ChooseCaptionState(state));
    BitBlt(draw.hDC, 0, 0, size.cx, size.cy, composition.Get(), 0, 0, SRCCOPY);
}

void CBitmapBtn::DrawCaption(HDC dc, const RECT& client, Picture captionState) const
{
    const int32_t colour = m_captionColours[IndexOf(captionState)];
    const COLORREF drawn = colour == 0 ? kDefaultCaptionColour : static_cast<COLORREF>(colour);
    DrawItemText(dc, client, m_caption, drawn, m_font != nullptr ? m_font->Font() : nullptr, m_captionFlags);
}

void CBitmapBtn::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}
