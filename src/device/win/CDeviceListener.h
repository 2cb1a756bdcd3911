#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Subscribes windows to the operating system's notices about HID device interfaces arriving
// and going away, and owns the subscriptions: they end, the last first, when the listener goes.
class CDeviceListener
{
public:
    CDeviceListener() = default;
    CDeviceListener(const CDeviceListener&) = delete;
    CDeviceListener& operator=(const CDeviceListener&) = delete;
    virtual ~CDeviceListener();

    // Notices go to `window` as WM_DEVICECHANGE; a null window or a refused subscription adds
    // nothing.
    bool Register(HWND window);
    [[nodiscard]] size_t RegistrationCount() const noexcept { return m_registrations.size(); }

    // The number after `marker` in a device path (see DevicePath.h); 0 for a null path or marker.
    [[nodiscard]] static uint32_t ParseHexAfter(const wchar_t* path, const wchar_t* marker);

private:
    std::vector<HDEVNOTIFY> m_registrations;
};
