#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "skin/CLangTable.h"
#include "skin/CRegisteredLanguage.h"
#include "skin/layout/ItemKind.h"
#include "skin/layout/ResourceRecord.h"

// What a layout file describes, element by element, before any window exists. The portable
// layout reader fills these; the Windows items turn them into windows.
//
// Conventions of every description:
// - identifier: the item identifier of the element's "name";
// - rect: left, top, width, height as written, after the current language's "RECT" override;
// - pictures: the cache's record when the picture loaded, nullptr otherwise (records live
//   until the cache is released);
// - item references: an index into LayoutDescription::items, already checked for the kind the
//   reference accepts (a font is a FONT, a parent window or track a BITMAPITEM, a check box a
//   BUTTON with "ischeckbox"); nullopt when there is none;
// - texts: as written (language keys are translated when an item shows them), cut to
//   LayoutLimits::kMaxTextLength;
// - colours: nullopt when absent or not a colour name (the item keeps its default);
// - caps: CLanguageSet::kCapsNone, kCapsUpper or kCapsLower.

using PictureRef = const ResourceRecord*;
using ItemRef = std::optional<size_t>;

// Letter choice of "justify"; Default is the item's own default alignment.
enum class Justify : uint8_t
{
    Default,
    Left,
    Right,
    Centre,
};

// Left, top, right and bottom edges; computed without overflow (saturating at the int range).
struct RectEdges
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const RectEdges&, const RectEdges&) = default;
};
[[nodiscard]] RectEdges EdgesOf(const LayoutRect& rect) noexcept;

// BACKGROUND (identifier 0) and MASK (identifier 1) of a GUIPANEL.
struct PanelBitmapDescription
{
    static constexpr ItemKind kKind = ItemKind::PanelBitmap;
    int32_t identifier = -1;
    PictureRef picture = nullptr;
};

// LANG: the table is owned, with its registration, by LayoutDescription::languageTables.
struct LanguageDescription
{
    static constexpr ItemKind kKind = ItemKind::Language;
    int32_t identifier = -1;
    CLangTable* table = nullptr;
};

struct FontDescription
{
    static constexpr ItemKind kKind = ItemKind::Font;
    int32_t identifier = -1;
    std::wstring typeface;  // at most 31 characters; empty: the platform's default face
    int32_t pitch = 0;      // as written; a value above 0 is the font height
    int32_t boldLevel = 0;  // as written; a value above 0 is the weight
    // The font file the element's text names, registered before the font is made (it may have
    // failed); nullptr when the element has no text.
    const ResourceRecord* fontFile = nullptr;
};

struct BitmapItemDescription
{
    static constexpr ItemKind kKind = ItemKind::BitmapItem;
    int32_t identifier = -1;
    LayoutRect rect;
    PictureRef normal = nullptr;  // SBMN, always loaded
    PictureRef mask = nullptr;    // SBMM
};

struct BitmapWindowDescription
{
    static constexpr ItemKind kKind = ItemKind::BitmapWindow;
    int32_t identifier = -1;
    LayoutRect rect;
    PictureRef disabled = nullptr;  // SBMDS, always loaded
    PictureRef normal = nullptr;    // SBMN
    PictureRef over = nullptr;      // SBMO
    PictureRef down = nullptr;      // SBMD
    PictureRef mask = nullptr;      // SBMM
    std::optional<int32_t> captionColour;
    std::wstring tooltip;
    int32_t caps = 0;
    bool multiline = false;  // "multiline" exactly 1
    Justify justify = Justify::Default;
    ItemRef font;
};

struct ButtonStateDescription
{
    PictureRef picture = nullptr;
    std::optional<int32_t> captionColour;  // "fontclr" of the picture's element
};

struct ButtonDescription
{
    static constexpr ItemKind kKind = ItemKind::Button;
    enum State : size_t
    {
        kNormal,
        kOver,
        kDown,
        kDisabled,
        kStateCount
    };

