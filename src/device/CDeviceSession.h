#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/AssignmentInfo.h"
#include "device/DeviceTerms.h"
#include "device/service/ComPtr.h"
#include "device/service/MouseService.h"

class CMacro;
class IMouseConfig;
class IMouseProfile;

// The work done over one connection to a matched device: reading the stored profiles,
// transfers in both directions, and macro and profile import and export. It borrows the device
// interface; CMouse connects before and disconnects after.
class CDeviceSession
{
public:
    // What Initialize learned of the device, which the session needs to encode buttons.
    struct Capabilities
    {
        uint32_t productId = 0;
        std::vector<uint32_t> buttons;     // device button bits, in the order buttons are written
        std::vector<uint32_t> altButtons;  // a second button list; this mouse has none
    };

    CDeviceSession(svc::IServiceDevice* device, const Capabilities& capabilities) noexcept;

    // Replaces the configuration's profiles by those stored on the device (found or created by
    // name, each starting from the defaults) and reads the assignable buttons with the active
    // stored profile.
    bool LoadStoredProfiles(IMouseConfig& config, std::vector<uint32_t>& buttons);

    // The flagged parts in one direction; true only when every step the flags ask for succeeded
    // (a failed step does not stop the ones after it).
    bool Read(IMouseConfig& config, TransferFlags flags);
    bool Write(IMouseConfig& config, TransferFlags flags);

    bool WriteMacro(CMacro& macro);
    bool ReadMacro(const Guid& id, CMacro& macro);
    bool ClearMacros();

    bool ImportProfile(const std::wstring& path, IMouseConfig& config);
    bool ExportProfile(const std::wstring& path, const IMouseProfile& profile);
    bool HasProfile(const IMouseProfile& profile);
    // Makes the stored profile with this id the active one; nothing else is written.
    bool ActivateProfile(const Guid& id);
    bool ImportMacro(const std::wstring& path, IMouseConfig& config);
    bool ExportMacro(const std::wstring& path, const CMacro& macro);
    bool HasMacro(const CMacro& macro);
    uint32_t CountProfiles();

private:
    [[nodiscard]] svc::ComPtr<svc::IDeviceProfiles> Profiles() const;
    [[nodiscard]] svc::ComPtr<svc::IDeviceMacros> Macros() const;

    // Finds the stored copy of a configuration profile, creating one for a profile without an
    // id; null when there is none. `failed` is set when the service gave a profile no name.
    svc::ComPtr<svc::IDeviceProfile> StoredProfileFor(svc::IDeviceProfiles& stored, IMouseProfile& profile,
                                                       bool& failed);
    void PruneProfiles(svc::IDeviceProfiles& stored, IMouseConfig& config);
    void PruneMacros(svc::IDeviceMacros& stored, IMouseConfig& config);
    bool WriteProfileParts(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile,
                           TransferFlags flags);
    bool ReadProfileParts(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile,
                          TransferFlags flags);
    [[nodiscard]] bool CarriesZones(TransferFlags flags) const noexcept;

    bool WriteButtons(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
    bool ReadButtons(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
    // Turns by-name references (codes 21 and 6) into id references, storing the target on the
    // device first when it has no id yet; false when the button is to be skipped.
    bool ResolveReference(AssignmentInfo& info, IMouseConfig& config);
    bool ResolveProfileReference(AssignmentInfo& info, IMouseConfig& config);
    bool ResolveMacroReference(AssignmentInfo& info, IMouseConfig& config);

    bool WriteMacros(IMouseConfig& config);
    bool ReadMacros(IMouseConfig& config);
    // Reads a stored macro's id and events into a configuration macro found or created by its
    // name; the configuration macro is deleted again when either read fails.
    bool ReadStoredMacroInto(svc::IDeviceMacro& stored, IMouseConfig& config, CMacro*& macro);

    svc::IServiceDevice* m_device;  // borrowed from the connection
    const Capabilities& m_capabilities;
};
