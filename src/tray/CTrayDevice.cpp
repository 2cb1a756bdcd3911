#include "tray/CTrayDevice.h"

#include "config/CVantixConfig.h"
#include "config/IMouseProfile.h"
#include "device/CDeviceSession.h"

namespace tray {

CTrayDevice::CTrayDevice(ServiceFactory factory, std::wstring programDirectory)
    : m_mouse(std::move(factory)), m_programDirectory(std::move(programDirectory))
{
}

MouseSnapshot CTrayDevice::Read()
{
    MouseSnapshot snapshot;
    CVantixConfig config(m_programDirectory);
    (void)m_mouse.Initialize(&config, ProductId::kPeraxil1800);
    if (!m_mouse.IsConnected() || !m_mouse.Transfer(&config, TransferDirection::Read, TransferFlag::kResolution))
        return snapshot;
    snapshot.present = true;
    for (uint32_t index = 0; index < config.GetProfileCount(); ++index) {
        const IMouseProfile* profile = config.GetProfileAt(index);
        snapshot.profiles.push_back({profile->GetGuid(), profile->GetName(), profile->GetProgramPath(),
                                     profile->GetAutoSwitch(), profile->GetDpiOsd(), profile->GetProfileOsd(),
                                     profile->GetResolution()});
    }
    if (const IMouseProfile* active = config.GetActiveProfile())
        snapshot.active = active->GetGuid();
    return snapshot;
}

bool CTrayDevice::Activate(const Guid& profile)
{
    return m_mouse.ActivateProfile(profile);
}

}  // namespace tray
