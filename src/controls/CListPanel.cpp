#include "controls/CListPanel.h"

#include "platform/win/WinHandles.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"

namespace {

RECT SizeOf(const RECT& screenRect) noexcept
{
    return RECT{0, 0, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top};
}

int FrameWidth(int borderWidth) noexcept
{
    return borderWidth < 1 ? 1 : borderWidth;
}

}  // namespace

CListPanel::CListPanel(const ListPopupRequest& request)
    : CGUIPanel(request.owner, SizeOf(request.screenRect), CSkinEnvironment::Instance().PanelTemplate()),
      m_request(request)
{
}

CListPanel::~CListPanel()
{
    // The list goes before the panel's window.
    m_list.reset();
}

int CListPanel::Open()
{
    const INT_PTR result = RunModal();
    if (m_result)
        return *m_result;
    return result >= 0 ? static_cast<int>(result) : -1;
}

bool CListPanel::OpenModeless()
{
    return CreateModeless(OwnerWindow());
}

RECT CListPanel::ListArea(const RECT& client, int borderWidth, bool attached) noexcept
{
    const int frame = FrameWidth(borderWidth);
    return RECT{client.left + frame, client.top + (attached ? 0 : frame), client.right - frame, client.bottom - frame};
}

bool CListPanel::OnInitDialog()
{
    CGUIPanel::OnInitDialog();
    SetWindowPos(Handle(), HWND_TOP, m_request.screenRect.left, m_request.screenRect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_request.font != nullptr)
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_request.font), FALSE);
    RECT client{};
    GetClientRect(Handle(), &client);
    m_list = std::make_unique<CListPanelList>(m_request);
    if (!m_list->CreateList(Handle(), ListArea(client, m_request.borderWidth, m_request.attached))) {
        m_list.reset();
        Finish(-1);
        return false;
    }
    SetFocus(m_list->Handle());
    // The focus is given here, not by the dialog manager.
    return false;
}

void CListPanel::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const UniqueBrush background(CreateSolidBrush(static_cast<COLORREF>(m_request.colours.background)));
    FillRect(paint.Get(), &client, background.Get());
    // The frame lies inside the window; each band is as wide as the border.
    const UniqueBrush border(CreateSolidBrush(static_cast<COLORREF>(m_request.colours.border)));
    const int frame = FrameWidth(m_request.borderWidth);
    const RECT left{0, 0, frame, client.bottom};
    const RECT right{client.right - frame, 0, client.right, client.bottom};
    const RECT bottom{0, client.bottom - frame, client.right, client.bottom};
    FillRect(paint.Get(), &left, border.Get());
    FillRect(paint.Get(), &right, border.Get());
    FillRect(paint.Get(), &bottom, border.Get());
    if (!m_request.attached) {
        const RECT top{0, 0, client.right, frame};
        FillRect(paint.Get(), &top, border.Get());
    }
}

void CListPanel::OnSetFocus(HWND)
{
    if (m_list)
        SetFocus(m_list->Handle());
}

void CListPanel::OnOK()
{
    if (m_list)
        m_list->ChooseHovered();
}

void CListPanel::OnCancel()
{
    Finish(-1);
}

void CListPanel::OnMouseWheel(short delta, POINT point)
{
    if (m_list)
        SendMessageW(m_list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                     MAKELPARAM(point.x, point.y));
}

LRESULT CListPanel::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The modal loop disables the owner (which releases the capture) and shows and activates
    // the panel after it was made: the list takes the mouse capture again each time.
    const bool shown = message == WM_SHOWWINDOW && wParam != FALSE;
    const bool activated = message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE;
    if ((shown || activated) && m_list && !m_result) {
        Default();
        SetCapture(m_list->Handle());
        return 0;
    }
    if (message != CListPanelList::kCompletionMessage)
        return Default();
    Finish(static_cast<int>(lParam));
    return 0;
}

void CListPanel::Finish(int result)
{
    // Destroying the list makes it lose the focus, which posts a second completion; only the
    // first one counts.
    if (m_result)
        return;
    m_result = result;
    if (m_list) {
        if (GetCapture() == m_list->Handle())
            ReleaseCapture();
        m_list.reset();
    }
    EndModal(result);
}
