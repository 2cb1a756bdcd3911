#include "config/AssignmentTables.h"

#include <algorithm>

namespace AssignmentTables {
namespace {

constexpr std::wstring_view kFunctionNameKeys[] = {
    L"$click", L"$menu", L"$universalscrolling", L"$Double-Click", L"$SingleKey", L"$macro", L"$macro",
    L"$buttonoff", L"$advanced", L"$on-the-flysensitivity", L"$button4", L"$button5",
    L"$SensitivityStageUp", L"$SensitivityStageDown", L"$SensitivityStages", L"$dpistage1", L"$dpistage2",
    L"$dpistage3", L"$dpistage4", L"$dpistage5", L"$profile", L"$profile", L"$profileup", L"$profiledown",
    L"$profile1", L"$profile2", L"$profile3", L"$profile4", L"$profile5", L"$play", L"$stop", L"$Backward",
    L"$Forward", L"$pause", L"$volumeup", L"$volumedown", L"$mute", L"$skipback", L"$skipforward",
    L"$scrollup", L"$scrolldown", L"$cut", L"$copy", L"$paste", L"$undo", L"$all", L"$find", L"$new",
    L"$print", L"$save", L"$swapwindows", L"$closewindow", L"$lockpc", L"$openexplorer", L"$run",
    L"$showdesktop", L"$zoomin", L"$zoomout", L"$dpisetting", L"$profilesetting", L"$selectfun",
    L"$launchprogram",
};
static_assert(std::size(kFunctionNameKeys) == FunctionCode::kLast + 1);

constexpr std::wstring_view kButtonNameKeys[] = {
    L"<null>", L"$LeftButton", L"$RightButton", L"$Wheel", L"$RightSideButton1", L"$RightSideButton2",
    L"$LeftSideButton1", L"$LeftSideButton2", L"$CenterButton1", L"$CenterButton2", L"$ScrollUp",
    L"$ScrollDown", L"$ThumbGrid1", L"$ThumbGrid2", L"$ThumbGrid3", L"$ThumbGrid4", L"$ThumbGrid5",
    L"$ThumbGrid6", L"$ThumbGrid7", L"$ThumbGrid8", L"$ThumbGrid9", L"$ThumbGrid10", L"$ThumbGrid11",
    L"$ThumbGrid12", L"", L"$Button4", L"$Button5",
};

constexpr int32_t kWheelFunctions[] = {FunctionCode::kMacro, FunctionCode::kScrollUp, FunctionCode::kScrollDown,
                                       FunctionCode::kButtonOff};
constexpr int32_t kGeneralFunctions[] = {
    FunctionCode::kClick,    FunctionCode::kMenu,    FunctionCode::kUniversalScrolling, FunctionCode::kDoubleClick,
    FunctionCode::kMacro,    FunctionCode::kForward, FunctionCode::kBackward,  FunctionCode::kOnTheFlySensitivity,
    FunctionCode::kSingleKey, FunctionCode::kProfile, FunctionCode::kScrollUp, FunctionCode::kScrollDown,
    FunctionCode::kButtonOff,
};

}  // namespace

std::wstring_view FunctionNameKey(int32_t code) noexcept
{
    return (code >= 0 && code <= FunctionCode::kLast) ? kFunctionNameKeys[code] : std::wstring_view{};
}

std::wstring_view ButtonNameKey(int32_t button) noexcept
{
    return (button >= 0 && button < static_cast<int32_t>(std::size(kButtonNameKeys))) ? kButtonNameKeys[button]
                                                                                      : std::wstring_view{};
}

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
