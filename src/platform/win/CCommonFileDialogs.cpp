#include <commdlg.h>

#include <algorithm>

#include "platform/win/CCommonFileDialogs.h"
#include "platform/win/CSystemLibrary.h"

namespace {

// Long paths: the dialogs write at most this many characters.
constexpr size_t kMaxPath = 32768;

enum class Purpose
{
    Open,
    Save
};

std::optional<std::wstring> RunDialog(const FileDialogRequest& request, Purpose purpose)
{
    const std::wstring filter = CCommonFileDialogs::DialogFilter(request.filter);
    std::wstring path(kMaxPath, L'\0');
    std::copy_n(request.fileName.begin(), std::min(request.fileName.size(), kMaxPath - 1), path.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = request.folder.empty() ? nullptr : request.folder.c_str();
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    dialog.Flags |= purpose == Purpose::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT;
    static const CSystemLibrary library(L"comdlg32.dll");
    auto* run = purpose == Purpose::Open ? library.Find<decltype(GetOpenFileNameW)>("GetOpenFileNameW")
                                         : library.Find<decltype(GetSaveFileNameW)>("GetSaveFileNameW");
    if (run == nullptr || !run(&dialog))
        return std::nullopt;
    path.resize(path.find(L'\0'));
    return path;
}

}  // namespace

std::optional<std::wstring> CCommonFileDialogs::ChooseFileToOpen(const FileDialogRequest& request)
{
    return RunDialog(request, Purpose::Open);
}

std::optional<std::wstring> CCommonFileDialogs::ChooseFileToSave(const FileDialogRequest& request)
{
    return RunDialog(request, Purpose::Save);
}

std::wstring CCommonFileDialogs::DialogFilter(const std::wstring& filter)
{
    std::wstring result = filter;
    // The list ends with two zeros, also when the caller left out the final "||".
    while (!result.empty() && result.back() == L'|')
        result.pop_back();
    if (result.empty())
        return result;
    std::replace(result.begin(), result.end(), L'|', L'\0');
    result.append(2, L'\0');
    return result;
}
