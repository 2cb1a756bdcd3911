#include <gtest/gtest.h>

#include "device/CMouse.h"
#include "device/DevicePath.h"

TEST(DevicePathTest, ReadsFourHexDigitsAfterTheMarker)
{
    EXPECT_EQ(DevicePath::ParseHexAfter(L"\\\\?\\HID#VID_3A7E&PID_0020#7&1", L"VID_"), 0x3A7Eu);
    EXPECT_EQ(DevicePath::ParseHexAfter(L"\\\\?\\HID#VID_3A7E&PID_0020#7&1", L"PID_"), 0x20u);
    // Only four characters count.
    EXPECT_EQ(DevicePath::ParseHexAfter(L"PID_00201", L"PID_"), 0x20u);
    // Digits stop at the first character that is not one.
    EXPECT_EQ(DevicePath::ParseHexAfter(L"PID_2&33", L"PID_"), 0x2u);
    EXPECT_EQ(DevicePath::ParseHexAfter(L"PID_XYZ0", L"PID_"), 0u);
    EXPECT_EQ(DevicePath::ParseHexAfter(L"PID_", L"PID_"), 0u);
}

TEST(DevicePathTest, IgnoresCase)
{
    EXPECT_EQ(DevicePath::ParseHexAfter(L"\\\\?\\hid#vid_3a7e&pid_00ff#7&1", L"PID_"), 0xFFu);
    EXPECT_EQ(DevicePath::ParseHexAfter(L"\\\\?\\hid#vid_3a7e&pid_00ff#7&1", L"vid_"), 0x3A7Eu);
}

TEST(DevicePathTest, MissingOrEmptyMarkerGivesZero)
{
    EXPECT_EQ(DevicePath::ParseHexAfter(L"\\\\?\\HID#VID_3A7E#7&1", L"PID_"), 0u);
    EXPECT_EQ(DevicePath::ParseHexAfter(L"\\\\?\\HID#VID_3A7E#7&1", L""), 0u);
    EXPECT_EQ(DevicePath::ParseHexAfter(L"", L"VID_"), 0u);
}

TEST(DevicePathTest, NamesTheMouseOnlyWithBothNumbers)
{
    const uint32_t vendor = DevicePath::kDunmoVendorId;
    EXPECT_TRUE(DevicePath::NamesDevice(L"\\\\?\\HID#VID_3A7E&PID_0020#1", vendor, ProductId::kPeraxil1800));
    EXPECT_TRUE(DevicePath::NamesDevice(L"\\\\?\\hid#vid_3a7e&pid_0020#1", vendor, ProductId::kPeraxil1800));
    EXPECT_FALSE(DevicePath::NamesDevice(L"\\\\?\\HID#VID_3A7E&PID_0021#1", vendor, ProductId::kPeraxil1800));
    EXPECT_FALSE(DevicePath::NamesDevice(L"\\\\?\\HID#VID_046D&PID_0020#1", vendor, ProductId::kPeraxil1800));
    EXPECT_FALSE(DevicePath::NamesDevice(L"\\\\?\\HID#VID_3A7E#1", vendor, ProductId::kPeraxil1800));
}
