#pragma once

#include <cstdint>

// The words of the device interface that its callers use: which parts a transfer carries, in
// which direction, and the product ids the device object tells apart.

// Transfer flags, one bit per part of the configuration. The main window's dirty mask is a set
// of them, so both are TransferFlags.
using TransferFlags = uint32_t;

namespace TransferFlag {
inline constexpr TransferFlags kButtons = 0x01;
inline constexpr TransferFlags kLights = 0x02;
inline constexpr TransferFlags kResolution = 0x04;  // resolution and sensitivity
inline constexpr TransferFlags kMacros = 0x08;
inline constexpr TransferFlags kPollingRate = 0x10;
inline constexpr TransferFlags kAcceleration = 0x20;
inline constexpr TransferFlags kZones = 0x40;  // colour zones, only on devices that have them
inline constexpr TransferFlags kProfileParts = 0x07;
inline constexpr TransferFlags kAll = 0x7F;
}  // namespace TransferFlag

// Which way a transfer goes; the values are those of the interface.
enum class TransferDirection : int32_t
{
    Write = 0,  // configuration -> device, on a worker thread
    Read = 1,   // device -> configuration, at once
};

namespace ProductId {
// The Dunmo Peraxil 1800, the mouse this program configures.
inline constexpr uint32_t kPeraxil1800 = 0x0020;
// A device with colour zones: only for it does a transfer carry TransferFlag::kZones.
inline constexpr uint32_t kWithColourZones = 25;
}  // namespace ProductId
