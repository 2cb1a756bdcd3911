#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "SimModel.h"

// The simulator's binary files: a device's store and the exported profile and macro files.
// All share one 24-byte header (magic, kind, version, sizes, CRC-32 of the payload); every
// field of a payload is checked on reading, and a file that fails any check is refused whole.
// docs/simulator.md describes the layout byte by byte.
namespace sim {

enum class FileKind : uint16_t
{
    Store = 1,
    Profile = 2,
    Macro = 3,
};

inline constexpr char kFileMagic[4] = {'P', 'X', 'S', 'M'};
inline constexpr uint16_t kFormatVersion = 1;
inline constexpr uint32_t kHeaderBytes = 24;
inline constexpr uint32_t kNoActiveProfile = 0xFFFFFFFF;

enum class FileProblem
{
    None,
    TooLarge,
    Truncated,        // shorter than the header or than the payload it announces
    BadMagic,
    WrongKind,
    UnsupportedVersion,
    BadHeader,        // header size or reserved field wrong
    TrailingBytes,    // longer than the payload it announces
    ChecksumMismatch,
    BadPayload,       // a field out of range, a count past its limit, a duplicate id
};

[[nodiscard]] std::string_view ProblemText(FileProblem problem) noexcept;

[[nodiscard]] std::string EncodeStore(const DeviceModel& model);
// Zone serials are assigned afresh.
[[nodiscard]] FileProblem DecodeStore(std::string_view bytes, DeviceModel& model);

[[nodiscard]] std::string EncodeProfile(const StoredProfile& profile);
[[nodiscard]] FileProblem DecodeProfile(std::string_view bytes, StoredProfile& profile);

[[nodiscard]] std::string EncodeMacro(const StoredMacro& macro);
[[nodiscard]] FileProblem DecodeMacro(std::string_view bytes, StoredMacro& macro);

}  // namespace sim
