// Reading a page layout: 300 items naming 100 distinct pictures, through the layout reader and
// the resource cache with a loader that only counts decodes. A cold read (new cache) decodes
// each picture once; a warm read (the pictures already cached, as for a page loaded again)
// decodes none.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/IResourceLoader.h"
#include "vocabulary/VocabularyTables.h"

namespace {

constexpr int kDistinctPictures = 100;
constexpr int kButtons = 150;
constexpr int kBitmapItems = 150;

class CountingLoader : public IResourceLoader
{
public:
    std::optional<Picture> LoadPicture(ResourceType, const std::wstring&) override
    {
        ++decodes;
        return Picture{static_cast<uintptr_t>(decodes), 16, 16};
    }
    int32_t AddFont(const std::wstring&) override { return 1; }
    std::optional<std::string> ReadFile(const std::wstring&, uint64_t) override { return std::nullopt; }
    uint64_t FileLength(const std::wstring&) override { return 0; }
    void ReleasePicture(ResourceType, uintptr_t) noexcept override {}
    void RemoveFont(const std::wstring&) noexcept override {}

    int64_t decodes = 0;
};

std::string PictureName(int index)
{
    return "picture" + std::to_string(index % kDistinctPictures) + ".bmp";
}

std::string PageLayout()
{
    std::string xml = "<GUIPANEL><BACKGROUND>" + PictureName(0) + "</BACKGROUND><MASK>" + PictureName(1) +
                      "</MASK><FONTLIST><FONT name=\"FONT_ARIAL10\" typeface=\"Arial\" pitch=\"-13\"/></FONTLIST>"
                      "<BITMAPLIST>";
    for (int i = 0; i < kBitmapItems; ++i)
        xml += "<BITMAPITEM name=\"BITMAP_TARVEL\"><SBMN>" + PictureName(i) +
               "</SBMN><RECT left=\"10\" top=\"20\" right=\"30\" bottom=\"40\"/></BITMAPITEM>";
    xml += "</BITMAPLIST><BUTTONLIST>";
    for (int i = 0; i < kButtons; ++i) {
        xml += "<BUTTON name=\"BUTTON_OK\" tooltip=\"$ok\" fontid=\"FONT_ARIAL10\" windowid=\"BITMAP_TARVEL\">";
        int stateIndex = 0;
        for (const char* state : {"SBMN", "SBMO", "SBMD", "SBMDS"})
            xml += std::string("<") + state + ">" + PictureName(i * 7 + stateIndex++) + "</" + state + ">";
        xml += "<RECT left=\"1\" top=\"2\" right=\"60\" bottom=\"20\"/></BUTTON>";
    }
    return xml + "</BUTTONLIST></GUIPANEL>";
}

void ReadPage(benchmark::State& state, bool warm)
{
    VocabularyTables::Build();
    const std::string xml = PageLayout();
    CLanguageSet languages;
    CountingLoader loader;
    std::optional<CResourceCache> cache;
    if (warm) {
        cache.emplace(L"program", loader);
        (void)CLayoutReader(*cache, languages).ReadBytes(xml);
    }
    int64_t reads = 0;
    const int64_t decodesBefore = loader.decodes;
    for (auto _ : state) {
        if (!warm)
            cache.emplace(L"program", loader);
        LayoutDescription layout = CLayoutReader(*cache, languages).ReadBytes(xml);
        if (layout.items.size() != 2 + 1 + kBitmapItems + kButtons)
            state.SkipWithError("the page did not describe every item");
        benchmark::DoNotOptimize(layout);
        ++reads;
    }
    const int64_t perRead = reads == 0 ? 0 : (loader.decodes - decodesBefore) / reads;
    if (perRead != (warm ? 0 : kDistinctPictures))
        state.SkipWithError("pictures were not decoded exactly once");
    state.counters["decodes_per_read"] = static_cast<double>(perRead);
    state.counters["items"] = 2 + 1 + kBitmapItems + kButtons;
    state.SetBytesProcessed(reads * static_cast<int64_t>(xml.size()));
}

void BM_ReadPageColdCache(benchmark::State& state) { ReadPage(state, false); }
void BM_ReadPageWarmCache(benchmark::State& state) { ReadPage(state, true); }

}  // namespace

BENCHMARK(BM_ReadPageColdCache);
BENCHMARK(BM_ReadPageWarmCache);
