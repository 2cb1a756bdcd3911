// The yardstick of the start-up measurement: a plain Win32 dialog of the main window's size that
// writes the same kind of trace line once its first paint is complete.
#include <windows.h>

namespace {

constexpr int kTemplate = 100;
constexpr UINT_PTR kPaintedTimer = 2;
bool paintedOnce = false;

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG: return TRUE;
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (!paintedOnce)
        {
            paintedOnce = true;
            // Timer messages come only when no paint is pending.
            SetTimer(window, kPaintedTimer, 0, nullptr);
        }
        return TRUE;
    }
    case WM_TIMER:
        if (wParam == kPaintedTimer)
        {
            KillTimer(window, kPaintedTimer);
            OutputDebugStringW(L"EmptyDialog: main window painted\n");
        }
        return TRUE;
    case WM_CLOSE: EndDialog(window, IDCANCEL); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
            EndDialog(window, LOWORD(wParam));
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kTemplate), nullptr, &DialogProc, 0);
    return 0;
}
