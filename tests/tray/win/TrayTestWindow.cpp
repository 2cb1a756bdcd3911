// A plain program window for the tray companion's tests: copied under the name of a program a
// profile is tied to, started, and clicked to bring it to the front.
//   TrayTestWindow.exe <title> <x> <y>
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 4)
        return 2;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(0x30, 0x50, 0x90));
    windowClass.lpszClassName = L"TrayTestWindow";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, arguments[1], WS_POPUP | WS_BORDER | WS_VISIBLE,
                        _wtoi(arguments[2]), _wtoi(arguments[3]), 300, 200, nullptr, nullptr, instance, nullptr);
    LocalFree(arguments);
    if (window == nullptr)
        return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
