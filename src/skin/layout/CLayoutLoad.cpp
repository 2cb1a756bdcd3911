#include "skin/layout/CLayoutLoad.h"

#include <algorithm>

#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/LayoutLimits.h"
#include "skin/layout/LayoutValues.h"
#include "vocabulary/ItemIds.h"

// The twelve list steps in their fixed order: what an item refers to (fonts, bitmap items,
// check boxes) is always read before the items that refer to it.
const CLayoutLoad::Step CLayoutLoad::kSteps[] = {
    {"LANGLIST", "LANG", false, &CLayoutLoad::ReadLanguage},
    {"FONTLIST", "FONT", false, &CLayoutLoad::ReadFont},
    {"BITMAPLIST", "BITMAPITEM", false, &CLayoutLoad::ReadBitmapItem},
    {"BITMAPLIST", "BITMAPWINDOW", false, &CLayoutLoad::ReadBitmapWindow},
    {"BUTTONLIST", "BUTTON", false, &CLayoutLoad::ReadButton},
    {"BUTTONLIST", "PROFBUTTON", true, &CLayoutLoad::ReadProfileButton},
    {"BUTTONLIST", "AVIBUTTON", true, &CLayoutLoad::ReadAviButton},
    {"SLIDERLIST", "VSLIDER", false, &CLayoutLoad::ReadVerticalSlider},
    {"SLIDERLIST", "HSLIDERM", false, &CLayoutLoad::ReadMultiSlider},
    {"SLIDERLIST", "HSLIDERMAPM", false, &CLayoutLoad::ReadApmSlider},
    {"SLIDERLIST", "DMARKER", false, &CLayoutLoad::ReadMarker},
    {"TEXTLIST", "TEXTITEM", false, &CLayoutLoad::ReadTextItem},
    {"DPISTAGELIST", "DPISTAGEWINDOW", false, &CLayoutLoad::ReadDpiStageWindow},
    {nullptr, "MACRODISPLAY", true, &CLayoutLoad::ReadMacroDisplay},
    {nullptr, "MACRODISPLAYRO", true, &CLayoutLoad::ReadMacroDisplay},
    {"COMBOLIST", "LISTCTRL", false, &CLayoutLoad::ReadListCtrl},
    {"COMBOLIST", "COMBO", false, &CLayoutLoad::ReadCombo},
    {"LISTPANELLIST", "LISTPANEL", false, &CLayoutLoad::ReadListPanel},
    {"EDITCTRLLIST", "EDITCTRL", false, &CLayoutLoad::ReadEdit},
    {"EDITCTRLLIST", "EDITCTRLSK", false, &CLayoutLoad::ReadSingleKeyEdit},
};

CLayoutLoad::CLayoutLoad(const CLayoutDocument& document, CResourceCache& cache, CLanguageSet& languages)
    : m_document(document), m_cache(cache), m_languages(languages), m_language(languages.Current())
{
}

LayoutDescription CLayoutLoad::Run()
{
    Element container = m_document.Find(CLayoutDocument::Root(), "GUIPANEL");
    if (container != CLayoutDocument::kNoElement) {
        if (!ReadPanelBitmaps(container))
            return std::move(m_result);
    } else {
        container = m_document.Find(CLayoutDocument::Root(), "ITEMLIST");
        if (container == CLayoutDocument::kNoElement) {
            Report({LayoutProblem::Kind::NoContainer, {}});
            return std::move(m_result);
        }
    }
    ReadSteps(container);
    return std::move(m_result);
}

bool CLayoutLoad::ReadPanelBitmaps(Element panel)
{
    return ReadPanelBitmap(panel, "BACKGROUND", ItemId::BACKGROUND) && ReadPanelBitmap(panel, "MASK", ItemId::MASK);
}

bool CLayoutLoad::ReadPanelBitmap(Element panel, const char* name, int32_t identifier)
{
    const PictureRef picture = Picture(panel, name);
    if (picture == nullptr)
        return false;
    Append(PanelBitmapDescription{identifier, picture});
    return true;
}

