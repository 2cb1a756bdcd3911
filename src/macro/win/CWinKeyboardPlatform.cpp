#include "macro/win/CWinKeyboardPlatform.h"

#include <cwchar>

namespace {

// GetKeyNameTextW's buffer: at most 20 characters and the terminator.
constexpr int kNameBufferLength = 21;
constexpr int kTypedBufferLength = 8;
// ToUnicodeEx flag (Windows 10 1607 on): leave the keyboard state, so asking about a dead key
// does not change what the user types next.
constexpr UINT kKeepKeyboardState = 0x4;

}  // namespace

bool CWinKeyboardPlatform::LoadLayout(std::wstring_view layoutName)
{
    const std::wstring name(layoutName.empty() ? kDefaultLayoutName : layoutName);
    HKL layout = LoadKeyboardLayoutW(name.c_str(), KLF_ACTIVATE);
    if (layout == nullptr)
        return false;
    m_layout = layout;
    return true;
}

bool CWinKeyboardPlatform::Activate() const noexcept
{
    return ActivateKeyboardLayout(Layout(), 0) != nullptr;
}

HKL CWinKeyboardPlatform::Layout() const noexcept
{
    return m_layout != nullptr ? m_layout : GetKeyboardLayout(0);
}

std::wstring CWinKeyboardPlatform::KeyNameText(int32_t keyParameter) const
{
    wchar_t buffer[kNameBufferLength] = {};
    const int length = GetKeyNameTextW(keyParameter, buffer, kNameBufferLength);
    if (length <= 0)
        return {};
    // Wine counts a character for keys it has no name for and leaves the buffer empty.
    return std::wstring(buffer, wcsnlen(buffer, static_cast<size_t>(length)));
}

uint32_t CWinKeyboardPlatform::VirtualKeyToChar(uint32_t virtualKey) const
{
    return MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_CHAR, Layout());
}

int16_t CWinKeyboardPlatform::CharToKey(wchar_t character) const
{
    return VkKeyScanExW(character, Layout());
}

std::wstring CWinKeyboardPlatform::TypedText(uint32_t virtualKey, uint32_t scanCode) const
{
    const BYTE allReleased[256] = {};
    wchar_t buffer[kTypedBufferLength] = {};
    const int length = ToUnicodeEx(virtualKey, scanCode, allReleased, buffer, kTypedBufferLength,
                                   kKeepKeyboardState, Layout());
    if (length == 0)
        return {};
    // A dead key answers -1 and leaves its own character in the buffer.
    const int count = length < 0 ? 1 : length;
    return std::wstring(buffer, wcsnlen(buffer, static_cast<size_t>(count)));
}
