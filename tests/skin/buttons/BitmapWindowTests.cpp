// Bitmap windows: their pictures, and the key capture a click switches on and off.
#include <windows.h>

#include <gtest/gtest.h>

#include "ItemTestWindow.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CBitmapWindow.h"

namespace {

using itemtest::PixelOf;
using itemtest::PumpMessages;
using itemtest::RecordingWindow;

constexpr COLORREF kWindowDisabled = RGB(90, 90, 90);
constexpr COLORREF kWindowNormal = RGB(200, 0, 0);
constexpr COLORREF kDown = RGB(0, 0, 200);

LPARAM KeyData(UINT scanCode, bool extended)
{
    return static_cast<LPARAM>(1 | (scanCode << 16) | (extended ? (1u << 24) : 0u) | (3u << 30));
}

class BitmapWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Open(RECT{10, 10, 210, 110}));
        SetForegroundWindow(m_parent.Handle());
        m_disabled = itemtest::SolidBitmap(40, 20, kWindowDisabled);
        m_normal = itemtest::SolidBitmap(40, 20, kWindowNormal);
        m_down = itemtest::SolidBitmap(40, 20, kDown);
        m_records[0] = Record(m_disabled);
        m_records[1] = Record(m_normal);
        m_records[2] = Record(m_down);
        m_description.identifier = 7;
        m_description.rect = LayoutRect{10, 10, 40, 20};
        m_description.disabled = &m_records[0];
        m_description.normal = &m_records[1];
        m_description.down = &m_records[2];
        m_description.tooltip = L"Press\\na key";
    }

    static ResourceRecord Record(const UniqueBitmap& bitmap)
    {
        ResourceRecord record;
        record.loaded = true;
        record.handle = reinterpret_cast<uintptr_t>(bitmap.Get());
        return record;
    }

    RecordingWindow m_parent;
    UniqueBitmap m_disabled;
    UniqueBitmap m_normal;
    UniqueBitmap m_down;
    ResourceRecord m_records[3];
    BitmapWindowDescription m_description;
};

TEST_F(BitmapWindowTest, RefinesLeftAndRightKeys)
{
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_CONTROL, KeyData(29, false)), 162u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_CONTROL, KeyData(29, true)), 163u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_SHIFT, KeyData(42, false)), 160u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_SHIFT, KeyData(54, false)), 161u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_MENU, KeyData(56, false)), 164u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_MENU, KeyData(56, true)), 165u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_RETURN, KeyData(28, true)), 108u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey(VK_RETURN, KeyData(28, false)), 13u);
    EXPECT_EQ(CBitmapWindow::RefineVirtualKey('A', KeyData(30, false)), static_cast<UINT>('A'));
}

TEST_F(BitmapWindowTest, ShowsThePictureOfItsState)
{
    auto window = CBitmapWindow::Create(m_description, m_parent.Handle(), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PixelOf(window->Handle(), 3, 3), kWindowNormal);
    window->SetCapturing(true);
    EXPECT_EQ(PixelOf(window->Handle(), 3, 3), kDown);
    window->SetCapturing(false);
    EnableWindow(window->Handle(), FALSE);
    EXPECT_EQ(PixelOf(window->Handle(), 3, 3), kWindowDisabled);
    EXPECT_EQ(window->ToolTipText(), L"Press a key");
}

TEST_F(BitmapWindowTest, ClickSwitchesKeyCaptureAndReportsKeyReleases)
{
    HWND other = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 100, 10, 60, 20, m_parent.Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetFocus(other);
    auto window = CBitmapWindow::Create(m_description, m_parent.Handle(), nullptr);
    ASSERT_NE(window, nullptr);

    // Not capturing: key releases are not reported.
    SendMessageW(window->Handle(), WM_KEYUP, 'A', KeyData(30, false));
    PumpMessages();
    EXPECT_TRUE(m_parent.Of(CBitmapWindow::kKeyMessage).empty());

    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(window->IsCapturing());
    EXPECT_EQ(GetFocus(), window->Handle());
    SendMessageW(window->Handle(), WM_KEYUP, VK_CONTROL, KeyData(29, true));
    SendMessageW(window->Handle(), WM_SYSKEYUP, VK_MENU, KeyData(56, false));
    PumpMessages();
    const auto keys = m_parent.Of(CBitmapWindow::kKeyMessage);
    ASSERT_EQ(keys.size(), 2u) << (keys.empty() ? 0 : keys[0].wParam) << " capturing " << window->IsCapturing();
    EXPECT_EQ(keys[0].wParam, 163u);
    EXPECT_EQ(keys[1].wParam, 164u);
    EXPECT_EQ(reinterpret_cast<HWND>(keys[0].lParam), window->Handle());

    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_FALSE(window->IsCapturing());
    EXPECT_EQ(GetFocus(), other);
    SendMessageW(window->Handle(), WM_KEYUP, 'B', KeyData(48, false));
    PumpMessages();
    EXPECT_EQ(m_parent.Of(CBitmapWindow::kKeyMessage).size(), 2u);
    DestroyWindow(other);
}

TEST_F(BitmapWindowTest, FocusTakenElsewhereEndsCapture)
{
    auto window = CBitmapWindow::Create(m_description, m_parent.Handle(), nullptr);
    ASSERT_NE(window, nullptr);
    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_TRUE(window->IsCapturing());
    SetFocus(m_parent.Handle());
    EXPECT_FALSE(window->IsCapturing());
    EXPECT_EQ(PixelOf(window->Handle(), 3, 3), kWindowNormal);
}

TEST_F(BitmapWindowTest, MissingOptionalPicturesFallBack)
{
    m_description.normal = nullptr;
    m_description.down = nullptr;
    auto window = CBitmapWindow::Create(m_description, m_parent.Handle(), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PixelOf(window->Handle(), 3, 3), kWindowDisabled);
    window->SetCapturing(true);
    EXPECT_EQ(PixelOf(window->Handle(), 3, 3), kWindowDisabled);
}

}  // namespace
