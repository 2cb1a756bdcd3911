#pragma once

#include <cstdint>

// Key flags of a single-key assignment (and of key records in general).
inline constexpr uint8_t kKeyFlagExtended = 0x01;
inline constexpr uint8_t kKeyFlagAlt = 0x02;
inline constexpr uint8_t kKeyFlagCtrl = 0x04;
inline constexpr uint8_t kKeyFlagShift = 0x08;
