// The item elements other than LANG. Which attribute or child fills which field is given by
// tables of {name, member}; the functions below only add what a table cannot say (required
// pictures, conditions between fields, cross references).
#include <algorithm>

#include "platform/Utf16.h"
#include "skin/layout/CLayoutLoad.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/LayoutLimits.h"
#include "skin/layout/LayoutValues.h"
#include "vocabulary/VocabularyTables.h"

namespace {

using Element = CLayoutLoad::Element;

template <typename D>
struct ColourField
{
    const char* attribute;
    std::optional<int32_t> D::*member;
};

template <typename D>
struct PictureField
{
    const char* child;
    PictureRef D::*member;
};

template <typename D, size_t N>
void ReadColours(const CLayoutLoad& load, Element element, D& description, const ColourField<D> (&fields)[N])
{
    for (const ColourField<D>& field : fields)
        description.*field.member = load.Colour(element, field.attribute);
}

template <typename D, size_t N>
void ReadPictures(CLayoutLoad& load, Element element, D& description, const PictureField<D> (&fields)[N])
{
    for (const PictureField<D>& field : fields)
        description.*field.member = load.Picture(element, field.child);
}

constexpr ColourField<TextItemDescription> kTextItemColours[] = {
    {"fontclr", &TextItemDescription::fontColour},
    {"fontclrhi", &TextItemDescription::fontColourHighlight},
};

constexpr ColourField<ComboDescription> kComboColours[] = {
    {"fontclr", &ComboDescription::fontColour},
    {"fontclrhi", &ComboDescription::fontColourHighlight},
    {"backclr", &ComboDescription::backColour},
    {"backclrhi", &ComboDescription::backColourHighlight},
    {"bdrclr", &ComboDescription::borderColour},
    {"disbbackclr", &ComboDescription::disabledBackColour},
    {"disbfontclr", &ComboDescription::disabledFontColour},
    {"disbbdrclr", &ComboDescription::disabledBorderColour},
};

constexpr ColourField<ListPanelDescription> kListPanelColours[] = {
    {"fontclr", &ListPanelDescription::fontColour},
    {"fontclrhi", &ListPanelDescription::fontColourHighlight},
    {"disbfontclr", &ListPanelDescription::disabledFontColour},
    {"backclr", &ListPanelDescription::backColour},
    {"backclrhi", &ListPanelDescription::backColourHighlight},
    {"bdrclr", &ListPanelDescription::borderColour},
    {"disbbackclr", &ListPanelDescription::disabledBackColour},
};

constexpr ColourField<ListCtrlDescription> kListCtrlColours[] = {
    {"fontclr", &ListCtrlDescription::fontColour},
    {"fontclrhi", &ListCtrlDescription::fontColourHighlight},
    {"backclr", &ListCtrlDescription::backColour},
    {"backclrhi", &ListCtrlDescription::backColourHighlight},
    {"bdrclr", &ListCtrlDescription::borderColour},
};

constexpr ColourField<ListHeaderDescription> kListHeaderColours[] = {
    {"backclr", &ListHeaderDescription::backColour},
    {"fontclr", &ListHeaderDescription::fontColour},
};

constexpr ColourField<MacroDisplayDescription> kMacroDisplayColours[] = {
    {"fontclr", &MacroDisplayDescription::fontColour},
    {"fontclrhi", &MacroDisplayDescription::fontColourHighlight},
    {"backclr", &MacroDisplayDescription::backColour},
    {"backclrhi", &MacroDisplayDescription::backColourHighlight},
    {"bdrclr", &MacroDisplayDescription::borderColour},
};

constexpr ColourField<EditDescription> kEditColours[] = {
    {"fontclr", &EditDescription::fontColour},
    {"fontclrhi", &EditDescription::fontColourHighlight},
    {"bdrclr", &EditDescription::borderColour},
    {"backclr", &EditDescription::backColour},
    {"backclrhi", &EditDescription::backColourHighlight},
};

constexpr PictureField<BitmapWindowDescription> kBitmapWindowPictures[] = {
    {"SBMN", &BitmapWindowDescription::normal},
    {"SBMO", &BitmapWindowDescription::over},
    {"SBMD", &BitmapWindowDescription::down},
    {"SBMM", &BitmapWindowDescription::mask},
};

constexpr PictureField<ProfileButtonDescription> kProfileButtonPictures[] = {
    {"SBMN", &ProfileButtonDescription::normal},
    {"SBMO", &ProfileButtonDescription::over},
    {"SBMD", &ProfileButtonDescription::down},
    {"SBMDS", &ProfileButtonDescription::disabled},
};

constexpr PictureField<MacroDisplayDescription> kMacroDisplayPictures[] = {
    {"MDBMP_KEYDN", &MacroDisplayDescription::keyDown},
    {"MDBMP_KEYUP", &MacroDisplayDescription::keyUp},
    {"MDBMP_MSE", &MacroDisplayDescription::mouse},
    {"MDBMP_MSEH", &MacroDisplayDescription::mouseHighlight},
    {"MDBMP_CLK", &MacroDisplayDescription::click},
    {"MDBMP_CLKH", &MacroDisplayDescription::clickHighlight},
};

constexpr PictureField<ListColumnDescription> kCheckboxColumnPictures[] = {
    {"SBMN", &ListColumnDescription::normal},
    {"SBMD", &ListColumnDescription::down},
    {"SBMM", &ListColumnDescription::mask},
};

// The button's state pictures, which the language may replace under the same key.
constexpr std::pair<const char*, ButtonDescription::State> kButtonStates[] = {
    {"SBMN", ButtonDescription::kNormal},
    {"SBMO", ButtonDescription::kOver},
    {"SBMD", ButtonDescription::kDown},
    {"SBMDS", ButtonDescription::kDisabled},
};

int32_t Lookup(VocabularyTables::Table table, const std::wstring& name)
{
    return name.empty() ? VocabularyTables::kNoKey : VocabularyTables::NameToKey(table, name);
}

}  // namespace

