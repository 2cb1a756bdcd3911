#include "vocabulary/NameKeys.h"

#include <iterator>

#include "vocabulary/FunctionCodes.h"

namespace NameKeys {
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

}  // namespace NameKeys
