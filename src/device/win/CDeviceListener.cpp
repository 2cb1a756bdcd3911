#include "device/win/CDeviceListener.h"

#include <dbt.h>

#include "device/DevicePath.h"

namespace {

// The HID device-interface class.
constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
// The filter ends before the path: only the class is matched.
constexpr DWORD kFilterSize = 32;

}  // namespace

CDeviceListener::~CDeviceListener()
{
    while (!m_registrations.empty()) {
        UnregisterDeviceNotification(m_registrations.back());
        m_registrations.pop_back();
    }
}

bool CDeviceListener::Register(HWND window)
{
    if (window == nullptr)
        return false;
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = kFilterSize;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    HDEVNOTIFY registration = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (registration == nullptr)
        return false;
    m_registrations.push_back(registration);
    return true;
}

uint32_t CDeviceListener::ParseHexAfter(const wchar_t* path, const wchar_t* marker)
{
    if (path == nullptr || marker == nullptr)
        return 0;
    return DevicePath::ParseHexAfter(path, marker);
}