void CLayoutLoad::ReadFont(Element element)
{
    FontDescription font;
    font.identifier = Identifier(element, "name");
    if (font.identifier < 0)
        return;
    font.typeface = LayoutValues::CutToUtf16Units(Text(element, "typeface"), LayoutLimits::kMaxTypefaceLength);
    font.pitch = Integer(element, "pitch");
    font.boldLevel = Integer(element, "boldlevel");
    const std::wstring file = ElementText(element, LayoutLimits::kMaxTextLength);
    if (!LayoutValues::Trim(file).empty()) {
        font.fontFile = &m_cache.Fetch(file, ResourceType::Font);
        if (!font.fontFile->loaded)
            ReportUnloaded(*font.fontFile, LayoutProblem::Kind::FontUnloaded);
    }
    Append(std::move(font));
}

void CLayoutLoad::ReadBitmapItem(Element element)
{
    BitmapItemDescription item;
    item.identifier = Identifier(element, "name");
    if (item.identifier < 0)
        return;
    item.rect = ItemRect(element, item.identifier);
    item.normal = Picture(element, "SBMN");
    if (item.normal == nullptr)
        return;
    item.mask = Picture(element, "SBMM");
    Append(std::move(item));
}

void CLayoutLoad::ReadBitmapWindow(Element element)
{
    BitmapWindowDescription window;
    window.identifier = Identifier(element, "name");
    if (window.identifier < 0)
        return;
    window.disabled = Picture(element, "SBMDS");
    if (window.disabled == nullptr)
        return;
    ReadPictures(*this, element, window, kBitmapWindowPictures);
    window.captionColour = Colour(element, "fontclr");
    window.rect = ItemRect(element, window.identifier);
    window.tooltip = Text(element, "tooltip");
    window.caps = Caps(element, window.identifier);
    window.multiline = Multiline(element, window.identifier, MultilineRule::ExactlyOne);
    window.justify = JustifyOf(element);
    window.font = Font(element, window.identifier);
    Append(std::move(window));
}

void CLayoutLoad::ReadButton(Element element)
{
    ButtonDescription button;
    button.identifier = Identifier(element, "name");
    if (button.identifier < 0)
        return;
    button.tooltip = Text(element, "tooltip");
    button.isCheckbox = Flag(element, "ischeckbox");
    button.rect = ItemRect(element, button.identifier);
    button.dynamic = Flag(element, "dynamic");
    if (!ReadButtonPictures(element, button))
        return;
    button.justify = JustifyOf(element);
    button.multiline = Multiline(element, button.identifier, MultilineRule::NonZero);
    button.parent = Reference(element, "windowid", ItemKind::BitmapItem);
    button.font = Font(element, button.identifier);
    if (const Element size = Child(element, "BMPSZ"); size != CLayoutDocument::kNoElement) {
        button.pictureWidth = Integer(size, "width");
        button.pictureHeight = Integer(size, "height");
    } else {
        button.pictureWidth = button.rect.width;
        button.pictureHeight = button.rect.height;
    }
    if (Has(element, "caption")) {
        button.caption = Text(element, "caption");
        button.caps = Caps(element, button.identifier);
    }
    Append(std::move(button));
}

