// A full write and read of the largest configuration through the simulated service, without
// the settle pause after the write and with the simulator writing its store once per
// connection: the cost of the program's side, the translation and the service calls.
#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

#include "config/CVantixConfig.h"
#include "device/CMouse.h"
#include "macro/CMacro.h"
#include "simulator/SimulatedService.h"
#include "support/TempFolder.h"

namespace {

constexpr int kProfiles = 10;
constexpr int kMacros = 200;
constexpr int kEventsPerMacro = 100;

std::vector<MacroEvent> MacroEvents(int seed)
{
    std::vector<MacroEvent> events;
    for (int i = 0; i < kEventsPerMacro / 2; ++i) {
        events.push_back(MacroEvent::Key(static_cast<uint16_t>(2 + (seed + i) % 50), 0, kKeyPressed, 0));
        events.push_back(MacroEvent::Delay(10 + i));
    }
    return events;
}

void FillConfiguration(CVantixConfig& config)
{
    for (int i = config.GetProfileCount(); i < kProfiles; ++i)
        config.CreateProfile(L"Profile " + std::to_wstring(i));
    for (int i = 0; i < kMacros; ++i)
        config.AddMacro(L"Macro " + std::to_wstring(i))->SetEvents(MacroEvents(i));
}

void BM_WriteThenReadEverything(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TempFolder store;
        TempFolder program;
        sim::SimulatorOptions options;
        options.storeFolder = store.Path();
        options.deferWrites = true;
        CMouse mouse([&] { return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options)); });
        mouse.SetSettleTime(std::chrono::milliseconds(0));
        CVantixConfig config(program.Path());
        if (!mouse.Initialize(&config, ProductId::kPeraxil1800) ||
            !mouse.Transfer(&config, TransferDirection::Read, 0x7F)) {
            state.SkipWithError("the simulated mouse did not start");
            break;
        }
        FillConfiguration(config);
        state.ResumeTiming();

        const bool written = mouse.Transfer(&config, TransferDirection::Write, 0x7F);
        while (mouse.IsTransferring())
            std::this_thread::yield();
        const bool read = mouse.Transfer(&config, TransferDirection::Read, 0x7F);

        state.PauseTiming();
        if (!written || !read || config.GetMacroCount() != kMacros || config.GetMacroAt(0)->GetGuid().IsNull())
            state.SkipWithError("the transfer did not carry everything");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WriteThenReadEverything)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
