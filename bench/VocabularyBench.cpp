// Measurements of the vocabulary tables: the layout loader turns thousands of identifier,
// colour and column names into numbers per layout, so name-to-key must stay cheap.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/TextCase.h"
#include "vocabulary/VocabularyTables.h"

namespace {

using VocabularyTables::Table;

// Every item identifier name, in lower case so that case folding is part of the work.
std::vector<std::wstring> ItemNames()
{
    std::vector<std::wstring> names;
    for (const auto& row : VocabularyTables::Rows(Table::ItemIds))
        names.push_back(platform::FoldCase(row.name));
    return names;
}

// The literal walk over the rows in key order, for comparison with the indexed lookup.
int32_t LinearNameToKey(Table table, std::wstring_view name)
{
    for (const auto& row : VocabularyTables::Rows(table)) {
        if (platform::EqualsIgnoreCase(row.name, name))
            return row.key;
    }
    return VocabularyTables::kNoKey;
}

void BM_NameToKeyItemIds(benchmark::State& state)
{
    const auto names = ItemNames();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VocabularyTables::NameToKey(Table::ItemIds, names[i]));
        i = (i + 1) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NameToKeyItemIds);

void BM_NameToKeyItemIdsLinearWalk(benchmark::State& state)
{
    const auto names = ItemNames();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LinearNameToKey(Table::ItemIds, names[i]));
        i = (i + 1) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NameToKeyItemIdsLinearWalk);

void BM_NameToKeyUnknownName(benchmark::State& state)
{
    const std::wstring name = L"BUTTON_NOT_IN_ANY_TABLE";
    for (auto _ : state)
        benchmark::DoNotOptimize(VocabularyTables::NameToKey(Table::ItemIds, name));
}
BENCHMARK(BM_NameToKeyUnknownName);

void BM_NameToKeyColour(benchmark::State& state)
{
    const std::wstring name = L"darkgrey2";
    for (auto _ : state)
        benchmark::DoNotOptimize(VocabularyTables::NameToKey(Table::Colours, name));
}
BENCHMARK(BM_NameToKeyColour);

void BM_KeyToNameItemIds(benchmark::State& state)
{
    int32_t key = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VocabularyTables::KeyToName(Table::ItemIds, key));
        key = (key + 1) % 404;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyToNameItemIds);

}  // namespace
