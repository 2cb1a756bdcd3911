#include "device/CDeviceSession.h"

#include <algorithm>

#include "config/IMouseConfig.h"
#include "config/IMouseProfile.h"
#include "device/DeviceSteps.h"
#include "device/DeviceTranslation.h"
#include "macro/CMacro.h"
#include "platform/TextCase.h"
#include "platform/Utf16.h"

namespace {

using DeviceSteps::GetFeature;
using DeviceSteps::TakeName;

// Button lists longer than the 23 device bits are not believed.
constexpr uint32_t kMaxButtons = 32;
// Event blocks longer than the largest macro the pages record are cut when read.
constexpr uint32_t kMaxEvents = 1u << 20;

template <typename Stored>
bool ReadName(Stored& stored, std::wstring& name)
{
    svc::TaskMemPtr<char16_t> text;
    return TakeName(stored.GetName(text.Put()), text, name);
}

enum class SameName
{
    OnlyWithoutId,  // start-up: every profile comes from the device, each with its own id
    Replaces,       // import: the imported profile takes the place of the one of its name
};

// The configuration profile a stored profile is read into: the one holding its id, else the one
// of exactly its name (see SameName), else a new one. Exact names keep "Work" and "work" apart:
// both may be stored, and a lookup that ignored case would fold them into one profile, and the
// next write would prune the other from the device.
IMouseProfile* ProfileForStored(IMouseConfig& config, svc::IDeviceProfile& stored, const std::wstring& name,
                                SameName rule)
{
    Guid id;
    if (svc::Succeeded(stored.GetId(&id)) && !id.IsNull()) {
        if (IMouseProfile* known = config.FindProfileByGuid(id))
            return known;
    }
    for (uint32_t index = 0; index < config.GetProfileCount(); ++index) {
        IMouseProfile* profile = config.GetProfileAt(index);
        if (profile->GetName() == name && (rule == SameName::Replaces || profile->GetGuid().IsNull()))
            return profile;
    }
    return config.CreateProfile(name);
}

template <typename Stored>
bool ReadEvents(Stored& stored, std::vector<MacroEvent>& events)
{
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    if (svc::Failed(stored.GetEvents(block.Put())) || !block)
        return false;
    events = DeviceTranslation::EventsFromBlock(*block.Get(), kMaxEvents);
    return true;
}

}  // namespace

CDeviceSession::CDeviceSession(svc::IServiceDevice* device, const Capabilities& capabilities) noexcept
    : m_device(device)
    , m_capabilities(capabilities)
{
}

svc::ComPtr<svc::IDeviceProfiles> CDeviceSession::Profiles() const
{
    return GetFeature<svc::IDeviceProfiles>(m_device, svc::kIidDeviceProfiles);
}

svc::ComPtr<svc::IDeviceMacros> CDeviceSession::Macros() const
{
    return GetFeature<svc::IDeviceMacros>(m_device, svc::kIidDeviceMacros);
}

// ---- start-up ------------------------------------------------------------------------------

bool CDeviceSession::LoadStoredProfiles(IMouseConfig& config, std::vector<uint32_t>& buttons)
{
    auto profiles = Profiles();
    if (!profiles)
        return false;
    config.ClearProfiles();
    // The outcome is that of the last stored profile the configuration could take.
    bool success = false;
    svc::ComPtr<svc::IDeviceProfile> stored;
    for (uint32_t index = 0; svc::Succeeded(profiles->GetItem(index, stored.Put())); ++index) {
        std::wstring name;
        if (!ReadName(*stored.Get(), name))
            continue;
        IMouseProfile* profile = ProfileForStored(config, *stored.Get(), name, SameName::OnlyWithoutId);
        if (profile == nullptr)
            continue;
        Guid id;
        if (svc::Succeeded(stored->GetId(&id)))
            profile->SetGuid(id);
        success = DeviceSteps::ReadStartupResolution(stored.Get(), config, profile) &&
                  DeviceSteps::SetSensitivityRange(stored.Get(), config, profile);
    }

    svc::ComPtr<svc::IDeviceProfile> active;
    if (!success || svc::Failed(profiles->GetActive(active.Put())))
        return false;
    auto map = GetFeature<svc::IButtonMap>(active.Get(), svc::kIidButtonMap);
    uint32_t count = 0;
    uint32_t reserved = 0;
    uint32_t mask = 0;
    if (!map || svc::Failed(map->GetCaps(&count, &reserved, &mask)))
        return false;
    buttons = DeviceTranslation::AssignableButtons(std::min(count, kMaxButtons), mask);
    return true;
}

// ---- reading -------------------------------------------------------------------------------

