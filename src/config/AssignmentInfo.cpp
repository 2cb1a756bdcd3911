#include "config/AssignmentInfo.h"

#include "platform/Utf16.h"

namespace {

constexpr size_t kNameUnits = AssignmentInfo::kMaxReferenceNameLength + 1;

AssignmentInfo WithGuid(int32_t code, const Guid& guid) noexcept
{
    AssignmentInfo info = AssignmentInfo::Function(code);
    std::memcpy(info.parameters, &guid, sizeof(guid));
    return info;
}

AssignmentInfo WithName(int32_t code, std::wstring_view name) noexcept
{
    AssignmentInfo info = AssignmentInfo::Function(code);
    char16_t units[kNameUnits];
    platform::WriteUtf16Buffer(name, units, kNameUnits);
    std::memcpy(info.parameters, units, sizeof(units));
    return info;
}

}  // namespace

AssignmentInfo AssignmentInfo::Function(int32_t code) noexcept
{
    AssignmentInfo info;
    info.functionCode = code;
    return info;
}

AssignmentInfo AssignmentInfo::SingleKey(uint16_t scanCode, uint16_t virtualKey, uint8_t flags) noexcept
{
    AssignmentInfo info = Function(FunctionCode::kSingleKey);
    std::memcpy(info.parameters, &scanCode, sizeof(scanCode));
    std::memcpy(info.parameters + 2, &virtualKey, sizeof(virtualKey));
    info.parameters[4] = flags;
    return info;
}

AssignmentInfo AssignmentInfo::Macro(const Guid& macro) noexcept
{
    return WithGuid(FunctionCode::kMacro, macro);
}

AssignmentInfo AssignmentInfo::Profile(const Guid& profile) noexcept
{
    return WithGuid(FunctionCode::kProfile, profile);
}

AssignmentInfo AssignmentInfo::MacroByName(std::wstring_view name) noexcept
{
    return WithName(FunctionCode::kMacroByName, name);
}

AssignmentInfo AssignmentInfo::ProfileByName(std::wstring_view name) noexcept
{
    return WithName(FunctionCode::kProfileByName, name);
}

bool AssignmentInfo::FitsReferenceName(std::wstring_view name)
{
    return platform::ToUtf16(name).size() <= kMaxReferenceNameLength;
}

uint16_t AssignmentInfo::KeyScanCode() const noexcept
{
    uint16_t value;
    std::memcpy(&value, parameters, sizeof(value));
    return value;
}

uint16_t AssignmentInfo::KeyVirtualKey() const noexcept
{
    uint16_t value;
    std::memcpy(&value, parameters + 2, sizeof(value));
    return value;
}

Guid AssignmentInfo::ReferenceGuid() const noexcept
{
    Guid guid;
    std::memcpy(&guid, parameters, sizeof(guid));
    return guid;
}

std::wstring AssignmentInfo::ReferenceName() const
{
    char16_t units[kNameUnits];
    std::memcpy(units, parameters, sizeof(units));
    return platform::ReadUtf16Buffer(units, kNameUnits);
}
