#include "controls/CAVIButton.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

constexpr COLORREF kFace = RGB(0x1d, 0x20, 0x24);
constexpr COLORREF kMark = RGB(0x35, 0xd3, 0x5a);

bool IsAbsolute(const std::wstring& path) noexcept
{
    return (path.size() >= 2 && path[1] == L':') || (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
}

// A triangle pointing right in the middle of the face.
void DrawPlayMark(HDC dc, const RECT& client)
{
    const int size = std::min(client.right, client.bottom) / 3;
    const int x = (client.right - size) / 2;
    const int y = (client.bottom - size) / 2;
    const POINT corners[] = {{x, y}, {x + size, y + size / 2}, {x, y + size}};
    const UniqueBrush brush(CreateSolidBrush(kMark));
    const UniquePen pen(CreatePen(PS_SOLID, 1, kMark));
    const HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
    const HGDIOBJ oldPen = SelectObject(dc, pen.Get());
    Polygon(dc, corners, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

}  // namespace

MadeItem CAVIButton::Make(const AviButtonDescription& description, const IItemMakeContext& context)
{
    const RectEdges edges = EdgesOf(description.rect);
    auto button = std::make_unique<CAVIButton>();
    if (!button->CreateButton(context.Parent(), RECT{edges.left, edges.top, edges.right, edges.bottom}))
        return {};
    button->SetFiles(description.video, description.sound);
    const HWND window = button->Handle();
    return MadeItem{std::move(button), window, context.Parent()};
}

bool CAVIButton::CreateButton(HWND parent, const RECT& rect)
{
    return CSubclassedWindow::Create(L"BUTTON", parent, rect, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
}

void CAVIButton::SetFiles(std::wstring animation, std::wstring sound)
{
    m_animation = std::move(animation);
    m_sound = std::move(sound);
}

void CAVIButton::SetPicture(const PictureArea& picture)
{
    m_picture = picture;
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

std::wstring CAVIButton::AnimationPath() const
{
    if (m_animation.empty() || IsAbsolute(m_animation))
        return m_animation;
    return CSkinEnvironment::Instance().ProgramDirectory() + L"skins\\" + m_animation;
}

bool CAVIButton::Play()
{
    if (Handle() == nullptr || m_animation.empty())
        return false;
    if (m_player == nullptr) {
        const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_ANIMATE_CLASS};
        InitCommonControlsEx(&classes);
        RECT client{};
        GetClientRect(Handle(), &client);
        m_player = CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE | ACS_CENTER, 1, 1, client.right,
                                   client.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (m_player == nullptr)
            return false;
        const std::wstring path = AnimationPath();
        if (SendMessageW(m_player, ACM_OPENW, 0, reinterpret_cast<LPARAM>(path.c_str())) == 0) {
            DestroyWindow(m_player);
            m_player = nullptr;
            return false;
        }
    }
    // Once, from the first frame to the last.
    return SendMessageW(m_player, ACM_PLAY, 1, MAKELPARAM(0, 0xFFFF)) != 0;
}

void CAVIButton::OnLButtonDoubleClick(POINT, WPARAM)
{
    Default();
    Play();
}

void CAVIButton::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    if (m_picture) {
        DrawPictureArea(draw.hDC, 0, 0, client.right, client.bottom, m_picture);
        return;
    }
    const UniqueBrush face(CreateSolidBrush(kFace));
    FillRect(draw.hDC, &client, face.Get());
    DrawPlayMark(draw.hDC, client);
}
