#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "controls/core/PixelRect.h"

// The arithmetic of the pop-up list's rows: their order, which row lies under a point, how far
// the list scrolls, whether it gets a scroll bar, and where a cascaded sub-list opens.
namespace ListRows {

// A list gets the drawn scroll bar (and scrolls) only when its entries do not fit in rows of
// this height, there are at least kMinEntriesForScrollBar of them and the layout gives the bar
// a width.
inline constexpr int kScrollRowHeight = 18;
inline constexpr size_t kMinEntriesForScrollBar = 6;

[[nodiscard]] bool WantsScrollBar(int listHeight, size_t entryCount, int scrollBarWidth) noexcept;

// The entry shown in each row: the given order, or sorted by text ignoring case (equal texts
// keep their order).
[[nodiscard]] std::vector<size_t> Order(const std::vector<std::wstring>& texts, bool sorted);

// Whole rows of `lineHeight` that fit in `listHeight`; at least 1.
[[nodiscard]] int VisibleRows(int listHeight, int lineHeight) noexcept;
// The row at `y` of a list showing `topRow` first; -1 above the list or below its last row.
[[nodiscard]] int RowAt(int y, int lineHeight, int topRow, int rowCount) noexcept;
// `top` kept between the first row and the last top that still fills the list.
[[nodiscard]] int ClampTop(int top, int rowCount, int visibleRows) noexcept;
// The top row that shows `row` with the least scrolling from `top`.
[[nodiscard]] int TopShowing(int row, int top, int visibleRows) noexcept;

// Where a cascaded sub-list of `width` x `height` opens for a row: at the row's right edge and
// top; where that leaves the screen's work area, at the row's left edge going left, and moved
// up to end at the work area's bottom.
[[nodiscard]] PixelRect CascadePlace(const PixelRect& row, int width, int height, const PixelRect& workArea) noexcept;

}  // namespace ListRows
