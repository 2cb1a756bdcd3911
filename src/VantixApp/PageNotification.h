#pragma once

#include <windows.h>

#include "vocabulary/Notifications.h"

class CGUIItem;

// One private notification as a page receives it: the message, its parameters, and the item
// that sent it when a parameter names the sender's window (null otherwise).
struct PageNotification
{
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CGUIItem* sender = nullptr;

    // The record the second parameter points to, when this notification carries a record of
    // that type (ListCellText, ListCellCheck, ListRow); null otherwise.
    template <typename Record>
    [[nodiscard]] const Record* RecordAs() const noexcept
    {
        const NotificationInfo* info = FindNotification(message);
        if (info == nullptr || info->record != kRecordOf<Record> || info->record == NotificationRecord::None)
            return nullptr;
        return reinterpret_cast<const Record*>(lParam);
    }
};
