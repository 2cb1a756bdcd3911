// LANG elements: the language tables with their keyboard layouts, font substitutions and
// per-item overrides.
#include <algorithm>
#include <array>
#include <memory>

#include "platform/TextCase.h"
#include "platform/Utf16.h"
#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/IKeyboardLayouts.h"
#include "skin/layout/CLayoutLoad.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/LayoutLimits.h"
#include "skin/layout/LayoutValues.h"

namespace {

// The picture keys a LANGOVERRIDE without a RECT may replace, by child element.
constexpr std::array<const char*, 5> kImageOverrideKeys = {"SBMN", "SBMO", "SBMD", "SBMDS", "SBMM"};

bool IsNameAttribute(const pugi::xml_attribute& attribute)
{
    return platform::EqualsIgnoreCase(platform::FromUtf8(attribute.name()), L"name");
}

bool IsImageKey(std::wstring_view key)
{
    return std::any_of(kImageOverrideKeys.begin(), kImageOverrideKeys.end(),
                       [&](const char* image) { return platform::EqualsIgnoreCase(platform::FromUtf8(image), key); });
}

}  // namespace

void CLayoutLoad::ReadLanguage(Element element)
{
    const int32_t identifier = Identifier(element, "name");
    if (identifier < 0)
        return;
    const std::wstring file = Text(element, "file");
    const ResourceRecord& record = m_cache.Fetch(file, ResourceType::LanguageFile);
    if (!record.loaded) {
        ReportUnloaded(record, LayoutProblem::Kind::LanguageUnreadable);
        return;
    }

    auto table = std::make_unique<CLangTable>(identifier);
    // The byte count is the cache's size for the name; never more than the bytes it holds.
    const uint64_t size = std::min<uint64_t>(m_cache.ResourceSize(file), record.bytes.size());
    table->Read(record.bytes.data(), static_cast<size_t>(size));
    // A damaged table is kept all the same: what it could read is better than raw keys.
    if (table->Fault() != LanguageFileFault::None)
        Report({LayoutProblem::Kind::LanguageDamaged, record.name, table->Fault()});

    std::wstring layoutName = Text(element, "kbdlayout");
    if (layoutName.empty())
        layoutName = LayoutLimits::kDefaultKeyboardLayout;
    IKeyboardLayouts* layouts = m_languages.KeyboardLayouts();
    const uintptr_t layout = layouts != nullptr ? layouts->Load(layoutName) : 0;
    table->SetKeyboardLayout(std::move(layoutName), layout);

    ReadLanguageFonts(element, *table);
    ReadLanguageOverrides(element, *table);

    CLangTable* kept = table.get();
    m_result.languageTables.emplace_back(m_languages, identifier, std::move(table));
    Append(LanguageDescription{identifier, kept});
}

void CLayoutLoad::ReadLanguageFonts(Element element, CLangTable& table) const
{
    for (const Element font : m_document.FindAll(element, "LANGFONT")) {
        const int32_t search = Identifier(font, "fontsearch");
        const int32_t replace = Identifier(font, "fontreplace");
        if (search >= 0 && replace >= 0)
            table.AddFontSubstitution(search, replace);
    }
}

void CLayoutLoad::ReadLanguageOverrides(Element element, CLangTable& table) const
{
    for (const Element override : m_document.FindAll(element, "LANGOVERRIDE"))
        ReadLanguageOverride(override, table);
}

// Three forms, told apart by the number of attributes: "name" and one more (a text override
// keyed by the other attribute's name), "name" with a RECT (a rectangle), or "name" alone with
// picture children (picture names).
void CLayoutLoad::ReadLanguageOverride(Element element, CLangTable& table) const
{
    const pugi::xml_node node = m_document.Node(element);
    const auto attributeCount = static_cast<size_t>(std::distance(node.attributes_begin(), node.attributes_end()));
    if (attributeCount == 2) {
        const pugi::xml_attribute first = node.first_attribute();
        const pugi::xml_attribute second = first.next_attribute();
        const bool firstIsName = IsNameAttribute(first);
        if (!firstIsName && !IsNameAttribute(second))
            return;
        const pugi::xml_attribute name = firstIsName ? first : second;
        const pugi::xml_attribute other = firstIsName ? second : first;
        const int32_t identifier =
            LayoutValues::ParseIdentifier(LayoutValues::ToWide(name.value(), LayoutLimits::kMaxTextLength));
        if (identifier < 0)
            return;
        std::wstring key = LayoutValues::ToWide(other.name(), LayoutLimits::kMaxTextLength);
        const size_t maxLength = IsImageKey(key) ? LayoutLimits::kMaxImageNameLength : LayoutLimits::kMaxTextLength;
        table.AddTextOverride(identifier, std::move(key), LayoutValues::ToWide(other.value(), maxLength));
        return;
    }
    if (attributeCount != 1 || !Has(element, "name"))
        return;
    const int32_t identifier = Identifier(element, "name");
    if (identifier < 0)
        return;
    if (Child(element, "RECT") != CLayoutDocument::kNoElement) {
        table.AddRectOverride(identifier, Rect(element));
        return;
    }
    for (const char* key : kImageOverrideKeys) {
        const Element picture = Child(element, key);
        if (picture != CLayoutDocument::kNoElement)
            table.AddTextOverride(identifier, platform::FromUtf8(key),
                                  ElementText(picture, LayoutLimits::kMaxImageNameLength));
    }
}