bool CDeviceSession::CarriesZones(TransferFlags flags) const noexcept
{
    return m_capabilities.productId == ProductId::kWithColourZones && (flags & TransferFlag::kZones) != 0;
}

bool CDeviceSession::Read(IMouseConfig& config, TransferFlags flags)
{
    auto profiles = Profiles();
    if (!profiles)
        return false;
    Guid activeId;
    svc::ComPtr<svc::IDeviceProfile> active;
    if (svc::Succeeded(profiles->GetActive(active.Put())))
        active->GetId(&activeId);

    // Every step runs; the transfer succeeds only when all of them did.
    bool result = true;
    svc::ComPtr<svc::IDeviceProfile> stored;
    for (uint32_t index = 0; svc::Succeeded(profiles->GetItem(index, stored.Put())); ++index) {
        Guid id;
        if (svc::Failed(stored->GetId(&id))) {
            result = false;
            continue;
        }
        IMouseProfile* profile = config.FindProfileByGuid(id);
        if (profile == nullptr)
            continue;
        if (!activeId.IsNull() && activeId == id)
            config.SetActiveProfile(profile);
        result = DeviceSteps::ReadProfileValues(stored.Get(), *profile) && result;
        result = ReadProfileParts(stored.Get(), config, profile, flags) && result;
    }

    if (flags & TransferFlag::kAcceleration)
        result = DeviceSteps::ReadAcceleration(m_device, config) && result;
    if (flags & TransferFlag::kPollingRate)
        result = DeviceSteps::ReadPollingRate(m_device, config) && result;
    if (flags & TransferFlag::kMacros)
        result = ReadMacros(config) && result;
    if (CarriesZones(flags))
        result = DeviceSteps::ReadZones(m_device, config) && result;
    return result;
}

// Each part is read only while the ones before it succeeded.
bool CDeviceSession::ReadProfileParts(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile,
                                      TransferFlags flags)
{
    bool ok = true;
    if (flags & TransferFlag::kResolution)
        ok = DeviceSteps::ReadResolution(stored, config, profile) && DeviceSteps::ReadSensitivity(stored, config, profile);
    if (ok && (flags & TransferFlag::kButtons))
        ok = ReadButtons(stored, config, profile);
    if (ok && (flags & TransferFlag::kLights))
        ok = DeviceSteps::ReadLights(stored, config, profile);
    return ok;
}

bool CDeviceSession::ReadButtons(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    if (m_capabilities.buttons.empty())
        return false;
    auto map = GetFeature<svc::IButtonMap>(stored, svc::kIidButtonMap);
    if (!map)
        return false;
    std::vector<svc::ButtonRecord> records(m_capabilities.buttons.size());
    auto count = static_cast<uint32_t>(records.size());
    if (svc::Failed(map->Get(&count, records.data())))
        return false;
    count = std::min(count, static_cast<uint32_t>(records.size()));
    for (uint32_t i = 0; i < count; ++i) {
        const int32_t button = DeviceTranslation::ButtonIdForIndex(records[i].Word(4));
        if (button != 0)
            config.SetButtonAssignment(button, DeviceTranslation::AssignmentFromRecord(records[i]), profile);
    }
    return true;
}

bool CDeviceSession::ReadMacros(IMouseConfig& config)
{
    auto macros = Macros();
    if (!macros)
        return false;
    svc::ComPtr<svc::IDeviceMacro> stored;
    for (uint32_t index = 0; svc::Succeeded(macros->GetItem(index, stored.Put())); ++index) {
        CMacro* macro = nullptr;
        ReadStoredMacroInto(*stored.Get(), config, macro);
    }
    return true;
}

bool CDeviceSession::ReadStoredMacroInto(svc::IDeviceMacro& stored, IMouseConfig& config, CMacro*& macro)
{
    std::wstring name;
    if (!ReadName(stored, name))
        return false;
    Guid id;
    std::vector<MacroEvent> events;
    // Everything is read before the configuration changes: a record that cannot be read
    // leaves alone the macro that has its name.
    if (svc::Failed(stored.GetId(&id)) || !ReadEvents(stored, events)) {
        macro = nullptr;
        return false;
    }
    macro = config.FindMacroByName(name);
    if (macro == nullptr)
        macro = config.AddMacro(name);
    if (macro == nullptr)
        return false;
    macro->SetGuid(id);
    if (events.empty())
        return false;
    macro->SetEvents(std::move(events));
    return true;
}

