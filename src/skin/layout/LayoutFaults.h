#pragma once

#include <optional>
#include <span>
#include <string>

#include "skin/layout/ItemDescriptions.h"

// What a layout read refused, judged for a window made from it: a window whose layout, or one
// of whose pictures, could not be read lacks its look or its items and cannot be shown; a font
// or language file that did not load only changes how texts look.
namespace LayoutFaults {

[[nodiscard]] bool PreventsWindow(const LayoutProblem& problem) noexcept;
// The first problem that prevents the window; nullopt when the window can be shown.
[[nodiscard]] std::optional<LayoutProblem> FirstPreventing(std::span<const LayoutProblem> problems);
// One line a developer reads: the file and what was wrong with it, in English.
[[nodiscard]] std::wstring Describe(const LayoutProblem& problem);

}  // namespace LayoutFaults
