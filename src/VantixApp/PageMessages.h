#pragma once

#include <windows.h>

#include <cstdint>

class CGUIItem;

// The private notifications the drawn controls send to the main window.
namespace PageMessage {
inline constexpr UINT kSliderMoved = 0x446;          // position; the thumb's identifier
inline constexpr UINT kProfileNameEdited = 0x52C;    // list window; row, column, text
inline constexpr UINT kProfileProgramChosen = 0x52D; // list window; row, column, path
inline constexpr UINT kProfileCheckToggled = 0x52E;  // list window; row, column, new value
inline constexpr UINT kProfileCellOpened = 0x604;    // list window; row key, column
inline constexpr UINT kProfileOptionChosen = 0x608;  // list window; row, column, option key
inline constexpr UINT kProfileOptionsOpening = 0x610;// list window; row
inline constexpr UINT kEntryChosen = 0x614;          // entry index; drop-down window
inline constexpr UINT kDropdownOpening = 0x634;      // nothing; drop-down window
inline constexpr UINT kMacroEventsEdited = 0x6BC;    // nothing; display window
inline constexpr UINT kMacroEventEdit = 0x6BD;       // nothing; display identifier
inline constexpr UINT kMacroPreviewEnded = 0x6BE;    // nothing
inline constexpr UINT kEditChanged = 0x784;          // nothing; edit window
}  // namespace PageMessage

// One private notification as a page receives it: the message, its parameters, and the item
// that sent it when a parameter names the sender's window (null otherwise).
struct PageNotification
{
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CGUIItem* sender = nullptr;
};

// The page bits of the main window.
namespace PageBit {
inline constexpr unsigned kAssignButtons = 0x01;
inline constexpr unsigned kAssignKeys = 0x02;
inline constexpr unsigned kPerformance = 0x04;
inline constexpr unsigned kProfiles = 0x08;
inline constexpr unsigned kMacros = 0x10;
inline constexpr unsigned kLighting = 0x20;
inline constexpr size_t kPageCount = 6;
}  // namespace PageBit
