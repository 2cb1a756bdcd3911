#include "device/win/CFileVersions.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kPathCapacity = 260;

}  // namespace

void CFileVersions::SetOwnPath()
{
    wchar_t buffer[kPathCapacity] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, kPathCapacity);
    m_path.assign(buffer, length < kPathCapacity ? length : 0);
}

bool CFileVersions::Read()
{
    if (m_path.empty())
        return false;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(m_path.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(m_path.c_str(), 0, size, block.data()))
        return false;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &value, &length) || value == nullptr ||
        length != sizeof(VS_FIXEDFILEINFO))
        return false;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    Fill(fixed->dwFileVersionMS, fixed->dwFileVersionLS, m_fileVersion, m_fileParts);
    Fill(fixed->dwProductVersionMS, fixed->dwProductVersionLS, m_productVersion, m_productParts);
    return true;
}

void CFileVersions::Fill(unsigned high, unsigned low, std::wstring& whole, Parts& parts)
{
    parts.major = std::to_wstring(HIWORD(high));
    parts.minor = std::to_wstring(LOWORD(high));
    parts.build = std::to_wstring(HIWORD(low));
    parts.privatePart = std::to_wstring(LOWORD(low));
    whole = parts.major + L"." + parts.minor + L"." + parts.build + L"." + parts.privatePart;
}
