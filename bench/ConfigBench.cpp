// Measurements of the configuration core: profile creation with defaults and the macro list at
// its full size of 65,536 macros.
#include <benchmark/benchmark.h>

#include <string>

#include "config/CVantixConfig.h"
#include "macro/CMacroList.h"

namespace {

constexpr int kMaxProfiles = 10;
constexpr int kMaxMacros = 65536;

std::wstring MacroName(int i)
{
    return L"Macro " + std::to_wstring(i);
}

void BM_CreateTenProfilesWithDefaults(benchmark::State& state)
{
    for (auto _ : state) {
        CVantixConfig config(L"bench");
        for (int i = 0; i < kMaxProfiles; ++i)
            benchmark::DoNotOptimize(config.CreateProfile(L"Profile " + std::to_wstring(i)));
    }
}
BENCHMARK(BM_CreateTenProfilesWithDefaults)->Unit(benchmark::kMicrosecond);

void BM_AddAllMacros(benchmark::State& state)
{
    for (auto _ : state) {
        CMacroList list;
        for (int i = 0; i < kMaxMacros; ++i)
            benchmark::DoNotOptimize(list.Add(MacroName(i), {}));
        state.PauseTiming();
        if (list.Count() != kMaxMacros)
            state.SkipWithError("a unique name was refused");
        list.Clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kMaxMacros);
}
BENCHMARK(BM_AddAllMacros)->Unit(benchmark::kMillisecond);

void BM_FindMacroByNameInFullList(benchmark::State& state)
{
    CMacroList list;
    for (int i = 0; i < kMaxMacros; ++i)
        list.Add(MacroName(i), {});
    // Looked up in other letter case, as a page would with a name the user typed.
    const std::wstring wanted = L"MACRO " + std::to_wstring(kMaxMacros - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.FindByName(wanted));
    if (list.FindByName(wanted) != list.At(kMaxMacros - 1))
        state.SkipWithError("lookup found the wrong macro");
}
BENCHMARK(BM_FindMacroByNameInFullList)->Unit(benchmark::kNanosecond);

}  // namespace
