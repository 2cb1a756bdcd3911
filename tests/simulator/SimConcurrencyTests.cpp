#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "SimulatorFixture.h"
#include "simulator/SimFileFormat.h"

namespace {

using ConcurrencyTest = SimulatorTest;

constexpr int kRounds = 40;

// Profile settings from one thread, macros and profiles made and removed from another, and a
// third reading the store file all along: every call must succeed, every read of the file
// must find a whole store, and the end state must be what both threads left.
TEST_F(ConcurrencyTest, TwoThreadsOnOneServiceWhileTheFileIsRead)
{
    auto service = Service();
    std::atomic<int> failures{0};
    std::atomic<bool> done{false};
    auto expect = [&](svc::HRESULT result) {
        if (svc::Failed(result))
            ++failures;
    };

    std::thread settings([&] {
        auto profiles = Profiles(Mouse(service.Get()).Get());
        auto profile = ProfileAt(profiles.Get(), 0);
        auto sensitivity = GetFeature<svc::ISensitivity>(profile.Get(), svc::kIidSensitivity);
        svc::ComPtr<svc::ILight> light;
        expect(GetFeature<svc::ILights>(profile.Get(), svc::kIidLights)->GetItem(0, light.Put()));
        for (int i = 1; i <= kRounds; ++i) {
            expect(sensitivity->Set(100 + i, 200 + i));
            uint32_t x = 0, y = 0;
            expect(sensitivity->Get(&x, &y));
            if (x != static_cast<uint32_t>(100 + i) || y != static_cast<uint32_t>(200 + i))
                ++failures;
            expect(i % 2 ? light->TurnOff() : light->TurnOn());
            expect(profile->SetName(i % 2 ? u"odd" : u"even"));
        }
    });
    std::thread items([&] {
        auto mouse = Mouse(service.Get());
        auto macros = Macros(mouse.Get());
        auto profiles = Profiles(mouse.Get());
        auto rate = GetFeature<svc::IPollingRate>(mouse.Get(), svc::kIidPollingRate);
        for (int i = 0; i < kRounds; ++i) {
            svc::ComPtr<svc::IDeviceMacro> macro;
            expect(macros->Create(macro.Put()));
            svc::ComPtr<svc::IDeviceProfile> profile;
            expect(profiles->Create(profile.Put(), nullptr));
            if (!macro || !profile)
                continue;
            svc::TaskMemPtr<char16_t> name;
            expect(profile->GetName(name.Put()));
            expect(rate->Set(i % 2 ? 1 : 2));
            expect(macros->Remove(macro.Get()));
            expect(profiles->Remove(profile.Get()));
        }
    });
    int wholeReads = 0;
    int tornReads = 0;
    int unreadable = 0;
    std::thread reader([&] {
        while (!done) {
            const std::optional<std::string> bytes = platform::ReadFileBytes(StorePath());
            sim::DeviceModel model;
            if (!bytes)
                ++unreadable;
            else if (sim::DecodeStore(*bytes, model) == sim::FileProblem::None)
                ++wholeReads;
            else
                ++tornReads;
            // Windows cannot replace a file while it is open: leave the writers room.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    settings.join();
    items.join();
    done = true;
    reader.join();

    EXPECT_EQ(failures, 0);
    EXPECT_EQ(tornReads, 0) << "the store file was seen half written";
    EXPECT_GT(wholeReads, 0);
#ifndef _WIN32
    // A rename replaces the file in one step. (Windows refuses to open a file for the moment
    // it is being replaced; a reader there may find it busy, but never half written.)
    EXPECT_EQ(unreadable, 0);
#endif

    auto mouse = Mouse(service.Get());
    auto profiles = Profiles(mouse.Get());
    EXPECT_EQ(CountProfiles(profiles.Get()), 1u);
    EXPECT_EQ(CountMacros(Macros(mouse.Get()).Get()), 0u);
    auto profile = ProfileAt(profiles.Get(), 0);
    EXPECT_EQ(NameOf(profile.Get()), u"even");
    uint32_t x = 0, y = 0;
    ASSERT_EQ(GetFeature<svc::ISensitivity>(profile.Get(), svc::kIidSensitivity)->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 100u + kRounds);
    uint32_t interval = 0;
    ASSERT_EQ(GetFeature<svc::IPollingRate>(mouse.Get(), svc::kIidPollingRate)->Get(&interval), svc::kOk);
    EXPECT_EQ(interval, 1u);
}

// Each thread with its own service objects, made and dropped the way the program connects for
// every operation, over one store folder.
TEST_F(ConcurrencyTest, ServiceObjectsMadeAndDroppedOnTwoThreads)
{
    std::atomic<int> failures{0};
    std::vector<Guid> created[2];
    auto work = [&](int thread) {
        for (int i = 0; i < kRounds / 2; ++i) {
            auto service = Service();
            auto macros = Macros(Mouse(service.Get()).Get());
            svc::ComPtr<svc::IDeviceMacro> macro;
            if (!macros || svc::Failed(macros->Create(macro.Put()))) {
                ++failures;
                continue;
            }
            created[thread].push_back(IdOf(macro.Get()));
        }
    };
    std::thread first(work, 0);
    std::thread second(work, 1);
    first.join();
    second.join();
    EXPECT_EQ(failures, 0);

    auto service = Service();
    auto macros = Macros(Mouse(service.Get()).Get());
    EXPECT_EQ(CountMacros(macros.Get()), static_cast<uint32_t>(kRounds / 2 * 2)) << "no change was lost";
    for (const auto& ids : created) {
        for (const Guid& id : ids) {
            svc::ComPtr<svc::IDeviceMacro> found;
            EXPECT_EQ(macros->FindById(id, found.Put()), svc::kOk);
        }
    }
}

}  // namespace