// The state pictures all load (unless the page gives them: "dynamic"), and a mask that is named
// loads too; otherwise the button is not made. A state's caption colour is read either way.
bool CLayoutLoad::ReadButtonPictures(Element element, ButtonDescription& button)
{
    for (const auto& [key, state] : kButtonStates) {
        const Element child = Child(element, key);
        button.states[state].captionColour = Colour(child, "fontclr");
        if (button.dynamic)
            continue;
        const std::wstring* replaced = Override(button.identifier, platform::FromUtf8(key));
        button.states[state].picture = replaced != nullptr ? PictureNamed(*replaced) : Picture(element, key);
        if (button.states[state].picture == nullptr)
            return false;
    }
    if (Child(element, "SBMM") != CLayoutDocument::kNoElement) {
        button.mask = Picture(element, "SBMM");
        if (button.mask == nullptr)
            return false;
    }
    return true;
}

void CLayoutLoad::ReadProfileButton(Element element)
{
    ProfileButtonDescription button;
    button.identifier = Identifier(element, "name");
    if (button.identifier < 0 || Child(element, "SBMDS") == CLayoutDocument::kNoElement)
        return;
    button.tooltip = Text(element, "tooltip");
    button.rect = ItemRect(element, button.identifier);
    ReadPictures(*this, element, button, kProfileButtonPictures);
    Append(std::move(button));
}

void CLayoutLoad::ReadAviButton(Element element)
{
    AviButtonDescription button;
    button.identifier = Identifier(element, "name");
    if (button.identifier < 0)
        return;
    button.rect = ItemRect(element, button.identifier);
    button.video = LayoutValues::Trim(ElementText(Child(element, "VIDEO"), LayoutLimits::kMaxTextLength));
    button.sound = LayoutValues::Trim(ElementText(Child(element, "SOUND"), LayoutLimits::kMaxTextLength));
    Append(std::move(button));
}

void CLayoutLoad::ReadVerticalSlider(Element element)
{
    VerticalSliderDescription slider;
    slider.identifier = Identifier(element, "name");
    if (slider.identifier < 0)
        return;
    slider.picture = PictureNamed(Text(element, "file"));
    slider.tooltip = Text(element, "tooltip");
    slider.rect = ItemRect(element, slider.identifier);
    Append(std::move(slider));
}

void CLayoutLoad::ReadMultiSlider(Element element)
{
    MultiSliderDescription slider;
    slider.identifier = Identifier(element, "name");
    if (slider.identifier < 0)
        return;
    slider.rect = ItemRect(element, slider.identifier);
    const std::span<const Element> stages = m_document.FindAll(Child(element, "STAGES"), "STAGE");
    if (stages.empty())
        return;
    for (const Element stage : stages.first(std::min(stages.size(), LayoutLimits::kMaxSliderStages))) {
        const std::wstring name = ElementText(stage, LayoutLimits::kMaxTextLength);
        slider.stages.push_back({LayoutValues::ParseIdentifier(LayoutValues::Trim(name)), Text(stage, "tooltip")});
    }
    slider.thumbNormal = Picture(element, "SBMN", ResourceType::BitmapFile);
    if (Child(element, "SBMN") != CLayoutDocument::kNoElement)
        slider.thumbOver = Picture(element, "SBMO", ResourceType::BitmapFile);
    const ItemRef track = Reference(element, "trackid", ItemKind::BitmapItem);
    if (!track)
        return;
    slider.track = *track;
    slider.interactive = Flag(element, "interactive");
    if (Has(element, "offset"))
        slider.offset = Integer(element, "offset");
    if (Has(element, "loffset") && Has(element, "roffset"))
        slider.sideOffsets = std::make_pair(Integer(element, "loffset"), Integer(element, "roffset"));
    Append(std::move(slider));
}

