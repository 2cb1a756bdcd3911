#include <windows.h>

#include "VantixApp/CVantixApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    CVantixApp application(instance);
    application.InitInstance();
    return 0;
}
