#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/win/CGUIPanel.h"

class CDropdownListItem;
class CEditItem;
class CEditItemSingleKeyInput;
class CListPanelItem;
class CXListCtrl;

// The controls gallery: the layout ControlsGallery.xml made into a panel by the program's layout
// loader and item makers, with what a page would add (the report list's rows and option panel,
// the drop-down's profile sub-list, the delay field's range), and a record of every notification
// its controls send to it. Tests drive it; ControlsGallery.exe shows it for screenshots.
class CControlsGallery : public CGUIPanel
{
public:
    static constexpr RECT kSize{0, 0, 960, 560};
    static constexpr COLORREF kBackground = RGB(24, 24, 28);
    // The delay field takes whole numbers in this range.
    static constexpr int32_t kDelayMinimum = 1;
    static constexpr int32_t kDelayMaximum = 5000;

    // One notification as it arrived; the record's fields copied while it lived.
    struct Notice
    {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        int32_t row = 0;
        int32_t column = 0;
        std::wstring text;
        int value = -1;  // a check's new value
    };

    // `layoutPath`: the gallery layout's file (a Windows path).
    CControlsGallery(std::wstring layoutPath, HWND owner);

    [[nodiscard]] CXListCtrl* List() const noexcept;
    [[nodiscard]] CDropdownListItem* Dropdown() const noexcept;
    [[nodiscard]] CEditItem* NameField() const noexcept;
    [[nodiscard]] CEditItem* DelayField() const noexcept;
    [[nodiscard]] CEditItemSingleKeyInput* KeyField() const noexcept;
    [[nodiscard]] CListPanelItem* Options() const noexcept;
    [[nodiscard]] CListPanelItem* ProfileMenu() const noexcept;

    [[nodiscard]] const std::vector<Notice>& Notices() const noexcept { return m_notices; }
    [[nodiscard]] std::vector<Notice> NoticesOf(UINT message) const;
    void ClearNotices() noexcept { m_notices.clear(); }

protected:
    bool OnInitDialog() override;
    void OnPaint() override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FillRows();
    void Record(UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring m_layoutPath;
    std::vector<Notice> m_notices;
};
