#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What the simulated device is and what it accepts. Every limit of the stored model and of
// the files lives here, so the store, the exchange files and the interface checks agree.
namespace sim {

// --- the device ------------------------------------------------------------------------------
inline constexpr uint32_t kMouseProductId = 0x0020;
inline constexpr uint32_t kZoneProductId = 25;  // the one product with colour zones
inline constexpr uint32_t kMaxProductId = 0xFFFF;
inline constexpr uint32_t kVersionAMajor = 2;  // secondary version, 2.03
inline constexpr uint32_t kVersionAMinor = 3;
inline constexpr uint32_t kVersionBMajor = 1;  // firmware version, 1.07
inline constexpr uint32_t kVersionBMinor = 7;

// Device button indices that take records: 1-5 and 8-23 (bit n-1 for index n).
inline constexpr uint32_t kButtonMask = 0x7FFF9F;
inline constexpr uint32_t kButtonCount = 21;
inline constexpr uint32_t kMaxButtonIndex = 23;

inline constexpr std::array<uint32_t, 3> kReportIntervals = {1, 2, 8};  // milliseconds
inline constexpr int32_t kMinAccelerationLevel = 1;
inline constexpr int32_t kMaxAccelerationLevel = 10;

inline constexpr uint32_t kMinResolution = 100;
inline constexpr uint32_t kMaxResolution = 1800;
inline constexpr uint32_t kMinSensitivity = 1;  // per-mille of the resolution
inline constexpr uint32_t kMaxSensitivity = 1000;

// One light of each type per profile, in this order.
inline constexpr std::array<uint32_t, 2> kLightTypes = {1, 4};

// --- stored items ----------------------------------------------------------------------------
inline constexpr size_t kMaxProfiles = 10;
inline constexpr size_t kMaxMacros = 100;
inline constexpr size_t kMaxZones = 16;
inline constexpr size_t kMaxNameUnits = 255;             // UTF-16 units, without the terminator
inline constexpr uint32_t kApplicationPathBytes = 256;   // 128 UTF-16 units with the terminator
inline constexpr size_t kMaxApplicationPathUnits = kApplicationPathBytes / 2 - 1;
inline constexpr uint32_t kSwitchBits = 0x7;             // switches 1, 2 and 3 as bits 1, 2, 4
inline constexpr uint32_t kSwitchWriteBytes = 4;         // u16 mask, u16 value
inline constexpr uint32_t kSwitchReadBytes = 2;          // u16 bits
inline constexpr uint32_t kMaxMacroEvents = 2000;
inline constexpr uint32_t kMaxZoneColour = 0xFFFFFF;

// --- files -----------------------------------------------------------------------------------
inline constexpr size_t kMaxStoreBytes = 4u << 20;     // far above the largest valid store
inline constexpr size_t kMaxExchangeBytes = 64u << 10;  // one profile or one macro

}  // namespace sim
