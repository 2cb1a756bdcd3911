// The end-to-end path under Wine: the device object reaches the simulated service through
// real COM, from the in-process server the set-up registered under the service's class id.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstdlib>
#include <thread>

#include "config/CVantixConfig.h"
#include "device/CMouse.h"
#include "device/win/ComServiceFactory.h"
#include "platform/win/ScopedComInit.h"
#include "support/TempFolder.h"

namespace {

// The simulator keeps its store where this variable says, read when the service is created.
class StoreFolder : public TempFolder
{
public:
    StoreFolder() { _wputenv_s(L"PERAXIL_SIM_DIR", Path().c_str()); }
    ~StoreFolder() { _wputenv_s(L"PERAXIL_SIM_DIR", L""); }
};

TEST(ComMouseTest, InitializeWriteAndReadThroughTheRegisteredService)
{
    ScopedComInit apartment;
    ASSERT_TRUE(apartment.Succeeded());
    StoreFolder store;
    TempFolder program;
    {
        CVantixConfig config(program.Path());
        CMouse mouse(MakeComServiceFactory());
        mouse.SetSettleTime(std::chrono::milliseconds(0));
        ASSERT_TRUE(mouse.Initialize(&config, ProductId::kPeraxil1800)) << "is the simulated service registered?";
        ASSERT_TRUE(mouse.Transfer(&config, TransferDirection::Read, 0x7F));
        ASSERT_NE(config.GetActiveProfile(), nullptr);
        config.SetPollingRateIndex(2);
        config.SetSensitivity(400);
        ASSERT_TRUE(mouse.Transfer(&config, TransferDirection::Write, 0x7F));
        while (mouse.IsTransferring())
            std::this_thread::yield();
    }
    CVantixConfig config(program.Path());
    CMouse mouse(MakeComServiceFactory());
    ASSERT_TRUE(mouse.Initialize(&config, ProductId::kPeraxil1800));
    ASSERT_TRUE(mouse.Transfer(&config, TransferDirection::Read, 0x7F));
    EXPECT_EQ(config.GetPollingRateIndex(), 2);
    EXPECT_EQ(config.GetSensitivity(), 400);
    std::wstring firmware;
    mouse.GetFirmwareVersion(firmware);
    EXPECT_NE(firmware, L"0.00");
}

}  // namespace
