#include "skin/win/CGUIPanel.h"

#include <algorithm>

#include "platform/win/WinHandles.h"
#include "skin/layout/LayoutFaults.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/CPanelBitmap.h"
#include "skin/win/OutlineRegion.h"
#include "skin/win/PaintDc.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/ItemIds.h"

CGUIPanel::CGUIPanel(std::wstring layoutFile, int templateId, HWND owner)
    : CDialogWindow(templateId), m_owner(owner), m_layoutFile(std::move(layoutFile))
{
}

CGUIPanel::CGUIPanel(HWND owner, const RECT& rect, int templateId)
    : CDialogWindow(templateId), m_owner(owner), m_rect(rect)
{
}

CGUIPanel::~CGUIPanel()
{
    // The window goes first, while the panel can still handle its destruction; the items
    // (whose windows were its children) after it.
    if (Handle() != nullptr)
        DestroyWindow(Handle());
    m_items.DestroyAll();
}

bool CGUIPanel::OnInitDialog()
{
    if (!m_layoutFile.empty())
        LoadLayout();
    else
        SetWindowPos(Handle(), nullptr, 0, 0, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_ready = true;
    return CDialogWindow::OnInitDialog();
}

void CGUIPanel::LoadLayout()
{
    // A panel whose window is made again starts from its layout again; the items of the
    // earlier window went with it.
    m_items.DestroyAll();
    m_background = nullptr;
    m_mask = nullptr;
    m_hasOutline = false;

    m_problems = CLayoutLoader::Load(m_layoutFile, m_items, Handle());
    m_background = m_items.Find<CPanelBitmap>(ItemId::BACKGROUND, ItemKind::PanelBitmap);
    m_mask = m_items.Find<CPanelBitmap>(ItemId::MASK, ItemKind::PanelBitmap);
    if (m_background == nullptr) {
        // Without a background there is no size to take: the window keeps the template's.
        RECT client{};
        GetClientRect(Handle(), &client);
        m_rect = client;
        return;
    }
    m_rect = RECT{0, 0, m_background->Width(), m_background->Height()};
    // Only the size: where the window stands is its owner's business (CenterOver).
    SetWindowPos(Handle(), nullptr, 0, 0, m_rect.right, m_rect.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (m_mask != nullptr)
        ApplyMask();
}

std::optional<LayoutProblem> CGUIPanel::PreventingProblem() const
{
    return LayoutFaults::FirstPreventing(m_problems);
}

void CGUIPanel::ApplyMask()
{
    UniqueRegion outline = OutlineRegion(m_mask->Bitmap());
    // The outline is all a mask is for: its picture is not kept for the panel's lifetime.
    m_mask->GiveBack();
    if (!outline)
        return;
    // The window owns a region it was given.
    if (SetWindowRgn(Handle(), outline.Get(), TRUE)) {
        (void)outline.Release();
        m_hasOutline = true;
    }
}

void CGUIPanel::OnPaint()
{
    PaintDc paint(Handle());
    if (!paint || !m_ready || m_background == nullptr || m_background->Bitmap() == nullptr)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    CMemDC2 surface(paint.Get());
    UniqueDc source = CreateCompatibleDc(paint.Get());
    if (!source)
        return;
    ScopedSelect selected(source.Get(), m_background->Bitmap());
    BitBlt(surface.Get(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
}

void CGUIPanel::OnDestroy()
{
    Default();
    if (m_background != nullptr)
        m_background->Free();
    if (m_mask != nullptr)
        m_mask->Free();
    m_ready = false;
}

void CGUIPanel::CenterOver(HWND other) const
{
    if (Handle() == nullptr)
        return;
    RECT own{};
    GetWindowRect(Handle(), &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const HMONITOR nearest = MonitorFromWindow(other != nullptr ? other : Handle(), MONITOR_DEFAULTTONEAREST);
    if (!GetMonitorInfoW(nearest, &monitor))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& work = monitor.rcWork;

    RECT target = work;
    if (other != nullptr)
        GetWindowRect(other, &target);
    int left = target.left + ((target.right - target.left) - width) / 2;
    int top = target.top + ((target.bottom - target.top) - height) / 2;
    left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
    top = std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
