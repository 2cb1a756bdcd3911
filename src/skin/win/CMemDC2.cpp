#include "skin/win/CMemDC2.h"

CMemDC2::CMemDC2(HDC target, const RECT* area) : m_target(target)
{
    if (area != nullptr)
        m_area = *area;
    else if (target != nullptr)
        GetClipBox(target, &m_area);
    if (target != nullptr && GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER)
        m_offScreen = BeginOffScreen();
    FillBackground();
}

CMemDC2::~CMemDC2()
{
    if (!m_offScreen)
        return;
    BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left, m_area.bottom - m_area.top, m_memory.Get(),
           m_area.left, m_area.top, SRCCOPY);
    SelectObject(m_memory.Get(), m_previousBitmap);
}

bool CMemDC2::BeginOffScreen()
{
    const int width = m_area.right - m_area.left;
    const int height = m_area.bottom - m_area.top;
    if (width <= 0 || height <= 0)
        return false;
    m_memory = CreateCompatibleDc(m_target);
    m_bitmap.Reset(CreateCompatibleBitmap(m_target, width, height));
    if (!m_memory || !m_bitmap)
        return false;
    m_previousBitmap = SelectObject(m_memory.Get(), m_bitmap.Get());
    SetMapMode(m_memory.Get(), GetMapMode(m_target));
    SIZE extent{};
    GetWindowExtEx(m_target, &extent);
    SetWindowExtEx(m_memory.Get(), extent.cx, extent.cy, nullptr);
    GetViewportExtEx(m_target, &extent);
    SetViewportExtEx(m_memory.Get(), extent.cx, extent.cy, nullptr);
    SetWindowOrgEx(m_memory.Get(), m_area.left, m_area.top, nullptr);
    return true;
}

void CMemDC2::FillBackground() const
{
    if (m_target == nullptr)
        return;
    const HDC dc = Get();
    const COLORREF previous = SetBkColor(dc, GetBkColor(m_target));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &m_area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}
