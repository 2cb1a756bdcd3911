// The report list's columns and rows without a window.
#include <gtest/gtest.h>

#include "controls/core/CReportListModel.h"

namespace {

using Type = CReportListModel::ColumnType;

constexpr int32_t kActive = 0;
constexpr int32_t kNumber = 1;
constexpr int32_t kName = 2;
constexpr int32_t kProgram = 3;
constexpr int32_t kAutoSwitch = 4;
constexpr CReportListModel::Colours kPlain{0xFFFFFF, 0x101010, 0xFFFFFF, 0x00A000};

int TypeOf(Type type)
{
    return static_cast<int>(type);
}

// The profiles page's columns, with rows keyed 10, 11 and 12.
class ReportListModelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_model.AddColumn(kActive, TypeOf(Type::CheckBox), true), 0);
        ASSERT_EQ(m_model.AddColumn(kNumber, TypeOf(Type::Static), false), 1);
        ASSERT_EQ(m_model.AddColumn(kName, TypeOf(Type::Edit), false), 2);
        ASSERT_EQ(m_model.AddColumn(kProgram, TypeOf(Type::FileDialog), false), 3);
        ASSERT_EQ(m_model.AddColumn(kAutoSwitch, TypeOf(Type::CheckBox), false), 4);
        for (int32_t key = 10; key < 13; ++key) {
            const int row = m_model.InsertRow(static_cast<int>(m_model.RowCount()), kPlain);
            ASSERT_TRUE(m_model.SetRowKey(row, key));
        }
    }

    [[nodiscard]] int Check(int32_t key, int32_t column) const
    {
        return m_model.CellAt(m_model.FindRow(key), m_model.ColumnOf(column)->position)->check;
    }

    CReportListModel m_model;
};

TEST_F(ReportListModelTest, ColumnsAreAddedOnceAndAtMostTen)
{
    EXPECT_EQ(m_model.AddColumn(kName, TypeOf(Type::Static), false), -1);  // present
    EXPECT_EQ(m_model.AddColumn(-1, TypeOf(Type::Static), false), -1);
    EXPECT_EQ(m_model.AddColumn(20, -1, false), -1);
    EXPECT_EQ(m_model.AddColumn(20, 6, false), -1);
    for (int32_t code = 5; code < 10; ++code)
        EXPECT_EQ(m_model.AddColumn(code, TypeOf(Type::Static), false), code);
    EXPECT_EQ(m_model.AddColumn(10, TypeOf(Type::Static), false), -1);  // the eleventh
    EXPECT_EQ(m_model.ColumnCount(), 10u);
    // Rows made earlier got a cell for every later column.
    EXPECT_NE(m_model.CellAt(0, 9), nullptr);
    EXPECT_EQ(m_model.CellAt(0, 9)->colours, kPlain);
}

TEST_F(ReportListModelTest, ExclusiveColumnMovesItsOneCheck)
{
    const int first = m_model.FindRow(10);
    const int second = m_model.FindRow(11);
    EXPECT_EQ(m_model.ClickCheck(first, 0), std::optional<uint8_t>(1));
    // The checked cell again: nothing changes, so nothing is to be reported.
    EXPECT_EQ(m_model.ClickCheck(first, 0), std::nullopt);
    EXPECT_EQ(Check(10, kActive), 1);
    EXPECT_EQ(m_model.ClickCheck(second, 0), std::optional<uint8_t>(1));
    EXPECT_EQ(Check(10, kActive), 0);
    EXPECT_EQ(Check(11, kActive), 1);
    // Set by the program, too, only one stays checked.
    EXPECT_TRUE(m_model.SetCheck(kActive, 12, 1));
    EXPECT_EQ(Check(11, kActive), 0);
    EXPECT_FALSE(m_model.AllChecked(0));
}

