#include <gtest/gtest.h>

#include <vector>

#include "macro/CRawInputRegistry.h"

namespace {

// Records every registration call and answers as told.
class RecordingDevices final : public IRawInputDevices
{
public:
    bool RegisterDevices(std::span<const RawInputDevice> devices) override
    {
        calls.emplace_back(devices.begin(), devices.end());
        return answer;
    }
    std::vector<std::vector<RawInputDevice>> calls;
    bool answer = true;
};

constexpr uintptr_t kField = 0x1234;
constexpr uintptr_t kRecorder = 0x5678;

TEST(RawInputRegistryTest, RegistersEachUsageOnceAndRefusesASecondRegistration)
{
    RecordingDevices devices;
    CRawInputRegistry registry(devices);
    EXPECT_FALSE(registry.Register(kField));  // nothing listed
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    registry.AddUsage(CRawInputRegistry::kUsageMouse);
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    EXPECT_FALSE(registry.Register(0));
    ASSERT_TRUE(registry.Register(kField));
    ASSERT_EQ(devices.calls.size(), 1u);
    // The keyboard without legacy messages, the mouse with them; both reach the window even
    // when it is not in the foreground.
    EXPECT_EQ(devices.calls[0], (std::vector<RawInputDevice>{{1, 6, 0x130, kField}, {1, 2, 0x100, kField}}));
    EXPECT_EQ(registry.Target(), kField);

    EXPECT_FALSE(registry.Register(kRecorder));
    EXPECT_EQ(devices.calls.size(), 1u);
    EXPECT_EQ(registry.Target(), kField);

    // Taking it back removes both usages and empties the list; then another window may register.
    registry.Unregister();
    ASSERT_EQ(devices.calls.size(), 2u);
    EXPECT_EQ(devices.calls[1], (std::vector<RawInputDevice>{{1, 6, 0x1, 0}, {1, 2, 0x1, 0}}));
    EXPECT_FALSE(registry.IsRegistered());
    EXPECT_TRUE(registry.Usages().empty());
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    EXPECT_TRUE(registry.Register(kRecorder));
}

TEST(RawInputRegistryTest, RefusedRegistrationLeavesNothingRegistered)
{
    RecordingDevices devices;
    devices.answer = false;
    CRawInputRegistry registry(devices);
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    EXPECT_FALSE(registry.Register(kField));
    EXPECT_FALSE(registry.IsRegistered());
    EXPECT_EQ(registry.Target(), 0u);
    // Nothing to take back, and the window may try again.
    registry.Unregister();
    EXPECT_EQ(devices.calls.size(), 1u);
    devices.answer = true;
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    EXPECT_TRUE(registry.Register(kField));
}

}  // namespace