bool CDeviceSession::ReadMacro(const Guid& id, CMacro& macro)
{
    auto macros = Macros();
    svc::ComPtr<svc::IDeviceMacro> stored;
    if (!macros || svc::Failed(macros->FindById(id, stored.Put())))
        return false;
    Guid storedId;
    std::wstring name;
    std::vector<MacroEvent> events;
    if (svc::Failed(stored->GetId(&storedId)))
        return false;
    macro.SetGuid(storedId);
    if (!ReadName(*stored.Get(), name) || !macro.SetName(name) || !ReadEvents(*stored.Get(), events))
        return false;
    if (!events.empty())
        macro.SetEvents(std::move(events));
    return true;
}

// ---- writing -------------------------------------------------------------------------------

bool CDeviceSession::Write(IMouseConfig& config, TransferFlags flags)
{
    auto profiles = Profiles();
    if (!profiles)
        return false;
    PruneProfiles(*profiles.Get(), config);

    // Every step runs; the transfer succeeds only when all of them did.
    bool result = true;
    svc::ComPtr<svc::IDeviceProfile> toActivate;
    for (uint32_t index = 0; index < config.GetProfileCount(); ++index) {
        IMouseProfile* profile = config.GetProfileAt(index);
        bool failed = false;
        svc::ComPtr<svc::IDeviceProfile> stored = StoredProfileFor(*profiles.Get(), *profile, failed);
        if (failed)
            return false;
        if (!stored) {
            result = false;
            continue;
        }
        result = DeviceSteps::WriteProfileValues(stored.Get(), *profile) && result;
        if (profile == config.GetActiveProfile())
            toActivate = svc::ComPtr<svc::IDeviceProfile>::Share(stored.Get());
        result = WriteProfileParts(stored.Get(), config, profile, flags) && result;
    }

    if (flags & TransferFlag::kAcceleration)
        result = DeviceSteps::WriteAcceleration(m_device, config) && result;
    if (flags & TransferFlag::kPollingRate)
        result = DeviceSteps::WritePollingRate(m_device, config) && result;

    auto macros = Macros();
    if (!macros)
        return false;
    PruneMacros(*macros.Get(), config);
    if (flags & TransferFlag::kMacros)
        result = WriteMacros(config) && result;
    if (CarriesZones(flags))
        result = DeviceSteps::WriteZones(m_device, config) && result;

    if (!toActivate || svc::Failed(profiles->SetActive(toActivate.Get())))
        return false;
    return result;
}

svc::ComPtr<svc::IDeviceProfile> CDeviceSession::StoredProfileFor(svc::IDeviceProfiles& stored, IMouseProfile& profile,
                                                                  bool& failed)
{
    svc::ComPtr<svc::IDeviceProfile> result;
    if (profile.GetGuid().IsNull()) {
        // A new stored profile; it is named with the profile values that follow.
        Guid id;
        if (svc::Failed(stored.Create(result.Put(), nullptr)) || svc::Failed(result->GetId(&id))) {
            result.Reset();
            return result;
        }
        profile.SetGuid(id);
        return result;
    }
    if (svc::Failed(stored.FindById(profile.GetGuid(), result.Put()))) {
        result.Reset();
        return result;
    }
    std::wstring name;
    if (!ReadName(*result.Get(), name)) {
        failed = true;
        result.Reset();
        return result;
    }
    if (!platform::EqualsIgnoreCase(name, profile.GetName()))
        result->SetName(platform::ToUtf16(profile.GetName()).c_str());
    return result;
}

// The sensitivity is written only after the resolution it belongs to.
bool CDeviceSession::WriteProfileParts(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile,
                                       TransferFlags flags)
{
    bool ok = true;
    if (flags & TransferFlag::kResolution)
        ok = DeviceSteps::WriteResolution(stored, config, profile) &&
             DeviceSteps::WriteSensitivity(stored, config, profile);
    if (flags & TransferFlag::kButtons)
        ok = WriteButtons(stored, config, profile) && ok;
    if (flags & TransferFlag::kLights)
        ok = DeviceSteps::WriteLights(stored, config, profile) && ok;
    return ok;
}

// Stored profiles the configuration no longer knows are removed; after a removal the same
// index holds the next one.
void CDeviceSession::PruneProfiles(svc::IDeviceProfiles& stored, IMouseConfig& config)
{
    svc::ComPtr<svc::IDeviceProfile> profile;
    for (uint32_t index = 0; svc::Succeeded(stored.GetItem(index, profile.Put()));) {
        Guid id;
        const bool known = svc::Failed(profile->GetId(&id)) || config.FindProfileByGuid(id) != nullptr;
        if (known || svc::Failed(stored.Remove(profile.Get())))
            ++index;
    }
}