TEST_F(ReportListModelTest, OtherCheckColumnsFlipAndMarkTheHeadingWhenAllAreChecked)
{
    EXPECT_EQ(Check(10, kAutoSwitch), 0);
    EXPECT_EQ(m_model.ClickCheck(0, 4), std::optional<uint8_t>(1));
    EXPECT_EQ(m_model.ClickCheck(0, 4), std::optional<uint8_t>(0));
    EXPECT_FALSE(m_model.AllChecked(4));
    for (int32_t key = 10; key < 13; ++key)
        EXPECT_TRUE(m_model.SetCheck(kAutoSwitch, key, 1));
    EXPECT_TRUE(m_model.AllChecked(4));
    // Cells of other columns are no check cells.
    EXPECT_EQ(m_model.ClickCheck(0, 2), std::nullopt);
    EXPECT_FALSE(m_model.SetCheck(kName, 10, 1));
    EXPECT_FALSE(m_model.SetCheck(kAutoSwitch, 10, 2));
    m_model.DeleteAllRows();
    EXPECT_FALSE(m_model.AllChecked(4));
}

TEST_F(ReportListModelTest, CellsAreFoundByRowKeyAndColumnCode)
{
    EXPECT_TRUE(m_model.SetCellText(kName, 11, L"Racing"));
    EXPECT_EQ(m_model.CellAt(1, 2)->text, L"Racing");
    EXPECT_FALSE(m_model.SetCellText(kName, 99, L"x"));
    EXPECT_FALSE(m_model.SetCellText(42, 11, L"x"));
    EXPECT_EQ(m_model.FindRow(99), -1);
    // A key given twice: the first row has it.
    ASSERT_TRUE(m_model.SetRowKey(2, 11));
    EXPECT_EQ(m_model.FindRow(11), 1);

    ASSERT_TRUE(m_model.MarkRow(1, 0x202020, 0x303030));
    const CReportListModel::Colours marked{0x00FF00, 0x202020, 0x00FF00, 0x303030};
    EXPECT_EQ(m_model.CellAt(1, 3)->colours, marked);
    EXPECT_EQ(m_model.CellAt(0, 3)->colours, kPlain);
    EXPECT_EQ(m_model.InsertRow(-1, kPlain), -1);
    EXPECT_EQ(m_model.InsertRow(1, kPlain), 1);
    EXPECT_EQ(m_model.RowAt(1)->key, CReportListModel::kNoKey);
    EXPECT_EQ(m_model.RowAt(2)->key, 11);
}

TEST_F(ReportListModelTest, SortedListOrdersByItsFirstTextColumn)
{
    m_model.SetCellText(kNumber, 10, L"b");
    m_model.SetCellText(kNumber, 11, L"A");
    m_model.SetCellText(kNumber, 12, L"c");
    m_model.SetSorted(true);
    EXPECT_EQ(m_model.RowAt(0)->key, 11);
    EXPECT_EQ(m_model.RowAt(1)->key, 10);
    EXPECT_EQ(m_model.RowAt(2)->key, 12);
    m_model.SetCellText(kNumber, 11, L"d");
    EXPECT_EQ(m_model.FindRow(11), 2);
}

TEST(ReportListHitTest, ColumnsAndCheckMarks)
{
    const std::vector<int> widths{70, 50, 290};
    EXPECT_EQ(CReportListModel::ColumnAtX(widths, 0), 0);
    EXPECT_EQ(CReportListModel::ColumnAtX(widths, 69), 0);
    EXPECT_EQ(CReportListModel::ColumnAtX(widths, 70), 1);
    EXPECT_EQ(CReportListModel::ColumnAtX(widths, 409), 2);
    EXPECT_EQ(CReportListModel::ColumnAtX(widths, 410), -1);
    EXPECT_EQ(CReportListModel::ColumnAtX(widths, -1), -1);
    // A cell from 70 to 120 has its centre at 95: 89 to 101 toggle, 88 and 102 do not.
    EXPECT_TRUE(CReportListModel::OnCheckMark(70, 120, 89));
    EXPECT_TRUE(CReportListModel::OnCheckMark(70, 120, 101));
    EXPECT_FALSE(CReportListModel::OnCheckMark(70, 120, 88));
    EXPECT_FALSE(CReportListModel::OnCheckMark(70, 120, 102));
    EXPECT_TRUE(CReportListModel::OnDropDownButton(200, 18, 182));
    EXPECT_FALSE(CReportListModel::OnDropDownButton(200, 18, 181));
}

}  // namespace
