#pragma once

#include <windows.h>

#include <optional>
#include <string>

// What an open or save dialog is asked to show.
struct FileDialogRequest
{
    HWND owner = nullptr;
    // Descriptions and patterns separated by '|' and ended by "||", as in
    // "dnp Profile Files (*.dnp)|*.dnp||".
    std::wstring filter;
    // Added to a typed name without one ("dnp", no point); empty: none.
    std::wstring defaultExtension;
    // The folder the dialog starts in; empty: the platform's choice.
    std::wstring folder;
    // The name the file field starts with.
    std::wstring fileName;
};

// The platform's file dialogs as the program uses them. The program shows the common dialogs
// (CCommonFileDialogs); tests put a stand-in in their place that answers without a window.
// Each answers the chosen file's full path, or nothing when the user cancelled.
class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;

    // A file that exists: the read-only box is hidden.
    [[nodiscard]] virtual std::optional<std::wstring> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    // A file to write: the read-only box is hidden and replacing a file is confirmed first.
    [[nodiscard]] virtual std::optional<std::wstring> ChooseFileToSave(const FileDialogRequest& request) = 0;
};
