#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/IResourceLoader.h"

namespace {

// Every picture and font loads, every language file is a small sound one: the reader's own
// logic is what the input drives.
class EverythingLoads final : public IResourceLoader
{
public:
    std::optional<Picture> LoadPicture(ResourceType, const std::wstring&) override
    {
        return Picture{++m_handles, 16, 16};
    }
    int32_t AddFont(const std::wstring&) override { return 1; }
    std::optional<std::string> ReadFile(const std::wstring&, uint64_t) override
    {
        static const std::u16string text = u"\xFEFFTitle\r\n-\r\nok\r\nOK\r\nEND OF FILE\r\n";
        return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
    }
    uint64_t FileLength(const std::wstring&) override { return 100; }
    void ReleasePicture(ResourceType, uintptr_t) noexcept override {}
    void RemoveFont(const std::wstring&) noexcept override {}

private:
    uintptr_t m_handles = 0;
};

void CheckReferences(const LayoutDescription& layout)
{
    for (const ItemDescription& item : layout.items)
        FUZZ_CHECK(IdentifierOf(item) >= 0 || KindOf(item) == ItemKind::PanelBitmap);
    for (const LayoutProblem& problem : layout.problems)
        FUZZ_CHECK(problem.kind <= LayoutProblem::Kind::OutsideFolder);
}

}  // namespace

void FuzzLayoutFile(std::span<const uint8_t> data)
{
    EverythingLoads loader;
    CResourceCache cache(L"prog", loader);
    CLanguageSet languages;
    CLayoutReader reader(cache, languages);
    const LayoutDescription first = reader.ReadBytes(AsChars(data));
    CheckReferences(first);
    // With a language of the file current, the same file reads again through its overrides.
    for (int32_t language = 340; language <= 351; ++language) {
        if (languages.Select(language)) {
            CheckReferences(reader.ReadBytes(AsChars(data)));
            break;
        }
    }
}
