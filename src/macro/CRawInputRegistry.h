#pragma once

#include <cstdint>
#include <vector>

#include "macro/IRawInputDevices.h"

// The program's one registration of raw input, shared by whoever captures keys or records
// macros: a list of generic-desktop usages, registered for one window at a time. A second
// registration is refused until the first is taken back, so two users never steal each
// other's input unnoticed; a user that must have the input takes the registration back first.
class CRawInputRegistry
{
public:
    static constexpr uint16_t kGenericDesktop = 1;
    static constexpr uint16_t kUsageMouse = 2;
    static constexpr uint16_t kUsageKeyboard = 6;
    // Registration flags (RIDEV_INPUTSINK, RIDEV_NOLEGACY, RIDEV_REMOVE).
    static constexpr uint32_t kFlagInputSink = 0x100;
    static constexpr uint32_t kFlagNoLegacy = 0x30;
    static constexpr uint32_t kFlagRemove = 0x1;

    explicit CRawInputRegistry(IRawInputDevices& devices) noexcept : m_devices(devices) {}
    CRawInputRegistry(const CRawInputRegistry&) = delete;
    CRawInputRegistry& operator=(const CRawInputRegistry&) = delete;

    // Appends a usage unless it is listed already.
    void AddUsage(uint16_t usage);
    // Registers every listed usage for `window`: the mouse as an input sink, every other usage
    // as an input sink without the legacy messages. Refused while registered, for a null window
    // and for an empty list; a registration the system refuses leaves nothing registered.
    [[nodiscard]] bool Register(uintptr_t window);
    // Takes the registration back (when there is one) and empties the usage list.
    void Unregister();

    [[nodiscard]] bool IsRegistered() const noexcept { return !m_records.empty(); }
    // The window the registration reports to; 0 when there is none.
    [[nodiscard]] uintptr_t Target() const noexcept;
    [[nodiscard]] const std::vector<uint16_t>& Usages() const noexcept { return m_usages; }

private:
    IRawInputDevices& m_devices;
    std::vector<uint16_t> m_usages;
    std::vector<RawInputDevice> m_records;
};