    int32_t identifier = -1;
    LayoutRect rect;
    std::wstring tooltip;
    bool isCheckbox = false;
    bool dynamic = false;  // no state pictures are read: the page gives them
    std::array<ButtonStateDescription, kStateCount> states;  // SBMN, SBMO, SBMD, SBMDS
    PictureRef mask = nullptr;
    Justify justify = Justify::Default;  // the button's default is left
    bool multiline = false;              // "multiline" non-zero
    ItemRef parent;                      // "windowid": a BITMAPITEM whose window holds the button
    ItemRef font;
    int32_t pictureWidth = 0;   // BMPSZ, else the rectangle's width
    int32_t pictureHeight = 0;  // BMPSZ, else the rectangle's height
    std::optional<std::wstring> caption;
    int32_t caps = 0;  // read only with a caption
};

struct ProfileButtonDescription
{
    static constexpr ItemKind kKind = ItemKind::ProfileButton;
    int32_t identifier = -1;
    std::wstring tooltip;
    LayoutRect rect;
    PictureRef normal = nullptr;
    PictureRef over = nullptr;
    PictureRef down = nullptr;
    PictureRef disabled = nullptr;
};

struct AviButtonDescription
{
    static constexpr ItemKind kKind = ItemKind::AviButton;
    int32_t identifier = -1;
    LayoutRect rect;
    std::wstring video;  // trimmed
    std::wstring sound;  // trimmed
};

struct VerticalSliderDescription
{
    static constexpr ItemKind kKind = ItemKind::VerticalSlider;
    int32_t identifier = -1;
    PictureRef picture = nullptr;  // "file"
    std::wstring tooltip;
    LayoutRect rect;
};

// One thumb of a multi-stage slider (kind 6).
struct SliderStageDescription
{
    int32_t identifier = -1;  // the STAGE's text; -1 when it names no identifier
    std::wstring tooltip;
};

struct MultiSliderDescription
{
    static constexpr ItemKind kKind = ItemKind::MultiSlider;
    int32_t identifier = -1;
    LayoutRect rect;
    std::vector<SliderStageDescription> stages;  // 1 to 5
    PictureRef thumbNormal = nullptr;  // SBMN, bitmap file
    PictureRef thumbOver = nullptr;    // SBMO, bitmap file
    size_t track = 0;                  // "trackid": the BITMAPITEM that is the track and owner
    bool interactive = false;
    std::optional<int32_t> offset;
    std::optional<std::pair<int32_t, int32_t>> sideOffsets;  // "loffset", "roffset", both given
};

struct ApmSliderDescription
{
    static constexpr ItemKind kKind = ItemKind::ApmSlider;
    int32_t identifier = -1;
    LayoutRect rect;
    PictureRef thumbNormal = nullptr;  // SBMN, bitmap file
    PictureRef thumbOver = nullptr;    // SBMO, bitmap file
    size_t track = 0;                  // "trackid": the BITMAPITEM with the track and parent window
};

struct MarkerDescription
{
    static constexpr ItemKind kKind = ItemKind::Marker;
    int32_t identifier = -1;
    LayoutRect rect;
    PictureRef normal = nullptr;  // SBMN
    PictureRef mark = nullptr;    // MARK
};

struct DpiStageBitmapDescription
{
    std::wstring name;
    PictureRef picture = nullptr;  // BMP
    PictureRef mask = nullptr;     // BMPMASK
    LayoutRect rect;               // in the stage window's coordinates
};

struct DpiStageTextDescription
{
    std::wstring name;
    std::wstring textKey;
    LayoutRect rect;  // in the stage window's coordinates
};

struct DpiStageWindowDescription
{
    static constexpr ItemKind kKind = ItemKind::DpiStageWindow;
    int32_t identifier = -1;
    LayoutRect rect;  // no language override
    std::vector<DpiStageBitmapDescription> bitmaps;
    std::vector<DpiStageTextDescription> textAreas;
    ItemRef font;
    int32_t position = 0;  // 1-based among the DPISTAGEWINDOW elements of the list
};

// VSCROLL: scroll bar pictures. Without a loaded thumb the others are not read.
struct ScrollBarDescription
{
    PictureRef thumb = nullptr;      // VSBMP_TMB
    PictureRef top = nullptr;        // VSBMP_TOP
    PictureRef bottom = nullptr;     // VSBMP_BOT
    PictureRef arrowUp = nullptr;    // VSBMP_AUP
    PictureRef arrowDown = nullptr;  // VSBMP_ADN
    PictureRef span = nullptr;       // VSBMP_SPN
    int32_t width = 0;               // the thumb picture's width; 0 without one
};