void CLayoutLoad::ReadSteps(Element container)
{
    for (const Step& step : kSteps) {
        const Element list = step.list == nullptr ? container : m_document.Find(container, step.list);
        if (list == CLayoutDocument::kNoElement)
            continue;
        if (step.firstOnly) {
            if (const Element item = m_document.Find(list, step.item); item != CLayoutDocument::kNoElement)
                (this->*step.read)(item);
        } else {
            for (const Element item : m_document.FindAll(list, step.item))
                (this->*step.read)(item);
        }
    }
}

void CLayoutLoad::Report(LayoutProblem problem)
{
    const auto same = [&](const LayoutProblem& known) { return known.kind == problem.kind && known.file == problem.file; };
    if (std::none_of(m_result.problems.begin(), m_result.problems.end(), same))
        m_result.problems.push_back(std::move(problem));
}

void CLayoutLoad::ReportUnloaded(const ResourceRecord& record, LayoutProblem::Kind kind)
{
    Report({record.outsideFolder ? LayoutProblem::Kind::OutsideFolder : kind, record.name});
}

void CLayoutLoad::Append(ItemDescription item)
{
    m_firstByIdentifier.try_emplace(IdentifierOf(item), m_result.items.size());
    m_result.items.push_back(std::move(item));
}

// --- values -----------------------------------------------------------------------------------

bool CLayoutLoad::Has(Element element, const char* attribute) const
{
    return m_document.HasAttribute(element, attribute);
}

CLayoutLoad::Element CLayoutLoad::Child(Element element, const char* name) const
{
    return m_document.Find(element, name);
}

std::wstring CLayoutLoad::Text(Element element, const char* attribute) const
{
    return LayoutValues::ToWide(m_document.Attribute(element, attribute), LayoutLimits::kMaxTextLength);
}

std::wstring CLayoutLoad::ElementText(Element element, size_t maxLength) const
{
    return LayoutValues::ToWide(m_document.Text(element), maxLength);
}

int32_t CLayoutLoad::Identifier(Element element, const char* attribute) const
{
    return LayoutValues::ParseIdentifier(Text(element, attribute));
}

int32_t CLayoutLoad::Integer(Element element, const char* attribute) const
{
    return LayoutValues::ParseInteger(m_document.Attribute(element, attribute));
}

bool CLayoutLoad::Flag(Element element, const char* attribute) const
{
    return Integer(element, attribute) != 0;
}

std::optional<int32_t> CLayoutLoad::Colour(Element element, const char* attribute) const
{
    return LayoutValues::ParseColour(Text(element, attribute));
}

std::optional<int32_t> CLayoutLoad::BorderWidth(Element element) const
{
    const int32_t width = Integer(element, "bdrwidth");
    if (width < LayoutLimits::kMinBorderWidth || width > LayoutLimits::kMaxBorderWidth)
        return std::nullopt;
    return width;
}

Justify CLayoutLoad::JustifyOf(Element element) const
{
    return LayoutValues::ParseJustify(Text(element, "justify"));
}

// --- common rules -----------------------------------------------------------------------------

const std::wstring* CLayoutLoad::Override(int32_t identifier, std::wstring_view key) const
{
    return m_language == nullptr ? nullptr : m_language->FindTextOverride(identifier, key);
}

LayoutRect CLayoutLoad::Rect(Element element) const
{
    const Element rect = Child(element, "RECT");
    if (rect == CLayoutDocument::kNoElement)
        return {};
    // "right" and "bottom" are the width and the height.
    return LayoutRect{Integer(rect, "left"), Integer(rect, "top"), Integer(rect, "right"), Integer(rect, "bottom")};
}

LayoutRect CLayoutLoad::ItemRect(Element element, int32_t identifier) const
{
    if (m_language != nullptr) {
        if (const auto replaced = m_language->FindRectOverride(identifier))
            return *replaced;
    }
    return Rect(element);
}

