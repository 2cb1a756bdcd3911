#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "VantixVersion.h"
#include "device/DevicePath.h"
#include "device/win/CDeviceListener.h"
#include "device/win/CFileVersions.h"
#include "support/TempFolder.h"

TEST(FileVersionsTest, StartsWithZeroTexts)
{
    CFileVersions versions;
    EXPECT_EQ(versions.FileVersion(), L"0.0.0.0");
    EXPECT_EQ(versions.ProductVersion(), L"0.0.0.0");
    EXPECT_EQ(versions.ProductParts().major, L"0");
    EXPECT_EQ(versions.FileParts().privatePart, L"0");
    EXPECT_FALSE(versions.Read());
}

TEST(FileVersionsTest, ReadsTheProgramsOwnVersion)
{
    CFileVersions versions;
    versions.SetOwnPath();
    ASSERT_FALSE(versions.Path().empty());
    ASSERT_TRUE(versions.Read());
    EXPECT_EQ(versions.ProductParts().major, std::to_wstring(VANTIX_VERSION_MAJOR));
    EXPECT_EQ(versions.ProductParts().minor, std::to_wstring(VANTIX_VERSION_MINOR));
    EXPECT_EQ(versions.ProductParts().build, std::to_wstring(VANTIX_VERSION_PATCH));
    EXPECT_EQ(versions.ProductParts().privatePart, L"0");
    EXPECT_EQ(versions.FileVersion(), versions.FileParts().major + L"." + versions.FileParts().minor + L"." +
                                          versions.FileParts().build + L".0");
    EXPECT_EQ(versions.ProductVersion(), versions.FileVersion());
}

TEST(FileVersionsTest, AFileWithoutVersionKeepsTheInitialTexts)
{
    TempFolder folder;
    {
        std::ofstream file(folder.FsPath() / "plain.txt");
        file << "no version here";
    }
    CFileVersions versions;
    versions.SetPath(folder.File(L"plain.txt"));
    EXPECT_FALSE(versions.Read());
    EXPECT_EQ(versions.FileVersion(), L"0.0.0.0");
    EXPECT_EQ(versions.ProductVersion(), L"0.0.0.0");
    EXPECT_EQ(versions.ProductParts().minor, L"0");

    versions.SetPath(folder.File(L"missing.exe"));
    EXPECT_FALSE(versions.Read());
}

TEST(DeviceListenerTest, ParsesNumbersAfterTheMarkers)
{
    const wchar_t* path = L"\\\\?\\HID#VID_3A7E&PID_0020#7&2f1a3b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    EXPECT_EQ(CDeviceListener::ParseHexAfter(path, L"VID_"), DevicePath::kDunmoVendorId);
    EXPECT_EQ(CDeviceListener::ParseHexAfter(path, L"PID_"), 0x20u);
    EXPECT_EQ(CDeviceListener::ParseHexAfter(L"\\\\?\\hid#vid_3a7e&pid_0020#1", L"PID_"), 0x20u);
    EXPECT_EQ(CDeviceListener::ParseHexAfter(L"\\\\?\\HID#VID_3A7E#1", L"PID_"), 0u);
    EXPECT_EQ(CDeviceListener::ParseHexAfter(path, nullptr), 0u);
    EXPECT_EQ(CDeviceListener::ParseHexAfter(nullptr, L"PID_"), 0u);
}

TEST(DeviceListenerTest, RegistersWindowsAndIgnoresNull)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        CDeviceListener listener;
        EXPECT_FALSE(listener.Register(nullptr));
        EXPECT_EQ(listener.RegistrationCount(), 0u);
        EXPECT_TRUE(listener.Register(window));
        EXPECT_TRUE(listener.Register(window));
        EXPECT_EQ(listener.RegistrationCount(), 2u);
    }
    DestroyWindow(window);
}
