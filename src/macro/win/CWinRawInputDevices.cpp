#include "macro/win/CWinRawInputDevices.h"

#include <vector>

#include "macro/win/WinKeyInput.h"

CRawInputRegistry& CWinRawInputDevices::ProgramRegistry()
{
    static CWinRawInputDevices devices;
    static CRawInputRegistry registry(devices);
    return registry;
}

std::optional<RawKeyboard> CWinRawInputDevices::ReadKeyboard(LPARAM input)
{
    const auto handle = reinterpret_cast<HRAWINPUT>(input);
    // The header size is the platform's own: 24 bytes in a 64-bit program.
    constexpr UINT kHeaderSize = sizeof(RAWINPUTHEADER);
    UINT size = 0;
    if (GetRawInputData(handle, RID_INPUT, nullptr, &size, kHeaderSize) != 0 || size < sizeof(RAWINPUTHEADER))
        return std::nullopt;
    // The record goes into a buffer of the announced size, aligned for the record's fields.
    std::vector<RAWINPUT> buffer((size + sizeof(RAWINPUT) - 1) / sizeof(RAWINPUT));
    UINT read = size;
    if (GetRawInputData(handle, RID_INPUT, buffer.data(), &read, kHeaderSize) != size)
        return std::nullopt;
    const RAWINPUT& record = buffer.front();
    if (record.header.dwType != RIM_TYPEKEYBOARD || size < offsetof(RAWINPUT, data) + sizeof(RAWKEYBOARD))
        return std::nullopt;
    return ToRawKeyboard(record.data.keyboard);
}

bool CWinRawInputDevices::RegisterDevices(std::span<const RawInputDevice> devices)
{
    std::vector<RAWINPUTDEVICE> records;
    records.reserve(devices.size());
    for (const RawInputDevice& device : devices)
        records.push_back(RAWINPUTDEVICE{device.usagePage, device.usage, device.flags,
                                         reinterpret_cast<HWND>(device.target)});
    return RegisterRawInputDevices(records.data(), static_cast<UINT>(records.size()), sizeof(RAWINPUTDEVICE)) != FALSE;
}
