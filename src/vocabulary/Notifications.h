#pragma once

#include <cstdint>

// The private notifications the drawn controls send to the window that holds them: window
// messages with two word-sized parameters, whose numbers are fixed. Senders (the skin's items,
// the custom controls) and receivers (the main window, its pages, the pop-ups) use these names
// and this one table.
namespace Notification {
inline constexpr uint32_t kSliderMoved = 0x446;            // position; the thumb's identifier
inline constexpr uint32_t kMarkerMoved = 0x450;            // value; the marker's identifier
inline constexpr uint32_t kProfileNameEdited = 0x52C;      // list window; ListCellText (new name)
inline constexpr uint32_t kProfileProgramChosen = 0x52D;   // list window; ListCellText (program path)
inline constexpr uint32_t kProfileCheckToggled = 0x52E;    // list window; ListCellCheck
inline constexpr uint32_t kListPressed = 0x5FC;            // row key (-1: none); list window (no window handles it)
inline constexpr uint32_t kProfileCellOpened = 0x604;      // list window; ListCellText (no text)
inline constexpr uint32_t kProfileOptionChosen = 0x608;    // list window; ListCellText (option key)
inline constexpr uint32_t kProfileOptionsOpening = 0x610;  // list window; the row (ListRow)
inline constexpr uint32_t kStageSelected = 0x5F4;          // stage position (from 1); the tile's identifier
inline constexpr uint32_t kZoneClicked = 0x5F6;            // zone index; the zone slider's identifier
inline constexpr uint32_t kEntryChosen = 0x614;            // entry index; drop-down window
inline constexpr uint32_t kDropdownOpening = 0x634;        // nothing; drop-down window
inline constexpr uint32_t kMacroEventsEdited = 0x6BC;      // nothing; display window
inline constexpr uint32_t kMacroEventEdit = 0x6BD;         // nothing; display identifier
inline constexpr uint32_t kMacroPreviewEnded = 0x6BE;      // nothing
inline constexpr uint32_t kEditChanged = 0x784;            // nothing; edit field window
}  // namespace Notification

// The records some notifications point to with their second parameter. They live only while
// the notification is handled.
struct ListCellText
{
    int32_t row = 0;                // the row's key
    int32_t column = 0;             // the column's position
    const wchar_t* text = nullptr;  // null for kProfileCellOpened
};

struct ListCellCheck
{
    int32_t row = 0;
    int32_t column = 0;
    const uint8_t* value = nullptr;  // the new value, 0 or 1
};

struct ListRow
{
    int32_t row = 0;  // negative: the list's selected row
};

// Which parameter of a notification holds the sending item's window, if any.
enum class SenderWindow : uint8_t
{
    None,
    First,   // wParam
    Second,  // lParam
};

// What the second parameter points to, if anything.
enum class NotificationRecord : uint8_t
{
    None,
    CellText,   // ListCellText
    CellCheck,  // ListCellCheck
    Row,        // ListRow
};

struct NotificationInfo
{
    uint32_t message = 0;
    SenderWindow sender = SenderWindow::None;
    NotificationRecord record = NotificationRecord::None;
};

inline constexpr NotificationInfo kNotificationTable[] = {
    {Notification::kSliderMoved, SenderWindow::None, NotificationRecord::None},
    {Notification::kMarkerMoved, SenderWindow::None, NotificationRecord::None},
    {Notification::kProfileNameEdited, SenderWindow::First, NotificationRecord::CellText},
    {Notification::kProfileProgramChosen, SenderWindow::First, NotificationRecord::CellText},
    {Notification::kProfileCheckToggled, SenderWindow::First, NotificationRecord::CellCheck},
    {Notification::kProfileCellOpened, SenderWindow::First, NotificationRecord::CellText},
    {Notification::kProfileOptionChosen, SenderWindow::First, NotificationRecord::CellText},
    {Notification::kProfileOptionsOpening, SenderWindow::First, NotificationRecord::Row},
    {Notification::kStageSelected, SenderWindow::None, NotificationRecord::None},
    {Notification::kZoneClicked, SenderWindow::None, NotificationRecord::None},
    {Notification::kEntryChosen, SenderWindow::Second, NotificationRecord::None},
    {Notification::kDropdownOpening, SenderWindow::Second, NotificationRecord::None},
    {Notification::kMacroEventsEdited, SenderWindow::Second, NotificationRecord::None},
    {Notification::kMacroEventEdit, SenderWindow::None, NotificationRecord::None},
    {Notification::kMacroPreviewEnded, SenderWindow::None, NotificationRecord::None},
    {Notification::kEditChanged, SenderWindow::Second, NotificationRecord::None},
};

[[nodiscard]] constexpr bool NotificationNumbersAreDistinct() noexcept
{
    for (const NotificationInfo& first : kNotificationTable)
        for (const NotificationInfo& second : kNotificationTable)
            if (&first != &second && first.message == second.message)
                return false;
    return true;
}
static_assert(NotificationNumbersAreDistinct(), "two notifications share a number");

// The table's row of a message; null for a message that is no private notification.
[[nodiscard]] constexpr const NotificationInfo* FindNotification(uint32_t message) noexcept
{
    for (const NotificationInfo& info : kNotificationTable)
        if (info.message == message)
            return &info;
    return nullptr;
}

// The record kind of each record type, for typed access to a notification's record.
template <typename Record>
inline constexpr NotificationRecord kRecordOf = NotificationRecord::None;
template <>
inline constexpr NotificationRecord kRecordOf<ListCellText> = NotificationRecord::CellText;
template <>
inline constexpr NotificationRecord kRecordOf<ListCellCheck> = NotificationRecord::CellCheck;
template <>
inline constexpr NotificationRecord kRecordOf<ListRow> = NotificationRecord::Row;
