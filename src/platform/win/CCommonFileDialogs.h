#pragma once

#include "platform/win/IFileDialogs.h"

// The platform's common open and save dialogs.
class CCommonFileDialogs final : public IFileDialogs
{
public:
    [[nodiscard]] std::optional<std::wstring> ChooseFileToOpen(const FileDialogRequest& request) override;
    [[nodiscard]] std::optional<std::wstring> ChooseFileToSave(const FileDialogRequest& request) override;

    // The filter as the dialogs take it: every '|' a terminating zero.
    [[nodiscard]] static std::wstring DialogFilter(const std::wstring& filter);
};
