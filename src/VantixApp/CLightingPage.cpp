#include "VantixApp/CLightingPage.h"

#include <array>
#include <cwchar>

#include "config/CVantixConfig.h"
#include "device/DeviceTerms.h"
#include "device/IMouseDevice.h"
#include "device/win/CFileVersions.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 2> kCommands = {ItemId::GLOW_LEDON, ItemId::GLOW_LEDOFF};

}  // namespace

CLightingPage::CLightingPage(IPageHost& host, const Items& items) : CPageBase(host, kCommands, {}), m_items(items)
{
    if (m_items.firmwareVersion != nullptr)
        m_firmwareLabel = m_items.firmwareVersion->Text();
    if (m_items.programVersion != nullptr)
        m_programLabel = m_items.programVersion->Text();
    ShowProgramVersion();
}

std::unique_ptr<IVantixPage> CLightingPage::Make(IPageHost& host)
{
    Items items;
    items.lightOn = host.BoundAs<CBitmapBtn>(ItemId::GLOW_LEDON);
    items.lightOff = host.BoundAs<CBitmapBtn>(ItemId::GLOW_LEDOFF);
    items.firmwareVersion = host.BoundAs<CTextItem>(ItemId::TEXT_FIRMWAREVER);
    items.programVersion = host.BoundAs<CTextItem>(ItemId::TEXT_DRIVERVER);
    return std::make_unique<CLightingPage>(host, items);
}

void CLightingPage::OnItemCommand(int32_t identifier)
{
    const bool on = identifier == ItemId::GLOW_LEDON;
    ShowLight(on);
    Host().Config().SetGlowLight(on);
    Host().MarkDirty(TransferFlag::kLights);
}

void CLightingPage::Refresh()
{
    ShowLight(Host().Config().GetGlowLight());
    // The second light has no control here; the device keeps whatever the profile holds.
    (void)Host().Config().GetAuxLight();
}

void CLightingPage::ShowLight(bool on) const
{
    if (m_items.lightOn != nullptr)
        m_items.lightOn->SetChecked(on);
    if (m_items.lightOff != nullptr)
        m_items.lightOff->SetChecked(!on);
}

void CLightingPage::ShowFirmwareVersion()
{
    if (m_items.firmwareVersion == nullptr)
        return;
    std::wstring firmware;
    Host().Device().GetFirmwareVersion(firmware);
    if (!firmware.empty())
        m_items.firmwareVersion->SetText(FirmwareText(m_firmwareLabel, firmware));
}

void CLightingPage::ShowProgramVersion()
{
    if (m_items.programVersion == nullptr)
        return;
    CFileVersions versions;
    versions.SetOwnPath();
    (void)versions.Read();
    const CFileVersions::Parts& product = versions.ProductParts();
    m_items.programVersion->SetText(ProgramVersionText(m_programLabel, product.major,
                                                       static_cast<int>(std::wcstol(product.minor.c_str(), nullptr, 10))));
}

std::wstring CLightingPage::FirmwareText(std::wstring_view label, std::wstring_view firmware)
{
    std::wstring text(label);
    text += L": ";
    text += firmware;
    return text;
}

std::wstring CLightingPage::ProgramVersionText(std::wstring_view label, std::wstring_view major, int minor)
{
    wchar_t minorText[16] = {};
    std::swprintf(minorText, std::size(minorText), L"%.2d", minor);
    std::wstring text(label);
    text += L": ";
    text += major;
    text += L".";
    text += minorText;
    return text;
}
