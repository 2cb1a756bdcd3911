#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/IFileDialogs.h"

// Answers the program's file dialogs without a window: each dialog takes the next prepared
// answer (a full path, or nothing for Cancel; Cancel when none is left) and is remembered with
// what it was asked to show.
class CFileDialogScript : public IFileDialogs
{
public:
    struct Asked
    {
        bool save = false;
        FileDialogRequest request;
    };

    std::optional<std::wstring> ChooseFileToOpen(const FileDialogRequest& request) override
    {
        return Answer(false, request);
    }
    std::optional<std::wstring> ChooseFileToSave(const FileDialogRequest& request) override
    {
        return Answer(true, request);
    }

    std::deque<std::optional<std::wstring>> answers;
    std::vector<Asked> asked;

private:
    std::optional<std::wstring> Answer(bool save, const FileDialogRequest& request)
    {
        asked.push_back(Asked{save, request});
        if (answers.empty())
            return std::nullopt;
        std::optional<std::wstring> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