void CLayoutLoad::ReadApmSlider(Element element)
{
    ApmSliderDescription slider;
    slider.identifier = Identifier(element, "name");
    if (slider.identifier < 0)
        return;
    slider.rect = ItemRect(element, slider.identifier);
    slider.thumbNormal = Picture(element, "SBMN", ResourceType::BitmapFile);
    if (Child(element, "SBMN") != CLayoutDocument::kNoElement)
        slider.thumbOver = Picture(element, "SBMO", ResourceType::BitmapFile);
    const ItemRef track = Reference(element, "trackid", ItemKind::BitmapItem);
    if (!track)
        return;
    slider.track = *track;
    Append(std::move(slider));
}

void CLayoutLoad::ReadMarker(Element element)
{
    MarkerDescription marker;
    marker.identifier = Identifier(element, "name");
    if (marker.identifier < 0)
        return;
    marker.rect = ItemRect(element, marker.identifier);
    marker.normal = Picture(element, "SBMN");
    if (Child(element, "SBMN") != CLayoutDocument::kNoElement)
        marker.mark = Picture(element, "MARK");
    Append(std::move(marker));
}

void CLayoutLoad::ReadTextItem(Element element)
{
    TextItemDescription text;
    text.identifier = Identifier(element, "name");
    if (text.identifier < 0)
        return;
    text.rect = ItemRect(element, text.identifier);
    text.textKey = Text(element, "textkey");
    text.caps = Caps(element, text.identifier);
    text.parent = Reference(element, "windowid", ItemKind::BitmapItem);
    text.justify = JustifyOf(element);
    text.multiline = Multiline(element, text.identifier, MultilineRule::ExactlyOne);
    ReadColours(*this, element, text, kTextItemColours);
    text.interactive = Flag(element, "interactive");
    text.checkbox = Checkbox(element);
    text.font = Font(element, text.identifier);
    Append(std::move(text));
}

void CLayoutLoad::ReadDpiStageWindow(Element element)
{
    // The position counts every DPISTAGEWINDOW element of the list, made or not.
    const int32_t position = ++m_dpiStagePosition;
    DpiStageWindowDescription window;
    window.identifier = Identifier(element, "name");
    if (window.identifier < 0)
        return;
    window.rect = Rect(element);
    for (const Element bitmap : m_document.FindAll(element, "BITMAP")) {
        std::wstring name = Text(bitmap, "name");
        if (!name.empty())
            window.bitmaps.push_back(
                {std::move(name), Picture(bitmap, "BMP"), Picture(bitmap, "BMPMASK"), Rect(bitmap)});
    }
    for (const Element area : m_document.FindAll(element, "TEXTAREA")) {
        std::wstring name = Text(area, "name");
        if (!name.empty())
            window.textAreas.push_back({std::move(name), Text(area, "textkey"), Rect(area)});
    }
    window.font = Font(element, window.identifier);
    window.position = position;
    Append(std::move(window));
}

void CLayoutLoad::ReadMacroDisplay(Element element)
{
    MacroDisplayDescription display;
    display.identifier = Identifier(element, "name");
    if (display.identifier < 0)
        return;
    display.tooltip = Text(element, "tooltip");
    display.isCheckbox = Flag(element, "ischeckbox");
    display.rect = ItemRect(element, display.identifier);
    display.max = Integer(element, "max");
    display.readOnly = Flag(element, "readonly");
    ReadPictures(*this, element, display, kMacroDisplayPictures);
    ReadColours(*this, element, display, kMacroDisplayColours);
    display.borderWidth = BorderWidth(element);
    display.font = Font(element, display.identifier);
    display.scrollBar = ScrollBar(element);
    if (display.scrollBar && display.scrollBar->width < LayoutLimits::kMinMacroScrollThumbWidth)
        display.scrollBar.reset();

    static const int32_t kDescriptionColumn =
        VocabularyTables::NameToKey(VocabularyTables::Table::ListColumns, L"LCITEM_MCREVENT_DESCRIP");
    for (const Element column : m_document.FindAll(element, "LISTCOLUMN")) {
        MacroColumnDescription read;
        read.column = Lookup(VocabularyTables::Table::ListColumns, Text(column, "name"));
        read.type = Lookup(VocabularyTables::Table::MacroColumnTypes, Text(column, "type"));
        if (read.column == VocabularyTables::kNoKey || read.type == VocabularyTables::kNoKey)
            return;  // one rejected column drops the display
        read.width = Integer(column, "width");
        if (read.column == kDescriptionColumn)
            read.justify = JustifyOf(column);
        display.columns.push_back(read);
    }
    if (!display.columns.empty())
        Append(std::move(display));
}

