#include "controls/core/ListRows.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace ListRows {

bool WantsScrollBar(int listHeight, size_t entryCount, int scrollBarWidth) noexcept
{
    const int fitting = std::max(0, listHeight / kScrollRowHeight);
    return static_cast<size_t>(fitting) < entryCount && entryCount >= kMinEntriesForScrollBar && scrollBarWidth > 0;
}

std::vector<size_t> Order(const std::vector<std::wstring>& texts, bool sorted)
{
    std::vector<size_t> rows(texts.size());
    for (size_t index = 0; index < rows.size(); ++index)
        rows[index] = index;
    if (!sorted)
        return rows;
    std::vector<std::wstring> folded;
    folded.reserve(texts.size());
    for (const std::wstring& text : texts)
        folded.push_back(platform::FoldCase(text));
    std::stable_sort(rows.begin(), rows.end(), [&folded](size_t a, size_t b) { return folded[a] < folded[b]; });
    return rows;
}

int VisibleRows(int listHeight, int lineHeight) noexcept
{
    return lineHeight > 0 ? std::max(1, listHeight / lineHeight) : 1;
}

int RowAt(int y, int lineHeight, int topRow, int rowCount) noexcept
{
    if (y < 0 || lineHeight <= 0)
        return -1;
    const int row = topRow + y / lineHeight;
    return row < rowCount ? row : -1;
}

int ClampTop(int top, int rowCount, int visibleRows) noexcept
{
    return std::clamp(top, 0, std::max(0, rowCount - visibleRows));
}

int TopShowing(int row, int top, int visibleRows) noexcept
{
    if (row < top)
        return row;
    if (row >= top + visibleRows)
        return row - visibleRows + 1;
    return top;
}

PixelRect CascadePlace(const PixelRect& row, int width, int height, const PixelRect& workArea) noexcept
{
    int left = row.right;
    if (left + width > workArea.right && row.left - width >= workArea.left)
        left = row.left - width;
    int top = row.top;
    if (top + height > workArea.bottom)
        top = std::max(workArea.top, workArea.bottom - height);
    return PixelRect{left, top, left + width, top + height};
}

}  // namespace ListRows
