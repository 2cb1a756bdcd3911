#include "controls/core/CReportListModel.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace {

constexpr int32_t kLastColumnType = static_cast<int32_t>(CReportListModel::ColumnType::FileDialog);

bool ShowsText(CReportListModel::ColumnType type) noexcept
{
    using Type = CReportListModel::ColumnType;
    return type == Type::Static || type == Type::Edit || type == Type::Combo || type == Type::FileDialog;
}

}  // namespace

int CReportListModel::AddColumn(int32_t code, int32_t type, bool exclusive)
{
    if (code == kNoKey || ColumnOf(code) != nullptr || type < 0 || type > kLastColumnType ||
        m_columns.size() >= kMaxColumns)
        return -1;
    Column column;
    column.code = code;
    column.type = static_cast<ColumnType>(type);
    column.exclusive = column.type == ColumnType::CheckBox && exclusive;
    column.position = static_cast<int>(m_columns.size());
    m_columns.push_back(column);
    for (Row& row : m_rows) {
        Cell cell = row.cells.empty() ? Cell{} : Cell{{}, row.cells.front().colours, kNoCheck, false};
        cell.check = column.type == ColumnType::CheckBox ? 0 : kNoCheck;
        cell.hasDropDown = column.type == ColumnType::Combo;
        row.cells.push_back(std::move(cell));
    }
    return column.position;
}

const CReportListModel::Column* CReportListModel::ColumnAt(int position) const noexcept
{
    return position >= 0 && static_cast<size_t>(position) < m_columns.size() ? &m_columns[position] : nullptr;
}

const CReportListModel::Column* CReportListModel::ColumnOf(int32_t code) const noexcept
{
    const auto found = std::find_if(m_columns.begin(), m_columns.end(),
                                    [code](const Column& column) { return column.code == code; });
    return found != m_columns.end() ? &*found : nullptr;
}

int CReportListModel::InsertRow(int position, const Colours& colours)
{
    if (position < 0)
        return -1;
    Row row;
    for (const Column& column : m_columns) {
        Cell cell;
        cell.colours = colours;
        // A new row is unchecked until the page says otherwise; other cells have no check.
        cell.check = column.type == ColumnType::CheckBox ? 0 : kNoCheck;
        cell.hasDropDown = column.type == ColumnType::Combo;
        row.cells.push_back(std::move(cell));
    }
    const size_t index = std::min(static_cast<size_t>(position), m_rows.size());
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
    return static_cast<int>(index);
}

const CReportListModel::Row* CReportListModel::RowAt(int index) const noexcept
{
    return index >= 0 && static_cast<size_t>(index) < m_rows.size() ? &m_rows[index] : nullptr;
}

const CReportListModel::Cell* CReportListModel::CellAt(int index, int position) const noexcept
{
    const Row* row = RowAt(index);
    if (row == nullptr || position < 0 || static_cast<size_t>(position) >= row->cells.size())
        return nullptr;
    return &row->cells[position];
}

CReportListModel::Cell* CReportListModel::MutableCell(int index, int position) noexcept
{
    return const_cast<Cell*>(CellAt(index, position));
}

int CReportListModel::FindRow(int32_t key) const noexcept
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [key](const Row& row) { return row.key == key; });
    return found != m_rows.end() ? static_cast<int>(found - m_rows.begin()) : -1;
}

bool CReportListModel::SetRowKey(int index, int32_t key) noexcept
{
    if (RowAt(index) == nullptr)
        return false;
    m_rows[index].key = key;
    return true;
}

bool CReportListModel::MarkRow(int index, int32_t background, int32_t highlightBackground) noexcept
{
    if (RowAt(index) == nullptr)
        return false;
    for (Cell& cell : m_rows[index].cells)
        cell.colours = Colours{kMarkedTextColour, background, kMarkedTextColour, highlightBackground};
    return true;
}

bool CReportListModel::SetCellText(int32_t code, int32_t key, std::wstring_view text)
{
    const Column* column = ColumnOf(code);
    const int index = FindRow(key);
    return column != nullptr && index >= 0 && SetText(index, column->position, text);
}

bool CReportListModel::SetText(int index, int position, std::wstring_view text)
{
    Cell* cell = MutableCell(index, position);
    if (cell == nullptr)
        return false;
    cell->text.assign(text);
    if (m_sorted && position == SortColumn())
        Sort();
    return true;
}

bool CReportListModel::SetCheck(int32_t code, int32_t key, int value)
{
    const Column* column = ColumnOf(code);
    const int index = FindRow(key);
    if (column == nullptr || column->type != ColumnType::CheckBox || index < 0 || (value != 0 && value != 1))
        return false;
    if (column->exclusive && value == 1) {
        for (Row& row : m_rows)
            row.cells[column->position].check = 0;
    }
    m_rows[index].cells[column->position].check = static_cast<int8_t>(value);
    return true;
}

std::optional<uint8_t> CReportListModel::ClickCheck(int index, int position)
{
    const Column* column = ColumnAt(position);
    Cell* cell = MutableCell(index, position);
    if (column == nullptr || cell == nullptr || column->type != ColumnType::CheckBox)
        return std::nullopt;
    if (!column->exclusive) {
        cell->check = cell->check == 1 ? 0 : 1;
        return static_cast<uint8_t>(cell->check);
    }
    if (cell->check == 1)
        return std::nullopt;
    for (Row& row : m_rows)
        row.cells[position].check = 0;
    cell->check = 1;
    return static_cast<uint8_t>(1);
}

bool CReportListModel::AllChecked(int position) const noexcept
{
    const Column* column = ColumnAt(position);
    if (column == nullptr || column->type != ColumnType::CheckBox || m_rows.empty())
        return false;
    return std::all_of(m_rows.begin(), m_rows.end(), [position](const Row& row) { return row.cells[position].check == 1; });
}

int CReportListModel::ColumnAtX(const std::vector<int>& widths, int x) noexcept
{
    int left = 0;
    for (size_t position = 0; position < widths.size(); ++position) {
        const int right = left + widths[position];
        if (x >= left && x < right)
            return static_cast<int>(position);
        left = right;
    }
    return -1;
}

bool CReportListModel::OnCheckMark(int left, int right, int x) noexcept
{
    const int centre = left + (right - left) / 2;
    return x >= centre - kCheckReach && x <= centre + kCheckReach;
}

bool CReportListModel::OnDropDownButton(int right, int rowHeight, int x) noexcept
{
    return x >= right - rowHeight && x < right;
}

void CReportListModel::SetSorted(bool sorted)
{
    m_sorted = sorted;
    if (m_sorted)
        Sort();
}

int CReportListModel::SortColumn() const noexcept
{
    const auto found = std::find_if(m_columns.begin(), m_columns.end(),
                                    [](const Column& column) { return ShowsText(column.type); });
    return found != m_columns.end() ? found->position : -1;
}

void CReportListModel::Sort()
{
    const int position = SortColumn();
    if (position < 0)
        return;
    std::stable_sort(m_rows.begin(), m_rows.end(), [position](const Row& a, const Row& b) {
        return platform::FoldCase(a.cells[position].text) < platform::FoldCase(b.cells[position].text);
    });
}
