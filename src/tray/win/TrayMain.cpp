#include <windows.h>

#include "tray/win/CTrayApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    CTrayApp application(instance);
    return application.Run();
}