void CLayoutLoad::ReadListCtrl(Element element)
{
    ListCtrlDescription list;
    list.identifier = Identifier(element, "name");
    if (list.identifier < 0)
        return;
    list.rect = ItemRect(element, list.identifier);
    if (const Element header = Child(element, "LISTHDR"); header != CLayoutDocument::kNoElement) {
        list.header.emplace();
        ReadColours(*this, header, *list.header, kListHeaderColours);
    }
    list.font = Font(element, list.identifier);
    ReadColours(*this, element, list, kListCtrlColours);
    for (const Element column : m_document.FindAll(element, "LISTCOLUMN")) {
        if (!ReadListColumn(column, list))
            return;  // a column that adds nothing drops the list
    }
    list.sorted = Flag(element, "sorted");
    if (!list.columns.empty())
        Append(std::move(list));
}

bool CLayoutLoad::ReadListColumn(Element element, ListCtrlDescription& list)
{
    static const int32_t kCheckboxType = VocabularyTables::NameToKey(VocabularyTables::Table::ColumnTypes, L"CHECKBOX");
    ListColumnDescription column;
    column.column = Lookup(VocabularyTables::Table::ListColumns, Text(element, "name"));
    column.type = Lookup(VocabularyTables::Table::ColumnTypes, Text(element, "type"));
    column.width = Integer(element, "width");
    if (column.column == VocabularyTables::kNoKey || column.type == VocabularyTables::kNoKey || column.width == 0)
        return false;
    column.heading = ElementText(element, LayoutLimits::kMaxTextLength);
    if (column.type == kCheckboxType) {
        column.exclusive = Flag(element, "exclusive");
        ReadPictures(*this, element, column, kCheckboxColumnPictures);
    }
    list.columns.push_back(std::move(column));
    return true;
}

void CLayoutLoad::ReadCombo(Element element)
{
    ComboDescription combo;
    combo.identifier = Identifier(element, "name");
    if (combo.identifier < 0)
        return;
    // Without a CBOX the box rectangle is the language's override or zeros.
    combo.rect = ItemRect(Child(element, "CBOX"), combo.identifier);
    const Element list = Child(element, "CLIST");
    if (list == CLayoutDocument::kNoElement)
        return;
    combo.listHeight = Integer(list, "height");
    ReadColours(*this, element, combo, kComboColours);
    combo.borderWidth = BorderWidth(element);
    combo.font = Font(element, combo.identifier);
    combo.sorted = Flag(element, "sorted");
    combo.scrollBar = ScrollBar(element);
    for (const Element entry : m_document.FindAll(element, "COMBOITEM"))
        combo.entries.push_back(ElementText(entry, LayoutLimits::kMaxTextLength));
    Append(std::move(combo));
}

void CLayoutLoad::ReadListPanel(Element element)
{
    ListPanelDescription panel;
    panel.identifier = Identifier(element, "name");
    if (panel.identifier < 0)
        return;
    panel.rect = ItemRect(element, panel.identifier);
    ReadColours(*this, element, panel, kListPanelColours);
    panel.borderWidth = BorderWidth(element);
    panel.font = Font(element, panel.identifier);
    panel.sorted = Flag(element, "sorted");
    if (Child(element, "LISTPANELITEMS") != CLayoutDocument::kNoElement) {
        for (const Element entry : m_document.FindAll(element, "LISTPANELITEM"))
            panel.entries.push_back(ElementText(entry, LayoutLimits::kMaxTextLength));
    }
    panel.scrollBar = ScrollBar(element);
    Append(std::move(panel));
}

bool CLayoutLoad::ReadEditFields(Element element, EditDescription& edit)
{
    edit.identifier = Identifier(element, "name");
    if (edit.identifier < 0)
        return false;
    ReadColours(*this, element, edit, kEditColours);
    edit.borderWidth = BorderWidth(element);
    edit.font = Font(element, edit.identifier);
    edit.rect = ItemRect(element, edit.identifier);
    edit.max = Integer(element, "max");
    return true;
}

void CLayoutLoad::ReadEdit(Element element)
{
    EditDescription edit;
    if (ReadEditFields(element, edit))
        Append(std::move(edit));
}

void CLayoutLoad::ReadSingleKeyEdit(Element element)
{
    SingleKeyEditDescription edit;
    if (ReadEditFields(element, edit))
        Append(std::move(edit));
}
