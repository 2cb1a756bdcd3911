#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "config/AssignmentInfo.h"
#include "device/service/ComPtr.h"
#include "device/service/MouseService.h"
#include "macro/MacroEvent.h"

// How the configuration's model and the device service's records describe the same settings:
// the button, assignment and raw mouse-code tables, the 32-byte button records, the macro event
// blocks, and the arithmetic of sensitivity and report intervals. Pure functions; the device
// session applies them.
namespace DeviceTranslation {

inline constexpr int32_t kLastButtonId = 26;

// Device button index of a configuration button id; 0 when the device has no such button.
[[nodiscard]] uint32_t DeviceButtonIndex(int32_t buttonId) noexcept;
// The device's bit for an index (index 0 has none).
[[nodiscard]] constexpr uint32_t DeviceButtonBit(uint32_t index) noexcept { return index == 0 ? 0 : 1u << (index - 1); }
// The first button id (rising) whose device bit is `bit`; 0 when none.
[[nodiscard]] int32_t ButtonIdForBit(uint32_t bit) noexcept;
// The first button id (rising) whose device index is `index`; 0 when none.
[[nodiscard]] int32_t ButtonIdForIndex(uint32_t index) noexcept;

// The assignable buttons from the capability mask: in rising order, each set bit from 0x1 to
// 0x400000 until `count` entries are filled; the rest stay 0.
[[nodiscard]] std::vector<uint32_t> AssignableButtons(uint32_t count, uint32_t mask);

// Record kinds.
inline constexpr uint32_t kKindMouse = 1;
inline constexpr uint32_t kKindMacro = 2;
inline constexpr uint32_t kKindProfile = 3;
inline constexpr uint32_t kKindSensitivity = 4;
inline constexpr uint32_t kKindKey = 5;
inline constexpr uint32_t kKindAdvanced = 6;

// The record template of an assignment code; all zero (kind 0) for a code the device lacks.
[[nodiscard]] svc::ButtonRecord RecordTemplate(int32_t code) noexcept;

// A button's assignment as the record written to the device. Codes 6 and 21 must already be
// turned into 5 and 20 by the caller, which knows the ids.
[[nodiscard]] svc::ButtonRecord RecordFromAssignment(uint32_t deviceIndex, const AssignmentInfo& info) noexcept;

// The assignment a stored record describes: code -1 when no template matches.
[[nodiscard]] AssignmentInfo AssignmentFromRecord(const svc::ButtonRecord& record) noexcept;

// Raw mouse codes of macro entries; nullopt when the pair has no code.
[[nodiscard]] std::optional<uint16_t> RawMouseCode(int32_t button, uint8_t state) noexcept;
[[nodiscard]] bool MouseEventForRawCode(uint16_t code, int32_t& button, uint8_t& state) noexcept;

// Macro events to and from the service's blocks. A block of n entries is allocated with the
// task allocator (8 n + 16 bytes); null for no events or no memory.
[[nodiscard]] svc::TaskMemPtr<svc::MacroEventBlock> BuildEventBlock(const std::vector<MacroEvent>& events);
// Reads at most `maxEntries` entries; entries of unknown types are dropped.
[[nodiscard]] std::vector<MacroEvent> EventsFromBlock(const svc::MacroEventBlock& block, uint32_t maxEntries);
[[nodiscard]] svc::MacroEventEntry EntryFromEvent(const MacroEvent& event) noexcept;
[[nodiscard]] std::optional<MacroEvent> EventFromEntry(const svc::MacroEventEntry& entry) noexcept;

struct SensitivityRange
{
    uint32_t min = 0;
    uint32_t max = 0;
    uint32_t step = 0;
};
// 800 gives (110, 800, 10), 1800 gives (220, 1800, 20), anything else zeros.
[[nodiscard]] SensitivityRange SensitivityRangeFor(int32_t resolution) noexcept;
// Sensitivity in per-mille of the resolution, truncated; 0 when the resolution is not positive.
[[nodiscard]] uint32_t SensitivityToPerMille(int32_t sensitivity, int32_t resolution) noexcept;
// Per-mille back to a sensitivity, truncated and raised to the range's minimum.
[[nodiscard]] int32_t SensitivityFromPerMille(uint32_t perMille, int32_t resolution) noexcept;
// A sensitivity read back, moved to the nearest step of the resolution's range. Per-mille is
// coarser than one unit at 1800 and truncated both ways, so 1000 would come back as 999 and 130
// at 800 as 129: values the sliders cannot show and the user never set. Unchanged without a range.
[[nodiscard]] int32_t SensitivityOnStep(int32_t sensitivity, int32_t resolution) noexcept;

// Polling-rate choices (0 = 125 Hz, 1 = 500 Hz, 2 = 1000 Hz) and report intervals in ms.
inline constexpr int32_t kUnknownRateChoice = 255;
[[nodiscard]] std::optional<uint32_t> IntervalForChoice(int32_t choice) noexcept;
[[nodiscard]] int32_t ChoiceForInterval(uint32_t milliseconds) noexcept;

}  // namespace DeviceTranslation
