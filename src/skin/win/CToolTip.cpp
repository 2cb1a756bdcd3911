#include "skin/win/CToolTip.h"

#include "skin/CLanguageSet.h"
#include "skin/win/CSkinEnvironment.h"

#include <commctrl.h>
#include <windowsx.h>

#include <iterator>

namespace {

TTTOOLINFOW ToolOf(HWND item) noexcept
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = item;
    tool.uId = CToolTip::kToolId;
    return tool;
}

}  // namespace

CToolTip::~CToolTip()
{
    if (m_control != nullptr && IsWindow(m_control))
        DestroyWindow(m_control);
}

bool CToolTip::Ensure(HWND item)
{
    if (m_control != nullptr)
        return true;
    if (item == nullptr)
        return false;
    m_control =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, item, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_control == nullptr)
        return false;
    m_item = item;
    // The system font lacks the glyphs of some languages (Chinese, Japanese, Korean).
    if (HFONT font = CSkinEnvironment::Instance().ToolTipFont())
        SendMessageW(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(m_control, TTM_ACTIVATE, FALSE, 0);
    m_active = false;
    TTTOOLINFOW tool = ToolOf(item);
    // Mouse messages are relayed by the item, so the tool tip does not subclass its window.
    tool.uFlags = 0;
    tool.lpszText = const_cast<wchar_t*>(L"");
    GetClientRect(item, &tool.rect);
    SendMessageW(m_control, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

bool CToolTip::IsMouseMessage(UINT message) noexcept
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

void CToolTip::Relay(HWND item, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsMouseMessage(message) || !Ensure(item))
        return;
    MSG relayed{};
    relayed.hwnd = item;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    relayed.time = GetMessageTime();
    const DWORD position = GetMessagePos();
    relayed.pt = POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    SendMessageW(m_control, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void CToolTip::SetText(HWND item, std::wstring_view text)
{
    if (!Ensure(item))
        return;
    m_text.assign(text);
    TTTOOLINFOW tool = ToolOf(m_item);
    tool.lpszText = m_text.data();
    SendMessageW(m_control, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_control, TTM_ACTIVATE, TRUE, 0);
    m_active = true;
}

std::wstring CToolTip::Text() const
{
    if (m_control == nullptr)
        return {};
    wchar_t buffer[512] = {};
    TTTOOLINFOW tool = ToolOf(m_item);
    tool.lpszText = buffer;
    SendMessageW(m_control, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

std::wstring CToolTip::ShownText(std::wstring_view textKey)
{
    const auto translated = CSkinEnvironment::Instance().Languages().Translate(textKey);
    std::wstring text = translated ? *translated : std::wstring(textKey);
    if (const size_t backslash = text.find(L'\\'); backslash != std::wstring::npos)
        text.replace(backslash, 2, L" ");
    return text;
}
