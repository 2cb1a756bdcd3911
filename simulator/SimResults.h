#pragma once

#include "device/service/ServiceTypes.h"

// Failure results particular to the simulated service, each the HRESULT of the Win32 error that
// names the cause, so a trace shows why a call failed.
namespace sim {

// ERROR_FILE_CORRUPT: the device's store failed its checks; the device stays unusable.
inline constexpr svc::HRESULT kStoreDamaged = static_cast<svc::HRESULT>(0x80070570u);
// ERROR_WRITE_FAULT: the store could not be written; nothing was changed.
inline constexpr svc::HRESULT kStoreWriteFailed = static_cast<svc::HRESULT>(0x8007001Du);
// ERROR_NOT_ENOUGH_QUOTA: a store limit (profiles, macros, zones) is reached.
inline constexpr svc::HRESULT kLimitReached = static_cast<svc::HRESULT>(0x80070718u);
// ERROR_NOT_FOUND: the stored item an object stands for was removed, or an id is unknown.
inline constexpr svc::HRESULT kNotFound = static_cast<svc::HRESULT>(0x80070490u);
// ERROR_INVALID_DATA: an imported file is malformed, of the wrong kind or too large.
inline constexpr svc::HRESULT kBadFile = static_cast<svc::HRESULT>(0x8007000Du);
// ERROR_FILE_NOT_FOUND: a file to import cannot be read.
inline constexpr svc::HRESULT kFileNotFound = static_cast<svc::HRESULT>(0x80070002u);
// ERROR_INSUFFICIENT_BUFFER: a value does not fit the caller's buffer.
inline constexpr svc::HRESULT kBufferTooSmall = static_cast<svc::HRESULT>(0x8007007Au);

}  // namespace sim
