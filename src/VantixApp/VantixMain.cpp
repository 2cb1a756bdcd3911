#include <windows.h>

#include "VantixApp/CVantixApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    CVantixApp application(instance);
    (void)application.InitInstance();
    return application.ExitStatus();
}