struct MacroColumnDescription
{
    int32_t column = 0;  // list column table
    int32_t type = 0;    // macro column type table
    int32_t width = 0;
    Justify justify = Justify::Default;  // read for LCITEM_MCREVENT_DESCRIP only
};

// MACRODISPLAY and MACRODISPLAYRO.
struct MacroDisplayDescription
{
    static constexpr ItemKind kKind = ItemKind::MacroDisplay;
    int32_t identifier = -1;
    std::wstring tooltip;
    bool isCheckbox = false;
    LayoutRect rect;
    int32_t max = 0;
    bool readOnly = false;
    PictureRef keyDown = nullptr;         // MDBMP_KEYDN
    PictureRef keyUp = nullptr;           // MDBMP_KEYUP
    PictureRef mouse = nullptr;           // MDBMP_MSE
    PictureRef mouseHighlight = nullptr;  // MDBMP_MSEH
    PictureRef click = nullptr;           // MDBMP_CLK
    PictureRef clickHighlight = nullptr;  // MDBMP_CLKH
    std::optional<int32_t> fontColour;
    std::optional<int32_t> fontColourHighlight;
    std::optional<int32_t> backColour;
    std::optional<int32_t> backColourHighlight;
    std::optional<int32_t> borderColour;
    std::optional<int32_t> borderWidth;  // 1 to 9
    ItemRef font;
    std::optional<ScrollBarDescription> scrollBar;  // only with a thumb at least 10 pixels wide
    std::vector<MacroColumnDescription> columns;    // at least one
};

struct TextItemDescription
{
    static constexpr ItemKind kKind = ItemKind::TextItem;
    int32_t identifier = -1;
    LayoutRect rect;
    std::wstring textKey;
    int32_t caps = 0;
    ItemRef parent;                      // "windowid": a BITMAPITEM
    Justify justify = Justify::Default;  // the text's default is left
    bool multiline = false;              // "multiline" exactly 1
    std::optional<int32_t> fontColour;
    std::optional<int32_t> fontColourHighlight;
    bool interactive = false;
    ItemRef checkbox;  // "checkboxid": a BUTTON with "ischeckbox"
    ItemRef font;
};

struct ComboDescription
{
    static constexpr ItemKind kKind = ItemKind::Combo;
    int32_t identifier = -1;
    LayoutRect rect;  // CBOX's RECT: the closed box
    int32_t listHeight = 0;  // CLIST "height"
    std::optional<int32_t> fontColour;
    std::optional<int32_t> fontColourHighlight;
    std::optional<int32_t> backColour;
    std::optional<int32_t> backColourHighlight;
    std::optional<int32_t> borderColour;
    std::optional<int32_t> disabledBackColour;
    std::optional<int32_t> disabledFontColour;
    std::optional<int32_t> disabledBorderColour;
    std::optional<int32_t> borderWidth;  // 1 to 9
    ItemRef font;
    bool sorted = false;
    std::optional<ScrollBarDescription> scrollBar;  // with a VSCROLL child
    std::vector<std::wstring> entries;              // COMBOITEM texts
};

struct ListPanelDescription
{
    static constexpr ItemKind kKind = ItemKind::ListPanel;
    int32_t identifier = -1;
    LayoutRect rect;
    std::optional<int32_t> fontColour;
    std::optional<int32_t> fontColourHighlight;
    std::optional<int32_t> disabledFontColour;
    std::optional<int32_t> backColour;
    std::optional<int32_t> backColourHighlight;
    std::optional<int32_t> borderColour;
    std::optional<int32_t> disabledBackColour;
    std::optional<int32_t> borderWidth;  // 1 to 9
    ItemRef font;
    bool sorted = false;
    std::vector<std::wstring> entries;  // LISTPANELITEM texts, only with a LISTPANELITEMS child
    std::optional<ScrollBarDescription> scrollBar;
};

struct ListHeaderDescription
{
    std::optional<int32_t> backColour;
    std::optional<int32_t> fontColour;
};

struct ListColumnDescription
{
    int32_t column = 0;  // list column table
    int32_t type = 0;    // column type table
    int32_t width = 0;   // never 0
    std::wstring heading;
    // CHECKBOX columns only:
    bool exclusive = false;
    PictureRef normal = nullptr;  // SBMN
    PictureRef down = nullptr;    // SBMD
    PictureRef mask = nullptr;    // SBMM
};

