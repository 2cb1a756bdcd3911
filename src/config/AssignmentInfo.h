#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/Guid.h"
#include "vocabulary/FunctionCodes.h"
#include "vocabulary/KeyFlags.h"

// What a button or keypad key does: a function code and an 80-byte parameter block whose
// meaning depends on the code. Bytes a code does not use are zero, so records compare and copy
// as plain bytes. Names in the block are UTF-16 on every platform.
struct AssignmentInfo
{
    static constexpr size_t kParameterBytes = 80;
    // A by-name reference holds at most this many characters plus a terminator.
    static constexpr size_t kMaxReferenceNameLength = 38;

    int32_t functionCode = FunctionCode::kUnassigned;
    uint8_t parameters[kParameterBytes] = {};

    [[nodiscard]] static AssignmentInfo Function(int32_t code) noexcept;
    [[nodiscard]] static AssignmentInfo SingleKey(uint16_t scanCode, uint16_t virtualKey, uint8_t flags) noexcept;
    [[nodiscard]] static AssignmentInfo Macro(const Guid& macro) noexcept;
    [[nodiscard]] static AssignmentInfo Profile(const Guid& profile) noexcept;
    // A name longer than kMaxReferenceNameLength is cut; FitsReferenceName tells beforehand.
    [[nodiscard]] static AssignmentInfo MacroByName(std::wstring_view name) noexcept;
    [[nodiscard]] static AssignmentInfo ProfileByName(std::wstring_view name) noexcept;
    [[nodiscard]] static bool FitsReferenceName(std::wstring_view name);

    [[nodiscard]] uint16_t KeyScanCode() const noexcept;
    [[nodiscard]] uint16_t KeyVirtualKey() const noexcept;
    [[nodiscard]] uint8_t KeyFlags() const noexcept { return parameters[4]; }
    [[nodiscard]] Guid ReferenceGuid() const noexcept;
    [[nodiscard]] std::wstring ReferenceName() const;

    friend bool operator==(const AssignmentInfo& a, const AssignmentInfo& b) noexcept
    {
        return a.functionCode == b.functionCode && std::memcmp(a.parameters, b.parameters, kParameterBytes) == 0;
    }
};

static_assert(sizeof(AssignmentInfo) == 84, "the assignment record is a 32-bit code and 80 bytes");
