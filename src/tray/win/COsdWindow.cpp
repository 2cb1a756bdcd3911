#include "tray/win/COsdWindow.h"

#include "skin/win/ScopedSelect.h"
#include "tray/win/BoundWindowProc.h"

namespace {

constexpr COLORREF kHeadingColour = RGB(0x8c, 0x93, 0x9b);
constexpr COLORREF kTextColour = RGB(0xff, 0xff, 0xff);
constexpr COLORREF kDetailColour = RGB(0x35, 0xd3, 0x5a);
constexpr COLORREF kSurface = RGB(0x17, 0x19, 0x1b);
constexpr BYTE kOpacity = 235;
constexpr int kMargin = 22;
constexpr int kBottomGap = 96;

UniqueFont MakeFont(const std::wstring& face, int height, int weight)
{
    return UniqueFont(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, face.c_str()));
}

void DrawLine(HDC dc, const std::wstring& text, HFONT font, COLORREF colour, RECT area) noexcept
{
    ScopedSelect select(dc, font);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

COsdWindow::~COsdWindow()
{
    if (m_window != nullptr)
        DestroyWindow(m_window);
}

bool COsdWindow::Create(HINSTANCE instance, const std::wstring& programDirectory, const std::wstring& face)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BoundWindowProc<COsdWindow>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    LoadSkin(programDirectory);
    m_headingFont = MakeFont(face, 15, FW_NORMAL);
    m_textFont = MakeFont(face, 28, FW_BOLD);
    m_detailFont = MakeFont(face, 15, FW_BOLD);
    // Layered and transparent: mouse input falls through to the window below. No activation:
    // showing it never takes the focus from the program in front.
    m_window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                               kClassName, L"", WS_POPUP, 0, 0, m_size.cx, m_size.cy, nullptr, nullptr, instance, this);
    if (m_window == nullptr)
        return false;
    SetLayeredWindowAttributes(m_window, kColourKey, kOpacity, LWA_COLORKEY | LWA_ALPHA);
    return true;
}

void COsdWindow::LoadSkin(const std::wstring& programDirectory)
{
    const std::wstring path = programDirectory + L"skins\\osd_background.bmp";
    m_background.Reset(static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (m_background && GetObjectW(m_background.Get(), sizeof(info), &info) != 0)
        m_size = {info.bmWidth, info.bmHeight};
}

void COsdWindow::Show(const tray::OsdMessage& message)
{
    if (m_window == nullptr)
        return;
    m_message = message;
    SetWindowTextW(m_window, message.text.c_str());
    PlaceOnScreen();
    InvalidateRect(m_window, nullptr, FALSE);
    SetTimer(m_window, kHideTimer, static_cast<UINT>(tray::COsdPlanner::kShowTime.count()), nullptr);
}

void COsdWindow::Hide() noexcept
{
    if (m_window == nullptr)
        return;
    KillTimer(m_window, kHideTimer);
    ShowWindow(m_window, SW_HIDE);
}

void COsdWindow::PlaceOnScreen() const
{
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int x = work.left + (work.right - work.left - m_size.cx) / 2;
    const int y = work.bottom - kBottomGap - m_size.cy;
    SetWindowPos(m_window, HWND_TOPMOST, x, y, m_size.cx, m_size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void COsdWindow::Paint(HDC dc) const
{
    RECT area{0, 0, m_size.cx, m_size.cy};
    if (m_background) {
        UniqueDc memory = CreateCompatibleDc(dc);
        ScopedSelect select(memory.Get(), m_background.Get());
        BitBlt(dc, 0, 0, m_size.cx, m_size.cy, memory.Get(), 0, 0, SRCCOPY);
    } else {
        UniqueBrush surface(CreateSolidBrush(kSurface));
        FillRect(dc, &area, surface.Get());
    }
    SetBkMode(dc, TRANSPARENT);
    const int heading = 22;
    const int detail = m_message.detail.empty() ? 0 : 22;
    RECT line{kMargin, 10, m_size.cx - kMargin, 10 + heading};
    DrawLine(dc, m_message.heading, m_headingFont.Get(), kHeadingColour, line);
    line = {kMargin, line.bottom, m_size.cx - kMargin, m_size.cy - 12 - detail};
    DrawLine(dc, m_message.text, m_textFont.Get(), kTextColour, line);
    if (detail != 0) {
        line = {kMargin, line.bottom, m_size.cx - kMargin, line.bottom + detail};
        DrawLine(dc, m_message.detail, m_detailFont.Get(), kDetailColour, line);
    }
}

LRESULT COsdWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window, &paint)) {
            Paint(dc);
            EndPaint(window, &paint);
        }
        return 0;
    }
    case WM_TIMER:
        if (wParam == kHideTimer) {
            Hide();
            return 0;
        }
        break;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_DESTROY:
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
