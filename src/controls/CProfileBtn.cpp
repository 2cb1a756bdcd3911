#include "controls/CProfileBtn.h"

#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/ItemDrawing.h"
#include "skin/win/ScopedSelect.h"

MadeItem CProfileBtn::Make(const ProfileButtonDescription& description, const IItemMakeContext& context)
{
    const RectEdges edges = EdgesOf(description.rect);
    auto button = std::make_unique<CProfileBtn>();
    if (!button->CreateButton(context.Parent(), RECT{edges.left, edges.top, edges.right, edges.bottom}))
        return {};
    button->SetPictures(PictureArea::Whole(description.normal), PictureArea::Whole(description.over),
                        PictureArea::Whole(description.down), PictureArea::Whole(description.disabled));
    button->SetTooltip(description.tooltip);
    const HWND window = button->Handle();
    return MadeItem{std::move(button), window, context.Parent()};
}

bool CProfileBtn::CreateButton(HWND parent, const RECT& rect, DWORD style)
{
    // Owner-drawn, whatever other button style was asked for.
    const DWORD buttonStyle = (style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
    if (!CSubclassedWindow::Create(L"BUTTON", parent, rect, WS_CHILD | WS_VISIBLE | buttonStyle))
        return false;
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        m_state.SetHovering(true);
    return true;
}

void CProfileBtn::SetPictures(const PictureArea& normal, const PictureArea& hover, const PictureArea& pressed,
                              const PictureArea& disabled)
{
    m_pictures = {normal, hover, pressed, disabled};
    Redraw();
}

void CProfileBtn::SetTooltip(std::wstring_view textKey)
{
    m_toolTip.SetText(Handle(), CToolTip::ShownText(textKey));
}

void CProfileBtn::SetText(size_t column, std::wstring text)
{
    if (column >= kColumnCount)
        return;
    m_texts[column] = std::move(text);
    Redraw();
}

void CProfileBtn::SetToggled(bool toggled)
{
    m_state.SetToggled(toggled);
    Redraw();
}

CProfileBtn::Picture CProfileBtn::ShownPicture() const noexcept
{
    const bool held = Handle() != nullptr && (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const bool disabled = Handle() != nullptr && !IsWindowEnabled(Handle());
    return m_state.Choose(held, disabled);
}

const PictureArea& CProfileBtn::PictureFor(Picture picture) const noexcept
{
    return m_pictures[static_cast<size_t>(picture)];
}

void CProfileBtn::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CProfileBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_toolTip.Relay(Handle(), message, wParam, lParam);
    return CSubclassedWindow::OnMessage(message, wParam, lParam);
}

void CProfileBtn::OnMouseMove(POINT point, WPARAM keys)
{
    Default();
    const HWND parent = GetParent(Handle());
    const CHoverTracker::Change change = m_hover.OnMouseMove(Handle(), parent, point, keys);
    if (change == CHoverTracker::Change::None)
        return;
    m_state.SetHovering(m_hover.IsHovered());
    Redraw();
}

void CProfileBtn::ActivateParent() const
{
    const HWND root = GetAncestor(Handle(), GA_ROOT);
    if (root != nullptr && GetActiveWindow() != root)
        SetActiveWindow(root);
}

void CProfileBtn::OnLButtonDown(POINT, WPARAM)
{
    ActivateParent();
    if (!m_state.IsToggleMode()) {
        Default();
        return;
    }
    // A toggle reports its click itself: the platform's press would report it again.
    m_togglePressed = true;
    SetCapture(Handle());
}

void CProfileBtn::OnLButtonDoubleClick(POINT point, WPARAM keys)
{
    // The second press of a quick double click is a press like the first.
    if (m_state.IsToggleMode())
        OnLButtonDown(point, keys);
    else
        Default();
}

void CProfileBtn::OnLButtonUp(POINT point, WPARAM)
{
    if (!m_state.IsToggleMode()) {
        Default();
        Redraw();
        return;
    }
    const bool pressed = m_togglePressed;
    m_togglePressed = false;
    if (!m_hover.IsHovered())
        ReleaseCapture();
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!pressed || !PtInRect(&client, point))
        return;
    m_state.Click();
    Redraw();
    const auto control = static_cast<WORD>(GetDlgCtrlID(Handle()));
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
}

void CProfileBtn::OnCaptureChanged(HWND newCapture)
{
    Default();
    if (m_hover.IsHovered() && newCapture != Handle()) {
        m_hover.Clear();
        m_state.SetHovering(false);
        Redraw();
    }
}

void CProfileBtn::OnKillFocus(HWND)
{
    Default();
    m_hover.Clear();
    m_state.SetHovering(false);
    Redraw();
}

void CProfileBtn::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    const bool held = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & ODS_DISABLED) != 0;
    const PictureArea& picture = PictureFor(m_state.Choose(held, disabled));
    RECT client{};
    GetClientRect(Handle(), &client);
    if (m_texts[0].empty()) {
        DrawPictureArea(draw.hDC, 0, 0, client.right, client.bottom, picture);
        return;
    }
    // Composed off-screen and copied in one step, so the texts never flicker.
    const UniqueDc composition = CreateCompatibleDc(draw.hDC);
    UniqueBitmap surface(CreateCompatibleBitmap(draw.hDC, client.right, client.bottom));
    if (!composition || !surface)
        return;
    const ScopedSelect selected(composition.Get(), surface.Get());
    DrawPictureArea(composition.Get(), 0, 0, client.right, client.bottom, picture);
    DrawTexts(composition.Get(), client);
    BitBlt(draw.hDC, 0, 0, client.right, client.bottom, composition.Get(), 0, 0, SRCCOPY);
}

void CProfileBtn::DrawTexts(HDC dc, const RECT& client) const
{
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    for (size_t column = 0; column < kColumnCount; ++column) {
        const CProfileButtonState::Column& place = CProfileButtonState::kColumns[column];
        const RECT area{place.left, client.top, place.right, client.bottom};
        // Without a font the items' default caption font: Arial, 14 high, bold.
        DrawItemText(dc, area, m_texts[column], static_cast<COLORREF>(CProfileButtonState::kTextColour), nullptr,
                     kFormat);
    }
}
