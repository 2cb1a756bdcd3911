#include "config/CMouseConfig.h"

#include <algorithm>
#include <utility>

#include "config/CConfigSnapshot.h"
#include "config/IniFile.h"
#include "config/ProfileFileNames.h"
#include "macro/CMacro.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"

namespace {

constexpr wchar_t kSettingsSection[] = L"SETTINGS";
constexpr wchar_t kActiveProfileKey[] = L"ActiveProfileName";

std::wstring WithoutExtension(const std::wstring& fileName)
{
    const size_t dot = fileName.rfind(L'.');
    return dot == std::wstring::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace

CMouseConfig::~CMouseConfig()
{
    ClearProfiles();
}

void CMouseConfig::SetFilePaths(std::wstring configFilePath, std::wstring profileFolder, std::wstring macroFolder)
{
    m_configFilePath = std::move(configFilePath);
    m_profileFolder = std::move(profileFolder);
    m_macroFolder = std::move(macroFolder);
}

void CMouseConfig::CopyFrom(const CMouseConfig& source)
{
    ClearProfiles();
    m_macros.Clear();
    for (const auto& profile : source.m_profiles) {
        m_profiles.push_back(std::make_unique<CMouseProfile>(*profile));
        if (source.m_activeProfile == profile.get())
            m_activeProfile = m_profiles.back().get();
    }
    for (uint32_t i = 0; i < source.GetMacroCount(); ++i) {
        const CMacro* macro = source.GetMacroAt(i);
        CMacro* copy = m_macros.Add(macro->GetName(), macro->GetEvents());
        copy->SetGuid(macro->GetGuid());
        copy->SetText(macro->GetText());
    }
    m_fallbackSeparateXY = source.m_fallbackSeparateXY;
    m_fallbackRangeMin = source.m_fallbackRangeMin;
    m_fallbackRangeMax = source.m_fallbackRangeMax;
    m_fallbackRangeStep = source.m_fallbackRangeStep;
    m_fallbackStageValues = source.m_fallbackStageValues;
    m_fallbackStageValuesX = source.m_fallbackStageValuesX;
    m_fallbackStageValuesY = source.m_fallbackStageValuesY;
    m_fallbackStageCount = source.m_fallbackStageCount;
    m_fallbackActiveStageCount = source.m_fallbackActiveStageCount;
    m_fallbackCurrentStage = source.m_fallbackCurrentStage;
    m_accelerationMin = source.m_accelerationMin;
    m_accelerationMax = source.m_accelerationMax;
    m_accelerationLevel = source.m_accelerationLevel;
    m_accelerationEnabled = source.m_accelerationEnabled;
    m_pollingRateCount = source.m_pollingRateCount;
    m_pollingRateIndex = source.m_pollingRateIndex;
    m_fallbackGlowLight = source.m_fallbackGlowLight;
    m_fallbackAuxLight = source.m_fallbackAuxLight;
    SetFilePaths(source.m_configFilePath, source.m_profileFolder, source.m_macroFolder);
}

int CMouseConfig::IndexOf(const IMouseProfile* profile) const noexcept
{
    for (size_t i = 0; i < m_profiles.size(); ++i) {
        if (m_profiles[i].get() == profile)
            return static_cast<int>(i);
    }
    return -1;
}

// ---- profile list ------------------------------------------------------------------------

void CMouseConfig::ClearProfiles()
{
    m_activeProfile = nullptr;
    while (!m_profiles.empty())
        m_profiles.pop_back();
}

void CMouseConfig::AttachDevice(uint32_t pollingRateCount)
{
    m_pollingRateCount = static_cast<int32_t>(pollingRateCount);
}

std::unique_ptr<CConfigSnapshot> CMouseConfig::TakeSnapshot() const
{
    return std::make_unique<CConfigSnapshot>(*this);
}

IMouseProfile* CMouseConfig::CreateProfile(const std::wstring& name)
{
    m_profiles.push_back(std::make_unique<CMouseProfile>(name));
    return m_profiles.back().get();
}

IMouseProfile* CMouseConfig::AddProfileCopy(IMouseProfile* profile)
{
    const auto* source = dynamic_cast<const CMouseProfile*>(profile);
    if (source == nullptr)
        return nullptr;
    m_profiles.push_back(std::make_unique<CMouseProfile>(*source));
    return m_profiles.back().get();
}

IMouseProfile* CMouseConfig::GetProfileAt(uint32_t index) const
{
    return index < m_profiles.size() ? m_profiles[index].get() : nullptr;
}

IMouseProfile* CMouseConfig::FindProfileByGuid(const Guid& guid) const
{
    for (const auto& profile : m_profiles) {
        if (profile->GetGuid() == guid)
            return profile.get();
    }
    return nullptr;
}

IMouseProfile* CMouseConfig::FindProfileByName(const std::wstring& name) const
{
    for (const auto& profile : m_profiles) {
        if (platform::EqualsIgnoreCase(profile->GetName(), name))
            return profile.get();
    }
    return nullptr;
}

// The profile is replaced by a renamed copy at the same place in the list. When it had a file,
// the copy is saved under the new name first and the old file is deleted only after that save
// succeeded, and only when it is a different file: a change of letter case alone names the same
// file on a case-insensitive file system.
IMouseProfile* CMouseConfig::RenameProfile(IMouseProfile* profile, const std::wstring& newName)
{
    if (profile == nullptr || profile->GetName() == newName)
        return nullptr;
    const ProfileFileNames::FormerFile former{profile->GetStorageFilePath(), profile->GetName()};
    profile->SetName(newName);
    const int index = IndexOf(profile);
    if (index < 0)
        return nullptr;

    auto copy = std::make_unique<CMouseProfile>(*m_profiles[index]);
    CMouseProfile* renamed = copy.get();
    std::unique_ptr<CMouseProfile> old = std::exchange(m_profiles[index], std::move(copy));

    if (old->HasStorageFile()) {
        // The renamed profile may keep its own file (a change of letter case alone names the
        // same file on a case-insensitive file system), but no file of another profile.
        const std::wstring extension = GetProfileFileExtension();
        const auto baseName = ProfileFileNames::Generate(newName, m_profileFolder, extension, &former);
        std::wstring given = baseName.value_or(L"");
        const bool saved = baseName && renamed->SaveToFile(given, m_profileFolder, extension);
        if (saved && !platform::IsSameFile(former.path, renamed->GetStorageFilePath()))
            platform::RemoveFile(former.path);
    }
    if (m_activeProfile == old.get())
        m_activeProfile = renamed;
    return renamed;
}

// A copy never shares the source's file: deleting or renaming it would take the source's file
// along. When the source has a file, the copy is saved to a file of its own; when that save
// fails, the copy has no file until it is saved.
IMouseProfile* CMouseConfig::DuplicateProfile(IMouseProfile* profile, const std::wstring& newName)
{
    const auto* source = dynamic_cast<const CMouseProfile*>(profile);
    if (source == nullptr || source->GetName() == newName)
        return nullptr;
    auto copy = std::make_unique<CMouseProfile>(*source);
    copy->SetGuid(Guid{});
    copy->SetName(newName);
    copy->ForgetStorageFile();
    if (source->HasStorageFile()) {
        std::wstring baseName;
        (void)copy->SaveToFile(baseName, m_profileFolder, GetProfileFileExtension());
    }
    m_profiles.push_back(std::move(copy));
    return m_profiles.back().get();
}

void CMouseConfig::DeleteProfile(IMouseProfile* profile)
{
    if (profile == nullptr)
        return;
    if (m_activeProfile == profile)
        m_activeProfile = nullptr;
    if (profile->HasStorageFile())
        platform::RemoveFile(profile->GetStorageFilePath());
    const int index = IndexOf(profile);
    if (index >= 0)
        m_profiles.erase(m_profiles.begin() + index);
}

// ---- stage counts and keys -----------------------------------------------------------------

bool CMouseConfig::SetResolutionStageCount(uint32_t count, IMouseProfile* profile)
{
    if (count == 0)
        return false;
    if (profile != nullptr)
        return profile->SetResolutionStageCount(count);
    // Without a profile argument the fallback stages are set, even when a profile is active.
    m_fallbackStageCount = std::min(count, kMaxFallbackStages);
    m_fallbackStageValues.assign(m_fallbackStageCount, 0);
    m_fallbackStageValuesX.assign(m_fallbackStageCount, 0);
    m_fallbackStageValuesY.assign(m_fallbackStageCount, 0);
    return true;
}

bool CMouseConfig::SetSensitivityStageCount(uint32_t count, IMouseProfile* profile)
{
    return count != 0 && profile != nullptr && profile->SetSensitivityStageCount(count);
}

void CMouseConfig::SetAccelerationRange(int32_t min, int32_t max)
{
    m_accelerationMin = min;
    m_accelerationMax = max;
}

void CMouseConfig::SetResolutionActiveStageCount(uint32_t count, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionActiveStageCount(count);
    m_fallbackActiveStageCount = std::min(m_fallbackStageCount, count);
}

void CMouseConfig::SetSensitivityActiveStageCount(uint32_t count, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityActiveStageCount(count);
}

uint32_t CMouseConfig::GetResolutionStageCount(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionStageCount() : m_fallbackStageCount;
}

uint32_t CMouseConfig::GetResolutionActiveStageCount(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionActiveStageCount() : m_fallbackActiveStageCount;
}

uint32_t CMouseConfig::GetSensitivityActiveStageCount(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityActiveStageCount() : 0;
}

uint32_t CMouseConfig::GetSensitivityStageCount(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityStageCount() : 0;
}

uint32_t CMouseConfig::GetKeyCount(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetKeyCount() : 0;
}

uint32_t CMouseConfig::GetKeyAt(uint32_t index, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetKeyAt(index) : 0;
}

// ---- profile switches ----------------------------------------------------------------------

void CMouseConfig::SetProgramPath(IMouseProfile* profile, const std::wstring& path)
{
    if (IMouseProfile* target = Target(profile))
        target->SetProgramPath(path);
}

std::wstring CMouseConfig::GetProgramPath(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetProgramPath() : std::wstring();
}

void CMouseConfig::SetAutoSwitch(IMouseProfile* profile, bool on)
{
    if (IMouseProfile* target = Target(profile))
        target->SetAutoSwitch(on);
}

bool CMouseConfig::GetAutoSwitch(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->GetAutoSwitch();
}

void CMouseConfig::SetProfileOsdAll(bool on)
{
    for (const auto& profile : m_profiles)
        profile->SetProfileOsd(on);
}

void CMouseConfig::SetProfileOsd(bool on, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetProfileOsd(on);
}

bool CMouseConfig::GetProfileOsd(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->GetProfileOsd();
}

void CMouseConfig::SetDpiOsd(bool on, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetDpiOsd(on);
}

bool CMouseConfig::GetDpiOsd(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->GetDpiOsd();
}

void CMouseConfig::SetAuxLight(bool on, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetAuxLight(on);
    m_fallbackAuxLight = on;
}

bool CMouseConfig::GetAuxLight(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetAuxLight() : m_fallbackAuxLight != 0;
}

void CMouseConfig::SetGlowLight(bool on, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetGlowLight(on);
    m_fallbackGlowLight = on;
}

bool CMouseConfig::GetGlowLight(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetGlowLight() : m_fallbackGlowLight != 0;
}

int32_t CMouseConfig::SetAccelerationLevel(int32_t level)
{
    if (level > GetAccelerationMax())
        m_accelerationLevel = GetAccelerationMax();
    else if (level >= GetAccelerationMin())
        m_accelerationLevel = level;
    else
        m_accelerationLevel = GetAccelerationMin();
    return m_accelerationLevel;
}

// ---- assignments and macros ----------------------------------------------------------------

bool CMouseConfig::SetButtonAssignment(int32_t button, const AssignmentInfo& info, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->SetButtonAssignment(button, info);
}

AssignmentInfo CMouseConfig::GetButtonAssignment(int32_t button, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetButtonAssignment(button) : AssignmentInfo{};
}

bool CMouseConfig::HasClickAssignment(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->HasClickAssignment();
}

void CMouseConfig::SetKeyAssignment(uint32_t key, const AssignmentInfo& info, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetKeyAssignment(key, info);
}

AssignmentInfo CMouseConfig::GetKeyAssignment(uint32_t key, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetKeyAssignment(key) : AssignmentInfo{};
}

void CMouseConfig::SetKeysEnabled(bool enabled, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetKeysEnabled(enabled);
}

bool CMouseConfig::GetKeysEnabled(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target == nullptr || target->GetKeysEnabled();
}

CMacro* CMouseConfig::AddMacro(const std::wstring& name, int32_t /*reserved*/)
{
    return m_macros.Add(name, {});
}

// ---- profile files -------------------------------------------------------------------------

// A file that cannot be read or holds no name is passed over (and listed in
// RefusedProfileFiles), so that one damaged file does not hide the profiles of the files after
// it, in whatever order the file system lists them.
uint32_t CMouseConfig::LoadProfileFiles()
{
    m_refusedProfileFiles.clear();
    const std::wstring extension = GetProfileFileExtension();
    const std::vector<std::wstring> files = platform::ListFiles(m_profileFolder, extension);
    if (files.empty())
        return 0;
    ClearProfiles();
    for (const std::wstring& fileName : files) {
        auto profile = std::make_unique<CMouseProfile>();
        if (profile->LoadFromFile(WithoutExtension(fileName), m_profileFolder, extension))
            m_profiles.push_back(std::move(profile));
        else
            m_refusedProfileFiles.push_back(fileName);
    }
    return GetProfileCount();
}

bool CMouseConfig::LoadProfiles()
{
    const uint32_t count = LoadProfileFiles();
    const std::wstring activeName = IniFile::Load(m_configFilePath).GetString(kSettingsSection, kActiveProfileKey, L"");
    if (count != 0) {
        m_activeProfile = m_profiles.front().get();
        if (!activeName.empty()) {
            if (IMouseProfile* named = FindProfileByName(activeName))
                m_activeProfile = named;
        }
    }
    // Callers read the outcome from GetActiveProfile and GetProfileCount.
    return false;
}

bool CMouseConfig::SaveProfileFile(IMouseProfile* profile)
{
    const std::wstring extension = GetProfileFileExtension();
    if (profile != nullptr) {
        std::wstring baseName;
        return profile->SaveToFile(baseName, m_profileFolder, extension);
    }
    // Every profile is tried; the result says whether all of them were saved.
    bool all = true;
    for (const auto& each : m_profiles) {
        std::wstring baseName;
        all = each->SaveToFile(baseName, m_profileFolder, extension) && all;
    }
    return all;
}

bool CMouseConfig::SaveProfiles()
{
    if (!SaveProfileFile(nullptr) || m_activeProfile == nullptr)
        return false;
    IniFile file = IniFile::Load(m_configFilePath);
    file.Set(kSettingsSection, kActiveProfileKey, m_activeProfile->GetName());
    return file.Save(m_configFilePath);
}
