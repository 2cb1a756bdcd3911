#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The data of the report list of the profiles page, without a window: its columns, addressed by
// their code from the list column table (not by position), and its rows, found by the key the
// page gives them. It holds the rules of the list: which columns can be added, what a click on
// a check cell does, when the heading's all-checked mark shows, and the order of a sorted list.
// The list's window draws from it and reports the user's changes.
class CReportListModel
{
public:
    // The column type table's codes.
    enum class ColumnType : int32_t
    {
        Icon = 0,
        Static = 1,
        Edit = 2,
        Combo = 3,
        CheckBox = 4,
        FileDialog = 5,
    };

    static constexpr size_t kMaxColumns = 10;
    static constexpr int32_t kNoKey = -1;
    // The check value of a cell outside check-box columns.
    static constexpr int8_t kNoCheck = -1;
    // Marked rows show their texts in green.
    static constexpr int32_t kMarkedTextColour = 0x00FF00;

    struct Column
    {
        int32_t code = -1;
        ColumnType type = ColumnType::Static;
        bool exclusive = false;  // check-box columns: one checked cell at most
        int position = 0;        // 0 for the first column added, then 1, 2, ...
    };

    // Colours as red + 256 x green + 65536 x blue.
    struct Colours
    {
        int32_t text = 0;
        int32_t background = 0;
        int32_t highlightText = 0;
        int32_t highlightBackground = 0;

        friend bool operator==(const Colours&, const Colours&) = default;
    };

    struct Cell
    {
        std::wstring text;
        Colours colours;
        int8_t check = kNoCheck;  // 0 or 1 in check-box columns
        bool hasDropDown = false; // COMBO columns
    };

    struct Row
    {
        int32_t key = kNoKey;
        std::vector<Cell> cells;  // one per column position
    };

    // The column's position, or -1 when the code is -1 or present, the type is not in the
    // table, or kMaxColumns columns exist. Rows that exist get an empty cell for it.
    [[nodiscard]] int AddColumn(int32_t code, int32_t type, bool exclusive);
    [[nodiscard]] size_t ColumnCount() const noexcept { return m_columns.size(); }
    // By position; null outside.
    [[nodiscard]] const Column* ColumnAt(int position) const noexcept;
    // By code; null for a code that has no column.
    [[nodiscard]] const Column* ColumnOf(int32_t code) const noexcept;

    // Inserts an empty row before `position` (appends past the end) with the colours in every
    // cell, no texts, no checks and no key; its index, or -1 for a negative position.
    int InsertRow(int position, const Colours& colours);
    [[nodiscard]] size_t RowCount() const noexcept { return m_rows.size(); }
    [[nodiscard]] const Row* RowAt(int index) const noexcept;
    [[nodiscard]] const Cell* CellAt(int index, int position) const noexcept;
    // The first row with the key; -1 for none.
    [[nodiscard]] int FindRow(int32_t key) const noexcept;
    bool SetRowKey(int index, int32_t key) noexcept;
    // The row's texts turn green and its backgrounds become the given ones.
    bool MarkRow(int index, int32_t background, int32_t highlightBackground) noexcept;
    void DeleteAllRows() noexcept { m_rows.clear(); }

    // False when the row's key or the column's code is unknown. In a sorted list the rows may
    // move; FindRow tells where.
    bool SetCellText(int32_t code, int32_t key, std::wstring_view text);
    // As SetCellText, for the text of a cell by its place.
    bool SetText(int index, int position, std::wstring_view text);
    // Sets a check cell to 0 or 1 (any other value is refused, as are other columns). In an
    // exclusive column a 1 clears every other row's cell.
    bool SetCheck(int32_t code, int32_t key, int value);
    // What a click on a check cell does: an exclusive column moves its one check here (nothing
    // when the cell is checked already), another column flips the cell. The cell's new value, or
    // nothing when nothing changed or the cell is no check cell.
    std::optional<uint8_t> ClickCheck(int index, int position);
    // True when every row's cell of the check-box column is 1 (and there are rows).
    [[nodiscard]] bool AllChecked(int position) const noexcept;

    // Hit testing in a row. The column position under `x` for columns of the given widths (by
    // position) starting at 0; -1 left of the first or right of the last.
    [[nodiscard]] static int ColumnAtX(const std::vector<int>& widths, int x) noexcept;
    // A check cell spanning [left, right) toggles only within kCheckReach pixels of its centre.
    static constexpr int kCheckReach = 6;
    [[nodiscard]] static bool OnCheckMark(int left, int right, int x) noexcept;
    // A drop-down button is the square at the cell's right end, as wide as the row is high.
    [[nodiscard]] static bool OnDropDownButton(int right, int rowHeight, int x) noexcept;

    // Sorted lists keep their rows in the order of the first column that shows text (STATIC,
    // EDIT, COMBO or FILEDIALOG), ignoring case; rows with equal texts keep their order.
    void SetSorted(bool sorted);
    [[nodiscard]] bool IsSorted() const noexcept { return m_sorted; }

private:
    [[nodiscard]] Cell* MutableCell(int index, int position) noexcept;
    void Sort();
    [[nodiscard]] int SortColumn() const noexcept;

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    bool m_sorted = false;
};
