#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "VantixApp/CPageBase.h"

class CBitmapBtn;
class CTextItem;

// The lighting and maintenance page: the glow light of the active profile, and the firmware
// and program versions shown on the main page.
class CLightingPage : public CPageBase
{
public:
    // The items the page works with; any of them may be missing from a layout.
    struct Items
    {
        CBitmapBtn* lightOn = nullptr;
        CBitmapBtn* lightOff = nullptr;
        CTextItem* firmwareVersion = nullptr;
        CTextItem* programVersion = nullptr;
    };

    CLightingPage(IPageHost& host, const Items& items);
    // The page with the items the window bound.
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification&) override {}
    void Refresh() override;
    void OnMouseRead() override { ShowFirmwareVersion(); }
    // The mouse's firmware version after its label, each time the mouse was read.
    void ShowFirmwareVersion();
    // The program's own version after its label: shown from the start, mouse or not.
    void ShowProgramVersion();

    // "label: firmware"
    [[nodiscard]] static std::wstring FirmwareText(std::wstring_view label, std::wstring_view firmware);
    // "label: major.minor", the minor number with at least two digits (1 and 2 give "1.02").
    [[nodiscard]] static std::wstring ProgramVersionText(std::wstring_view label, std::wstring_view major, int minor);

private:
    void ShowLight(bool on) const;

    Items m_items;
    // The labels as the layout gave them, before a version was appended.
    std::wstring m_firmwareLabel;
    std::wstring m_programLabel;
};