struct ListCtrlDescription
{
    static constexpr ItemKind kKind = ItemKind::ListCtrl;
    int32_t identifier = -1;
    LayoutRect rect;
    std::optional<ListHeaderDescription> header;  // none: the list has no column header
    ItemRef font;
    std::optional<int32_t> fontColour;
    std::optional<int32_t> fontColourHighlight;
    std::optional<int32_t> backColour;
    std::optional<int32_t> backColourHighlight;
    std::optional<int32_t> borderColour;
    std::vector<ListColumnDescription> columns;  // at least one
    bool sorted = false;
};

struct EditDescription
{
    static constexpr ItemKind kKind = ItemKind::Edit;
    int32_t identifier = -1;
    std::optional<int32_t> fontColour;
    std::optional<int32_t> fontColourHighlight;
    std::optional<int32_t> borderColour;
    std::optional<int32_t> backColour;
    std::optional<int32_t> backColourHighlight;
    std::optional<int32_t> borderWidth;  // 1 to 9
    ItemRef font;
    LayoutRect rect;
    int32_t max = 0;  // the most characters the field accepts
};

// EDITCTRLSK: the fields of EDITCTRL, for a field that takes one key.
struct SingleKeyEditDescription : EditDescription
{
    static constexpr ItemKind kKind = ItemKind::SingleKeyEdit;
};

using ItemDescription =
    std::variant<PanelBitmapDescription, LanguageDescription, FontDescription, BitmapItemDescription,
                 BitmapWindowDescription, ButtonDescription, ProfileButtonDescription, AviButtonDescription,
                 VerticalSliderDescription, MultiSliderDescription, ApmSliderDescription, MarkerDescription,
                 DpiStageWindowDescription, MacroDisplayDescription, TextItemDescription, ComboDescription,
                 ListPanelDescription, ListCtrlDescription, EditDescription, SingleKeyEditDescription>;

[[nodiscard]] ItemKind KindOf(const ItemDescription& item) noexcept;
[[nodiscard]] int32_t IdentifierOf(const ItemDescription& item) noexcept;

// Something a read refused or could not use. The read still drops only the smallest unit (the
// file, the element, the picture); the problems say what was dropped, for the caller to tell
// the user that the installation is damaged.
struct LayoutProblem
{
    enum class Kind : uint8_t
    {
        LayoutUnreadable,    // the layout file is missing, cannot be read or is too large
        LayoutMalformed,     // not well-formed XML: cut short, a wrong byte-order mark, ...
        NoContainer,         // neither GUIPANEL nor ITEMLIST
        PictureUnloaded,     // a picture that does not load (a panel's background or mask ends the read)
        FontUnloaded,        // a font file that registers no font
        LanguageUnreadable,  // a language file that is missing or cannot be read: its LANG is dropped
        LanguageDamaged,     // a language file that was read but is damaged (see languageFault)
        OutsideFolder,       // a file name that would leave its folder: not read
    };

    Kind kind = Kind::LayoutUnreadable;
    std::wstring file;  // the layout's own name, or the file name the layout gave
    LanguageFileFault languageFault = LanguageFileFault::None;
    size_t offset = 0;  // LayoutMalformed: where the parser stopped (bytes of the text as UTF-8)

    friend bool operator==(const LayoutProblem&, const LayoutProblem&) = default;
};

// Everything one layout file describes, in the order the items join the caller's item list.
struct LayoutDescription
{
    std::vector<ItemDescription> items;
    // What the read refused, in the order it met it; each file at most once.
    std::vector<LayoutProblem> problems;
    // The tables of the LANG elements, each registered with the language set for as long as it
    // is kept (the language items take them over).
    std::vector<CRegisteredLanguage> languageTables;

    // The first item with the identifier, of any kind.
    [[nodiscard]] ItemRef Find(int32_t identifier) const noexcept;
    // The item at a reference as the description of its kind; nullptr for another kind.
    template <typename Description>
    [[nodiscard]] const Description* As(size_t index) const noexcept
    {
        return index < items.size() ? std::get_if<Description>(&items[index]) : nullptr;
    }
};
