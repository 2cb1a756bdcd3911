// The identifier and colour names live beside the Windows headers in every Windows layer, so
// none of them may collide with a macro of those headers.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dbt.h>
#include <olectl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "vocabulary/Colours.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/VocabularyTables.h"

TEST(ItemIdsWithWindowsHeadersTest, NamesSurviveTheWindowsHeaders)
{
    EXPECT_EQ(ItemId::BACKGROUND, 0);
    EXPECT_EQ(ItemId::DOWN, 4);
    EXPECT_EQ(ItemId::UPDATE, 68);
    EXPECT_EQ(ItemId::BUTTON_APPLY, 12);
    EXPECT_EQ(VocabularyTables::NameToKey(VocabularyTables::Table::ItemIds, L"BUTTON_APPLY"), ItemId::BUTTON_APPLY);
}

TEST(ItemIdsWithWindowsHeadersTest, ColourValuesAreColorrefs)
{
    EXPECT_EQ(static_cast<COLORREF>(Colour::kGrey3), RGB(105, 112, 119));
    EXPECT_EQ(static_cast<COLORREF>(Colour::kBlack3), RGB(1, 0, 0));
    EXPECT_EQ(GetRValue(Colour::kGreen2), 1);
    EXPECT_EQ(GetGValue(Colour::kGreen2), 116);
    EXPECT_EQ(GetBValue(Colour::kGreen2), 6);
}
