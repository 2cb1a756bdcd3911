#pragma once

#include <windows.h>

#include <optional>

#include "macro/CRawInputRegistry.h"
#include "macro/IRawInputDevices.h"
#include "macro/RawKeyboard.h"

// Raw input through user32: registrations with RegisterRawInputDevices, and the keyboard
// records of WM_INPUT read with GetRawInputData.
class CWinRawInputDevices final : public IRawInputDevices
{
public:
    // The program's one registry (the single-key field and macro recording share it).
    [[nodiscard]] static CRawInputRegistry& ProgramRegistry();

    // The keyboard record a WM_INPUT message (its lParam) carries; nothing for another device
    // or when the record cannot be read.
    [[nodiscard]] static std::optional<RawKeyboard> ReadKeyboard(LPARAM input);

    [[nodiscard]] bool RegisterDevices(std::span<const RawInputDevice> devices) override;
};
