#include <windows.h>

#include <gtest/gtest.h>


#include "platform/win/CCommonFileDialogs.h"
#include "support/TempFolder.h"
#include "support/WindowTestSupport.h"
#include "support/XInputScript.h"

namespace {

// The visible common dialog of this thread, or null.
HWND OpenDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16]{};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(window))
                return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The text of the control that has the keyboard focus (the dialog runs on this thread).
std::wstring FocusText()
{
    wchar_t text[64]{};
    GetWindowTextW(GetFocus(), text, 64);
    return text;
}

TEST(CommonFileDialogs, FiltersBecomeZeroSeparatedLists)
{
    using namespace std::string_literals;
    const std::wstring expected = L"dnp Profile Files (*.dnp)\0*.dnp\0\0"s;
    EXPECT_EQ(CCommonFileDialogs::DialogFilter(L"dnp Profile Files (*.dnp)|*.dnp||"), expected);
    EXPECT_EQ(CCommonFileDialogs::DialogFilter(L"dnp Profile Files (*.dnp)|*.dnp"), expected);
    EXPECT_EQ(CCommonFileDialogs::DialogFilter(L"||"), L"");
}

// A user types a bare name into the real save dialog and presses Enter: the dialog answers the
// file in the starting folder with the default extension added.
TEST(CommonFileDialogs, SaveDialogTypedByAUserAddsTheExtensionInTheStartFolder)
{
    TempFolder folder;
    FileDialogRequest request;
    request.filter = L"dnp Profile Files (*.dnp)|*.dnp||";
    request.defaultExtension = L"dnp";
    request.folder = folder.Path();

    CXInputScript script;
    script.Then([] { return OpenDialog() != nullptr; },
                [] { return L"windowfocus --sync " + CXInputScript::XWindowOf(OpenDialog()); })
        .Then([] { return GetForegroundWindow() == OpenDialog(); }, L"type exported")
        .Then([] { return FocusText() == L"exported"; }, L"key Return");
    script.Start();
    const std::optional<std::wstring> chosen = CCommonFileDialogs().ChooseFileToSave(request);
    script.Stop();

    ASSERT_TRUE(script.Finished()) << std::string(script.Failure().begin(), script.Failure().end());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, request.folder + L"exported.dnp");
}

TEST(CommonFileDialogs, CancelAnswersNothing)
{
    CXInputScript script;
    script.Then([] { return OpenDialog() != nullptr; },
                [] { return L"windowfocus --sync " + CXInputScript::XWindowOf(OpenDialog()); })
        .Then([] { return GetForegroundWindow() == OpenDialog(); }, L"key Escape");
    script.Start();
    FileDialogRequest request;
    request.filter = L"*.exe|*.exe||";
    EXPECT_FALSE(CCommonFileDialogs().ChooseFileToOpen(request).has_value());
    script.Stop();
    EXPECT_TRUE(script.Finished());
}

}  // namespace