int32_t CLayoutLoad::Caps(Element element, int32_t identifier) const
{
    if (!Has(element, "caps"))
        return CLanguageSet::kCapsNone;
    if (const std::wstring* replaced = Override(identifier, L"caps"))
        return LayoutValues::ParseCaps(*replaced);
    return LayoutValues::ParseCaps(Text(element, "caps"));
}

bool CLayoutLoad::Multiline(Element element, int32_t identifier, MultilineRule rule) const
{
    if (!Has(element, "multiline"))
        return false;
    const std::wstring* replaced = Override(identifier, L"multiline");
    const int32_t value = replaced != nullptr ? LayoutValues::ParseInteger(*replaced) : Integer(element, "multiline");
    return rule == MultilineRule::NonZero ? value != 0 : value == 1;
}

PictureRef CLayoutLoad::PictureNamed(std::wstring_view name, ResourceType type)
{
    if (LayoutValues::Trim(name).empty())
        return nullptr;
    const ResourceRecord& record = m_cache.Fetch(name, type);
    if (!record.loaded)
        ReportUnloaded(record, LayoutProblem::Kind::PictureUnloaded);
    return record.loaded ? &record : nullptr;
}

PictureRef CLayoutLoad::Picture(Element element, const char* child, ResourceType type)
{
    const Element picture = Child(element, child);
    if (picture == CLayoutDocument::kNoElement)
        return nullptr;
    return PictureNamed(ElementText(picture, LayoutLimits::kMaxTextLength), type);
}

std::optional<ScrollBarDescription> CLayoutLoad::ScrollBar(Element element)
{
    const Element scroll = Child(element, "VSCROLL");
    if (scroll == CLayoutDocument::kNoElement)
        return std::nullopt;
    ScrollBarDescription bar;
    bar.thumb = Picture(scroll, "VSBMP_TMB");
    if (bar.thumb == nullptr)
        return bar;
    bar.width = bar.thumb->width;
    bar.top = Picture(scroll, "VSBMP_TOP");
    bar.bottom = Picture(scroll, "VSBMP_BOT");
    bar.arrowUp = Picture(scroll, "VSBMP_AUP");
    bar.arrowDown = Picture(scroll, "VSBMP_ADN");
    bar.span = Picture(scroll, "VSBMP_SPN");
    return bar;
}

ItemRef CLayoutLoad::FirstWithIdentifier(int32_t identifier) const
{
    const auto found = m_firstByIdentifier.find(identifier);
    if (found == m_firstByIdentifier.end())
        return std::nullopt;
    return found->second;
}

// "fontid": the language's override names the font, else the language may substitute it; the
// first item with the identifier counts only when it is a font.
ItemRef CLayoutLoad::Font(Element element, int32_t identifier) const
{
    int32_t font = 0;
    if (const std::wstring* replaced = Override(identifier, L"fontid"))
        font = LayoutValues::ParseIdentifier(*replaced);
    else
        font = m_languages.MapFont(Identifier(element, "fontid"));
    if (font < 0)
        return std::nullopt;
    const ItemRef found = FirstWithIdentifier(font);
    if (!found || KindOf(m_result.items[*found]) != ItemKind::Font)
        return std::nullopt;
    return found;
}

ItemRef CLayoutLoad::Reference(Element element, const char* attribute, ItemKind kind) const
{
    const int32_t identifier = Identifier(element, attribute);
    if (identifier < 0)
        return std::nullopt;
    const ItemRef found = FirstWithIdentifier(identifier);
    if (!found || KindOf(m_result.items[*found]) != kind)
        return std::nullopt;
    return found;
}

ItemRef CLayoutLoad::Checkbox(Element element) const
{
    const ItemRef found = Reference(element, "checkboxid", ItemKind::Button);
    if (!found || !m_result.As<ButtonDescription>(*found)->isCheckbox)
        return std::nullopt;
    return found;
}
