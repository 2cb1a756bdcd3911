// The owners of Windows handles on real handles.
#include "platform/win/WinHandles.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include "platform/win/ScopedComInit.h"
#include "platform/win/WindowDc.h"

namespace {

bool IsOpen(HANDLE handle)
{
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(WinHandlesTest, KernelHandlesCloseOnceAndInvalidValuesOwnNothing)
{
    const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    {
        UniqueHandle owner(event);
        UniqueHandle moved(std::move(owner));
        EXPECT_TRUE(IsOpen(event));
    }
    EXPECT_FALSE(IsOpen(event));
    EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE));
}

TEST(WinHandlesTest, DeviceContextsOfBothKindsWork)
{
    WindowDc screen(nullptr);
    ASSERT_TRUE(screen);
    UniqueDc memory = CreateCompatibleDc(screen.Get());
    ASSERT_TRUE(memory);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 4, 4));
    EXPECT_NE(SelectObject(memory.Get(), bitmap.Get()), nullptr);
}

TEST(ScopedComInitTest, UninitialisesWhatItInitialised)
{
    {
        const ScopedComInit com;
        ASSERT_TRUE(com.Succeeded());
        const HRESULT again = CoInitialize(nullptr);
        EXPECT_EQ(again, S_FALSE) << "COM is initialised inside the scope";
        CoUninitialize();
    }
    const HRESULT after = CoInitialize(nullptr);
    EXPECT_EQ(after, S_OK) << "and no longer after it";
    CoUninitialize();
}

}  // namespace
