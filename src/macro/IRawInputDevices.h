#pragma once

#include <cstdint>
#include <span>

// One registration record of raw input: which device (usage page and usage) reports to which
// window, with the platform's registration flags (RAWINPUTDEVICE's fields).
struct RawInputDevice
{
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint32_t flags = 0;
    uintptr_t target = 0;  // a window handle; 0 for none

    friend bool operator==(const RawInputDevice&, const RawInputDevice&) = default;
};

// The system call that registers raw input (RegisterRawInputDevices); tests record the calls.
class IRawInputDevices
{
public:
    virtual ~IRawInputDevices() = default;
    [[nodiscard]] virtual bool RegisterDevices(std::span<const RawInputDevice> devices) = 0;

protected:
    IRawInputDevices() = default;
    IRawInputDevices(const IRawInputDevices&) = default;
    IRawInputDevices& operator=(const IRawInputDevices&) = default;
};
