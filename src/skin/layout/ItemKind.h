#pragma once

#include <cstdint>

// Which layout element produced an item; the numbers are the layout format's item kinds.
enum class ItemKind : int32_t
{
    PanelBitmap = 0,      // BACKGROUND, MASK
    BitmapItem = 1,       // BITMAPITEM
    Button = 2,           // BUTTON
    AviButton = 3,        // AVIBUTTON
    ProfileButton = 4,    // PROFBUTTON
    VerticalSlider = 5,   // VSLIDER
    SliderStage = 6,      // one STAGE of an HSLIDERM (held by its slider, not in the item list)
    Marker = 7,           // DMARKER
    MultiSlider = 8,      // HSLIDERM
    ApmSlider = 9,        // HSLIDERMAPM
    MacroDisplay = 10,    // MACRODISPLAY, MACRODISPLAYRO
    TextItem = 11,        // TEXTITEM
    Font = 12,            // FONT
    Language = 13,        // LANG
    Combo = 14,           // COMBO
    ListPanel = 15,       // LISTPANEL
    BitmapWindow = 16,    // BITMAPWINDOW
    ListCtrl = 17,        // LISTCTRL
    Edit = 18,            // EDITCTRL
    SingleKeyEdit = 19,   // EDITCTRLSK
    DpiStageWindow = 20,  // DPISTAGEWINDOW
};
