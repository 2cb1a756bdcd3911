#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../../support/GalleryProgram.h"
#include "../../support/WindowTestSupport.h"
#include "CControlsGallery.h"
#include "VantixApp/AppTestSupport.h"
#include "controls/CXListCtrl.h"

// The gallery layout in this folder, as Wine names it.
inline std::wstring GalleryLayoutPath()
{
    const std::string path = VANTIX_GALLERY_LAYOUT;
    return wintest::WindowsPath(path);
}

// The gallery panel on the build's program folder, in English, shown at the screen's top left
// corner with the pointer away from it.
class GalleryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        m_gallery = std::make_unique<CControlsGallery>(GalleryLayoutPath(), nullptr);
        ASSERT_TRUE(m_gallery->CreateModeless(nullptr));
        SetWindowPos(m_gallery->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(m_gallery->Handle());
        wintest::PumpUntil([] { return false; }, 50);
        ASSERT_NE(m_gallery->List(), nullptr);
    }

    CControlsGallery& Gallery() const { return *m_gallery; }
    CXListCtrl& List() const { return *m_gallery->List(); }

    // The centre of a report list cell, in the list's client coordinates.
    [[nodiscard]] POINT CellCentre(int row, int position) const
    {
        const RECT cell = List().CellRect(row, position);
        return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    // A notification about a cell: its row key, column and text.
    static void ExpectCell(const CControlsGallery::Notice& notice, int32_t row, int32_t column, std::wstring_view text)
    {
        EXPECT_EQ(notice.row, row);
        EXPECT_EQ(notice.column, column);
        EXPECT_EQ(notice.text, text);
    }

    SkinEnvironmentScope m_skin;
    std::unique_ptr<CControlsGallery> m_gallery;
};
