#include "config/AssignmentTables.h"

#include <algorithm>

namespace AssignmentTables {
namespace {

constexpr int32_t kWheelFunctions[] = {FunctionCode::kMacro, FunctionCode::kScrollUp, FunctionCode::kScrollDown,
                                       FunctionCode::kButtonOff};
constexpr int32_t kGeneralFunctions[] = {
    FunctionCode::kClick,    FunctionCode::kMenu,    FunctionCode::kUniversalScrolling, FunctionCode::kDoubleClick,
    FunctionCode::kMacro,    FunctionCode::kForward, FunctionCode::kBackward,  FunctionCode::kOnTheFlySensitivity,
    FunctionCode::kSingleKey, FunctionCode::kProfile, FunctionCode::kScrollUp, FunctionCode::kScrollDown,
    FunctionCode::kButtonOff,
};

}  // namespace

std::span<const int32_t> AllowedFunctions(int32_t button) noexcept
{
    if (button == kButtonScrollUp || button == kButtonScrollDown)
        return kWheelFunctions;
    return kGeneralFunctions;
}

bool IsFunctionAllowed(int32_t code, int32_t button) noexcept
{
    if (code == FunctionCode::kMacroByName)
        code = FunctionCode::kMacro;
    else if (code == FunctionCode::kProfileByName)
        code = FunctionCode::kProfile;
    const auto allowed = AllowedFunctions(button);
    return std::find(allowed.begin(), allowed.end(), code) != allowed.end();
}

const std::vector<std::pair<int32_t, AssignmentInfo>>& DefaultButtonAssignments()
{
    static const std::vector<std::pair<int32_t, AssignmentInfo>> defaults = {
        {kButtonLeft, AssignmentInfo::Function(FunctionCode::kClick)},
        {kButtonRight, AssignmentInfo::Function(FunctionCode::kMenu)},
        {kButtonWheel, AssignmentInfo::Function(FunctionCode::kUniversalScrolling)},
        {kButtonScrollUp, AssignmentInfo::Function(FunctionCode::kScrollUp)},
        {kButtonScrollDown, AssignmentInfo::Function(FunctionCode::kScrollDown)},
    };
    return defaults;
}

const std::vector<std::pair<uint32_t, AssignmentInfo>>& DefaultKeyAssignments()
{
    static const std::vector<std::pair<uint32_t, AssignmentInfo>> defaults = [] {
        std::vector<std::pair<uint32_t, AssignmentInfo>> table;
        for (uint32_t key : kKeypadKeys)
            table.emplace_back(key, AssignmentInfo::SingleKey(static_cast<uint16_t>(key), 0, 0));
        return table;
    }();
    return defaults;
}

AssignmentInfo DefaultButtonAssignment(int32_t button)
{
    for (const auto& [number, info] : DefaultButtonAssignments()) {
        if (number == button)
            return info;
    }
    return {};
}

AssignmentInfo DefaultKeyAssignment(uint32_t key)
{
    for (const auto& [code, info] : DefaultKeyAssignments()) {
        if (code == key)
            return info;
    }
    return {};
}

}  // namespace AssignmentTables