void CDeviceSession::PruneMacros(svc::IDeviceMacros& stored, IMouseConfig& config)
{
    svc::ComPtr<svc::IDeviceMacro> macro;
    for (uint32_t index = 0; svc::Succeeded(stored.GetItem(index, macro.Put()));) {
        Guid id;
        const bool known = svc::Failed(macro->GetId(&id)) || config.FindMacroByGuid(id) != nullptr;
        if (known || svc::Failed(stored.Remove(macro.Get())))
            ++index;
    }
}

bool CDeviceSession::WriteButtons(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto map = GetFeature<svc::IButtonMap>(stored, svc::kIidButtonMap);
    if (!map)
        return false;
    bool result = true;
    const auto writeAll = [&](const std::vector<uint32_t>& bits, auto& target) {
        for (uint32_t bit : bits) {
            const int32_t button = DeviceTranslation::ButtonIdForBit(bit);
            AssignmentInfo info = config.GetButtonAssignment(button, profile);
            if (!ResolveReference(info, config))
                continue;
            const svc::ButtonRecord record =
                DeviceTranslation::RecordFromAssignment(DeviceTranslation::DeviceButtonIndex(button), info);
            if (svc::Failed(target.Set(1, &record)))
                result = false;
        }
    };
    writeAll(m_capabilities.buttons, *map.Get());
    if (auto alternative = GetFeature<svc::IButtonMapAlt>(stored, svc::kIidButtonMapAlt))
        writeAll(m_capabilities.altButtons, *alternative.Get());
    return result;
}

bool CDeviceSession::ResolveReference(AssignmentInfo& info, IMouseConfig& config)
{
    switch (info.functionCode) {
    case FunctionCode::kProfileByName:
        return ResolveProfileReference(info, config);
    case FunctionCode::kMacroByName:
        return ResolveMacroReference(info, config);
    default:
        return true;
    }
}

bool CDeviceSession::ResolveProfileReference(AssignmentInfo& info, IMouseConfig& config)
{
    IMouseProfile* target = config.FindProfileByName(info.ReferenceName());
    if (target == nullptr)
        return false;
    if (target->GetGuid().IsNull()) {
        auto profiles = Profiles();
        svc::ComPtr<svc::IDeviceProfile> created;
        Guid id;
        if (!profiles || svc::Failed(profiles->Create(created.Put(), nullptr)) || svc::Failed(created->GetId(&id)))
            return false;
        target->SetGuid(id);
        if (svc::Failed(created->SetName(platform::ToUtf16(target->GetName()).c_str())))
            return false;
    }
    info = AssignmentInfo::Profile(target->GetGuid());
    return true;
}

// A macro that is not yet stored is written first. A macro that already has an id is
// referenced by it, so the button runs the macro it names either way.
bool CDeviceSession::ResolveMacroReference(AssignmentInfo& info, IMouseConfig& config)
{
    CMacro* macro = config.FindMacroByName(info.ReferenceName());
    if (macro == nullptr)
        return false;
    if (macro->GetGuid().IsNull() && !WriteMacro(*macro))
        return false;
    if (macro->GetGuid().IsNull())
        return false;
    info = AssignmentInfo::Macro(macro->GetGuid());
    return true;
}

bool CDeviceSession::WriteMacros(IMouseConfig& config)
{
    auto macros = Macros();
    if (!macros)
        return false;
    for (uint32_t index = 0; index < config.GetMacroCount(); ++index) {
        CMacro* macro = config.GetMacroAt(index);
        CMacro storedCopy(L"", {});
        if (macro->GetGuid().IsNull() || !ReadMacro(macro->GetGuid(), storedCopy)) {
            WriteMacro(*macro);
            continue;
        }
        if (storedCopy == *macro)
            continue;
        svc::ComPtr<svc::IDeviceMacro> stored;
        if (svc::Failed(macros->FindById(macro->GetGuid(), stored.Put())))
            continue;
        if (!platform::EqualsIgnoreCase(storedCopy.GetName(), macro->GetName()))
            stored->SetName(platform::ToUtf16(macro->GetName()).c_str());
        const auto block = DeviceTranslation::BuildEventBlock(macro->GetEvents());
        stored->SetEvents(block.Get());
    }
    return true;
}

bool CDeviceSession::WriteMacro(CMacro& macro)
{
    if (macro.GetEvents().empty())
        return false;
    const auto block = DeviceTranslation::BuildEventBlock(macro.GetEvents());
    auto macros = Macros();
    svc::ComPtr<svc::IDeviceMacro> stored;
    if (!macros || svc::Failed(macros->Create(stored.Put())))
        return false;
    Guid id;
    if (svc::Succeeded(stored->GetId(&id)))
        macro.SetGuid(id);
    if (block)
        stored->SetEvents(block.Get());
    stored->SetName(platform::ToUtf16(macro.GetName()).c_str());
    return true;
}

