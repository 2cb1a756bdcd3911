#include "tray/WindowsPath.h"

#include "platform/TextCase.h"

namespace tray {

namespace {

constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

bool IsSeparator(wchar_t c) noexcept
{
    return c == L'\\' || c == L'/';
}

// "\\?\C:\x" is "C:\x" and "\\?\UNC\server\share" is "\\server\share".
std::wstring WithoutLongPathPrefix(std::wstring_view path)
{
    std::wstring unified(path);
    for (wchar_t& c : unified)
        if (c == L'/')
            c = L'\\';
    if (platform::EqualsIgnoreCase(std::wstring_view(unified).substr(0, kLongUncPrefix.size()), kLongUncPrefix))
        return L"\\\\" + unified.substr(kLongUncPrefix.size());
    if (unified.starts_with(kLongPathPrefix))
        return unified.substr(kLongPathPrefix.size());
    return unified;
}

}  // namespace

std::wstring NormalizeWindowsPath(std::wstring_view path)
{
    const std::wstring unified = WithoutLongPathPrefix(path);
    std::wstring result;
    result.reserve(unified.size());
    // A network path keeps its two leading separators; elsewhere a run of them is one.
    const size_t kept = unified.starts_with(L"\\\\") ? 2 : 0;
    result.append(unified, 0, kept);
    for (size_t i = kept; i < unified.size(); ++i)
        if (!IsSeparator(unified[i]) || result.empty() || !IsSeparator(result.back()))
            result.push_back(unified[i]);
    // "C:\" keeps its separator: without it the path would mean the drive's current folder.
    while (result.size() > 1 && IsSeparator(result.back()) && !(result.size() == 3 && result[1] == L':'))
        result.pop_back();
    return platform::FoldCase(result);
}

bool SameWindowsPath(std::wstring_view a, std::wstring_view b)
{
    return NormalizeWindowsPath(a) == NormalizeWindowsPath(b);
}

}  // namespace tray
