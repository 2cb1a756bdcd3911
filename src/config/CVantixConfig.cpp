#include "config/CVantixConfig.h"

#include "config/AssignmentTables.h"
#include "platform/FileSystem.h"

namespace {

constexpr int32_t kDefaultResolution = 800;
constexpr uint32_t kSensitivityMin = 110;
constexpr uint32_t kSensitivityMax = 800;
constexpr uint32_t kSensitivityStep = 10;
constexpr int32_t kDefaultSensitivity = 800;
constexpr int32_t kPollingRate125Hz = 0;

std::wstring WithSeparator(std::wstring folder)
{
    if (folder.empty() || (folder.back() != L'\\' && folder.back() != L'/'))
        folder.push_back(platform::kPathSeparator);
    return folder;
}

}  // namespace

CVantixConfig::CVantixConfig(const std::wstring& programDirectory)
{
    const std::wstring saveFolder = WithSeparator(programDirectory) + L"save" + platform::kPathSeparator;
    SetFilePaths(saveFolder + L"Vantix.dnc", saveFolder, saveFolder);
}

IMouseProfile* CVantixConfig::CreateProfile(const std::wstring& name)
{
    IMouseProfile* profile = CMouseConfig::CreateProfile(name);
    if (profile != nullptr)
        ApplyProfileDefaults(profile);
    return profile;
}

void CVantixConfig::ApplyProfileDefaults(IMouseProfile* profile)
{
    for (const auto& [button, info] : AssignmentTables::DefaultButtonAssignments())
        SetButtonAssignment(button, info, profile);
    for (const auto& [key, info] : AssignmentTables::DefaultKeyAssignments())
        SetKeyAssignment(key, info, profile);
    SetKeysEnabled(true, profile);
    SetSensitivitySeparateXY(false, profile);
    SetResolution(kDefaultResolution, profile);
    SetSensitivityRange(kSensitivityMin, kSensitivityMax, kSensitivityStep, profile);
    SetSensitivity(kDefaultSensitivity, profile);
    SetSensitivityX(kDefaultSensitivity, profile);
    SetSensitivityY(kDefaultSensitivity, profile);
    SetPollingRateIndex(kPollingRate125Hz, profile);
    SetAuxLight(true, profile);
    SetGlowLight(true, profile);
    SetDpiOsd(true, profile);
    const IMouseProfile* active = GetActiveProfile();
    SetProfileOsdAll(profile == nullptr || (active != nullptr && active->GetProfileOsd()));
    SetProgramPath(profile, L"");
    SetAutoSwitch(profile, false);
}