bool CDeviceSession::ClearMacros()
{
    auto macros = Macros();
    if (!macros)
        return false;
    svc::ComPtr<svc::IDeviceMacro> macro;
    for (uint32_t index = 0; svc::Succeeded(macros->GetItem(index, macro.Put()));) {
        if (svc::Failed(macros->Remove(macro.Get())))
            ++index;
    }
    return true;
}

// ---- import, export and presence -------------------------------------------------------------

bool CDeviceSession::ImportProfile(const std::wstring& path, IMouseConfig& config)
{
    auto profiles = Profiles();
    svc::ComPtr<svc::IDeviceProfile> stored;
    if (!profiles || svc::Failed(profiles->Import(platform::ToUtf16(path).c_str(), stored.Put())))
        return false;
    std::wstring name;
    if (!ReadName(*stored.Get(), name))
        return true;
    IMouseProfile* profile = ProfileForStored(config, *stored.Get(), name, SameName::Replaces);
    if (profile == nullptr)
        return true;
    Guid id;
    if (svc::Succeeded(stored->GetId(&id)))
        profile->SetGuid(id);
    DeviceSteps::ReadStartupResolution(stored.Get(), config, profile);
    DeviceSteps::SetSensitivityRange(stored.Get(), config, profile);
    DeviceSteps::ReadProfileValues(stored.Get(), *profile);
    DeviceSteps::ReadResolution(stored.Get(), config, profile);
    // Without it the profile would keep a new profile's sensitivity, which the next write would
    // store over the imported one.
    DeviceSteps::ReadSensitivity(stored.Get(), config, profile);
    ReadButtons(stored.Get(), config, profile);
    DeviceSteps::ReadLights(stored.Get(), config, profile);
    return true;
}

bool CDeviceSession::ExportProfile(const std::wstring& path, const IMouseProfile& profile)
{
    auto profiles = Profiles();
    svc::ComPtr<svc::IDeviceProfile> stored;
    return profiles && svc::Succeeded(profiles->FindById(profile.GetGuid(), stored.Put())) &&
           svc::Succeeded(stored->Export(platform::ToUtf16(path).c_str()));
}

bool CDeviceSession::HasProfile(const IMouseProfile& profile)
{
    auto profiles = Profiles();
    svc::ComPtr<svc::IDeviceProfile> stored;
    return profiles && svc::Succeeded(profiles->FindById(profile.GetGuid(), stored.Put()));
}

bool CDeviceSession::ActivateProfile(const Guid& id)
{
    auto profiles = Profiles();
    svc::ComPtr<svc::IDeviceProfile> stored;
    return profiles && !id.IsNull() && svc::Succeeded(profiles->FindById(id, stored.Put())) &&
           svc::Succeeded(profiles->SetActive(stored.Get()));
}

bool CDeviceSession::ImportMacro(const std::wstring& path, IMouseConfig& config)
{
    auto macros = Macros();
    svc::ComPtr<svc::IDeviceMacro> stored;
    if (!macros || svc::Failed(macros->Import(platform::ToUtf16(path).c_str(), stored.Put())))
        return false;
    CMacro* macro = nullptr;
    const bool read = ReadStoredMacroInto(*stored.Get(), config, macro);
    if (macro != nullptr)
        macro->SetText(path);
    return read;
}

bool CDeviceSession::ExportMacro(const std::wstring& path, const CMacro& macro)
{
    auto macros = Macros();
    svc::ComPtr<svc::IDeviceMacro> stored;
    return !macro.GetGuid().IsNull() && macros && svc::Succeeded(macros->FindById(macro.GetGuid(), stored.Put())) &&
           svc::Succeeded(stored->Export(platform::ToUtf16(path).c_str()));
}

bool CDeviceSession::HasMacro(const CMacro& macro)
{
    auto macros = Macros();
    svc::ComPtr<svc::IDeviceMacro> stored;
    return !macro.GetGuid().IsNull() && macros && svc::Succeeded(macros->FindById(macro.GetGuid(), stored.Put()));
}

uint32_t CDeviceSession::CountProfiles()
{
    auto profiles = Profiles();
    if (!profiles)
        return 0;
    uint32_t count = 0;
    svc::ComPtr<svc::IDeviceProfile> stored;
    while (svc::Succeeded(profiles->GetItem(count, stored.Put())))
        ++count;
    return count;
}
