#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "skin/layout/CLayoutDocument.h"
#include "skin/layout/ItemDescriptions.h"

class CLangTable;
class CLanguageSet;
class CResourceCache;

// One read of a parsed layout document: the fixed steps, each element kind, and the common
// rules (name, rectangle, overrides, pictures, references). Used by CLayoutReader only.
class CLayoutLoad
{
public:
    using Element = CLayoutDocument::Element;

    CLayoutLoad(const CLayoutDocument& document, CResourceCache& cache, CLanguageSet& languages);

    [[nodiscard]] LayoutDescription Run();

    // --- values of one element (attributes read as the empty text when absent) ---
    [[nodiscard]] int32_t Identifier(Element element, const char* attribute) const;
    [[nodiscard]] std::wstring Text(Element element, const char* attribute) const;
    [[nodiscard]] std::wstring ElementText(Element element, size_t maxLength) const;
    [[nodiscard]] int32_t Integer(Element element, const char* attribute) const;
    [[nodiscard]] bool Flag(Element element, const char* attribute) const;
    [[nodiscard]] std::optional<int32_t> Colour(Element element, const char* attribute) const;
    [[nodiscard]] std::optional<int32_t> BorderWidth(Element element) const;
    [[nodiscard]] Justify JustifyOf(Element element) const;
    [[nodiscard]] bool Has(Element element, const char* attribute) const;
    [[nodiscard]] Element Child(Element element, const char* name) const;

    // The RECT below the element, as written; zeros without one.
    [[nodiscard]] LayoutRect Rect(Element element) const;
    // The same, replaced by the current language's "RECT" override for the identifier.
    [[nodiscard]] LayoutRect ItemRect(Element element, int32_t identifier) const;
    // "caps" and "multiline": the attribute, or when present the current language's override.
    [[nodiscard]] int32_t Caps(Element element, int32_t identifier) const;
    enum class MultilineRule
    {
        NonZero,
        ExactlyOne,
    };
    [[nodiscard]] bool Multiline(Element element, int32_t identifier, MultilineRule rule) const;

    // The picture a child element names by its text; nullptr without the child or when it
    // does not load.
    [[nodiscard]] PictureRef Picture(Element element, const char* child, ResourceType type = ResourceType::Picture);
    [[nodiscard]] PictureRef PictureNamed(std::wstring_view name, ResourceType type = ResourceType::Picture);
    [[nodiscard]] std::optional<ScrollBarDescription> ScrollBar(Element element);

    // References into the list being built.
    [[nodiscard]] ItemRef Font(Element element, int32_t identifier) const;
    [[nodiscard]] ItemRef Reference(Element element, const char* attribute, ItemKind kind) const;
    [[nodiscard]] ItemRef Checkbox(Element element) const;

private:
    using ReadItem = void (CLayoutLoad::*)(Element);
    struct Step
    {
        const char* list;  // nullptr: the item element is looked for in the container itself
        const char* item;
        bool firstOnly;
        ReadItem read;
    };
    static const Step kSteps[];

    bool ReadPanelBitmaps(Element panel);
    bool ReadPanelBitmap(Element panel, const char* name, int32_t identifier);
    void ReadSteps(Element container);

    void ReadLanguage(Element element);
    void ReadLanguageFonts(Element element, CLangTable& table) const;
    void ReadLanguageOverrides(Element element, CLangTable& table) const;
    void ReadLanguageOverride(Element element, CLangTable& table) const;
    void ReadFont(Element element);
    void ReadBitmapItem(Element element);
    void ReadBitmapWindow(Element element);
    void ReadButton(Element element);
    bool ReadButtonPictures(Element element, ButtonDescription& button);
    void ReadProfileButton(Element element);
    void ReadAviButton(Element element);
    void ReadVerticalSlider(Element element);
    void ReadMultiSlider(Element element);
    void ReadApmSlider(Element element);
    void ReadMarker(Element element);
    void ReadTextItem(Element element);
    void ReadDpiStageWindow(Element element);
    void ReadMacroDisplay(Element element);
    void ReadListCtrl(Element element);
    bool ReadListColumn(Element element, ListCtrlDescription& list);
    void ReadCombo(Element element);
    void ReadListPanel(Element element);
    bool ReadEditFields(Element element, EditDescription& edit);
    void ReadEdit(Element element);
    void ReadSingleKeyEdit(Element element);

    // Notes a problem once per kind and file.
    void Report(LayoutProblem problem);
    // A record that did not load: outside its folder, or the given kind.
    void ReportUnloaded(const ResourceRecord& record, LayoutProblem::Kind kind);

    [[nodiscard]] const std::wstring* Override(int32_t identifier, std::wstring_view key) const;
    [[nodiscard]] ItemRef FirstWithIdentifier(int32_t identifier) const;
    void Append(ItemDescription item);

    const CLayoutDocument& m_document;
    CResourceCache& m_cache;
    CLanguageSet& m_languages;
    const CLangTable* m_language;  // current when the read began
    LayoutDescription m_result;
    std::unordered_map<int32_t, size_t> m_firstByIdentifier;
    int32_t m_dpiStagePosition = 0;
};
