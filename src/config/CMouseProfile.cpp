#include "config/CMouseProfile.h"

#include <algorithm>
#include <cwchar>

#include "config/AssignmentTables.h"
#include "config/IniFile.h"
#include "config/ProfileFileNames.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "vocabulary/NameKeys.h"

namespace {

constexpr wchar_t kPropertiesSection[] = L"PROPERTIES";
constexpr wchar_t kAssignmentsSection[] = L"ASSIGNMENTS";
constexpr wchar_t kNameKey[] = L"name";
constexpr wchar_t kProgramKey[] = L"exe";
constexpr wchar_t kAutoSwitchKey[] = L"auto";

}  // namespace

CMouseProfile::CMouseProfile(const std::wstring& name)
    : m_name(name)
{
}

// Copies in the order the device layer relies on: identity and switches, then each stage group
// (reallocated with the source's count, then its selection, values and stage entries), lights,
// and last the assignments.
CMouseProfile::CMouseProfile(const CMouseProfile& source)
    : IMouseProfile(source)
    , m_name(source.m_name)
    , m_programPath(source.m_programPath)
    , m_programFileName(source.m_programFileName)
    , m_storageFilePath(source.m_storageFilePath)
    , m_guid(source.m_guid)
    , m_autoSwitch(source.m_autoSwitch)
    , m_dpiOsd(source.m_dpiOsd)
    , m_profileOsd(source.m_profileOsd)
    , m_buttonAssignments(source.m_buttonAssignments)
    , m_keyAssignments(source.m_keyAssignments)
    , m_keyOrder(source.m_keyOrder)
    , m_keysEnabled(source.m_keysEnabled)
    , m_glowLight(source.m_glowLight)
    , m_auxLight(source.m_auxLight)
{
    CopyGroup(m_resolution, source.m_resolution);
    CopyGroup(m_sensitivity, source.m_sensitivity);
}

void CMouseProfile::CopyGroup(StageGroup& target, const StageGroup& source)
{
    target.rangeMin = source.rangeMin;
    target.rangeMax = source.rangeMax;
    target.rangeStep = source.rangeStep;
    target.SetStageCount(source.StageCount());
    // The active count is copied as it is, like the stage count it belongs to.
    target.activeStageCount = source.activeStageCount;
    target.currentStage = source.currentStage;
    target.value = source.value;
    target.valueX = source.valueX;
    target.valueY = source.valueY;
    target.separateXY = source.separateXY;
    target.CopyStageEntries(source);
}

bool CMouseProfile::SetResolutionStageCount(uint32_t count)
{
    m_resolution.SetStageCount(count);
    return true;
}

bool CMouseProfile::SetSensitivityStageCount(uint32_t count)
{
    m_sensitivity.SetStageCount(count);
    return true;
}

uint32_t CMouseProfile::GetKeyAt(uint32_t index) const
{
    return index < m_keyOrder.size() ? m_keyOrder[index] : 0;
}

void CMouseProfile::SetProgramPath(const std::wstring& path)
{
    m_programPath = path;
    m_programFileName = platform::FileNameOf(path);
}

void CMouseProfile::SetStageSeparateXY(StageGroup& group, uint32_t stage, bool separate)
{
    if (StageEntry* entry = group.Stage(stage))
        entry->separateXY = separate;
}

bool CMouseProfile::GetStageSeparateXY(const StageGroup& group, uint32_t stage)
{
    const StageEntry* entry = group.Stage(stage);
    return entry != nullptr && entry->separateXY != 0;
}

int32_t CMouseProfile::SetStageValue(StageGroup& group, int32_t StageEntry::*field, uint32_t stage, uint32_t value)
{
    StageEntry* entry = group.Stage(stage);
    if (entry == nullptr)
        return 0;
    entry->*field = group.Clamp(value);
    return entry->*field;
}

int32_t CMouseProfile::GetStageValue(const StageGroup& group, int32_t StageEntry::*field, uint32_t stage)
{
    const StageEntry* entry = group.Stage(stage);
    return entry == nullptr ? 0 : entry->*field;
}

void CMouseProfile::SetResolutionStageSeparateXY(uint32_t stage, bool separate)
{
    SetStageSeparateXY(m_resolution, stage, separate);
}

bool CMouseProfile::GetResolutionStageSeparateXY(uint32_t stage) const
{
    return GetStageSeparateXY(m_resolution, stage);
}

int32_t CMouseProfile::SetResolutionStageValue(uint32_t stage, uint32_t value)
{
    return SetStageValue(m_resolution, &StageEntry::value, stage, value);
}

int32_t CMouseProfile::GetResolutionStageValue(uint32_t stage) const
{
    return GetStageValue(m_resolution, &StageEntry::value, stage);
}

int32_t CMouseProfile::SetResolutionStageValueX(uint32_t stage, uint32_t value)
{
    return SetStageValue(m_resolution, &StageEntry::valueX, stage, value);
}

int32_t CMouseProfile::GetResolutionStageValueX(uint32_t stage) const
{
    return GetStageValue(m_resolution, &StageEntry::valueX, stage);
}

int32_t CMouseProfile::SetResolutionStageValueY(uint32_t stage, uint32_t value)
{
    return SetStageValue(m_resolution, &StageEntry::valueY, stage, value);
}

int32_t CMouseProfile::GetResolutionStageValueY(uint32_t stage) const
{
    return GetStageValue(m_resolution, &StageEntry::valueY, stage);
}

void CMouseProfile::SetResolutionRange(uint32_t min, uint32_t max, uint32_t step)
{
    m_resolution.rangeMin = min;
    m_resolution.rangeMax = max;
    m_resolution.rangeStep = step;
}

bool CMouseProfile::GetResolutionRange(uint32_t& min, uint32_t& max, uint32_t& step) const
{
    min = m_resolution.rangeMin;
    max = m_resolution.rangeMax;
    step = m_resolution.rangeStep;
    return true;
}

void CMouseProfile::SetSensitivityStageSeparateXY(uint32_t stage, bool separate)
{
    SetStageSeparateXY(m_sensitivity, stage, separate);
}

bool CMouseProfile::GetSensitivityStageSeparateXY(uint32_t stage) const
{
    return GetStageSeparateXY(m_sensitivity, stage);
}

int32_t CMouseProfile::SetSensitivityStageValue(uint32_t stage, uint32_t value)
{
    return SetStageValue(m_sensitivity, &StageEntry::value, stage, value);
}

int32_t CMouseProfile::GetSensitivityStageValue(uint32_t stage) const
{
    return GetStageValue(m_sensitivity, &StageEntry::value, stage);
}

int32_t CMouseProfile::SetSensitivityStageValueX(uint32_t stage, uint32_t value)
{
    return SetStageValue(m_sensitivity, &StageEntry::valueX, stage, value);
}

int32_t CMouseProfile::GetSensitivityStageValueX(uint32_t stage) const
{
    return GetStageValue(m_sensitivity, &StageEntry::valueX, stage);
}

int32_t CMouseProfile::SetSensitivityStageValueY(uint32_t stage, uint32_t value)
{
    return SetStageValue(m_sensitivity, &StageEntry::valueY, stage, value);
}

int32_t CMouseProfile::GetSensitivityStageValueY(uint32_t stage) const
{
    return GetStageValue(m_sensitivity, &StageEntry::valueY, stage);
}

void CMouseProfile::SetSensitivityRange(uint32_t min, uint32_t max, uint32_t step)
{
    m_sensitivity.rangeMin = min;
    m_sensitivity.rangeMax = max;
    m_sensitivity.rangeStep = step;
}

bool CMouseProfile::GetSensitivityRange(uint32_t& min, uint32_t& max, uint32_t& step) const
{
    min = m_sensitivity.rangeMin;
    max = m_sensitivity.rangeMax;
    step = m_sensitivity.rangeStep;
    return true;
}

bool CMouseProfile::SetButtonAssignment(int32_t button, const AssignmentInfo& info)
{
    if (!IsFunctionAllowed(info.functionCode, button))
        return false;
    m_buttonAssignments[button] = info;
    return true;
}

bool CMouseProfile::HasClickAssignment() const
{
    const auto isClick = [](const auto& entry) { return entry.second.functionCode == FunctionCode::kClick; };
    if (std::any_of(m_buttonAssignments.begin(), m_buttonAssignments.end(), isClick))
        return true;
    return m_keysEnabled != 0 && std::any_of(m_keyAssignments.begin(), m_keyAssignments.end(), isClick);
}

bool CMouseProfile::SetKeyAssignment(uint32_t key, const AssignmentInfo& info)
{
    // The key joins the order list even when its function is refused.
    if (std::find(m_keyOrder.begin(), m_keyOrder.end(), key) == m_keyOrder.end())
        m_keyOrder.push_back(key);
    if (!IsFunctionAllowed(info.functionCode, 0))
        return false;
    m_keyAssignments[key] = info;
    return true;
}

namespace {

// Whether an assignment refers to a profile or macro: by identity with `byIdentity`, by name
// (ignoring case) with `byName`.
bool RefersTo(const AssignmentInfo& info, int32_t byIdentity, int32_t byName, const Guid& identity,
              std::wstring_view name)
{
    if (info.functionCode == byIdentity)
        return !identity.IsNull() && info.ReferenceGuid() == identity;
    return info.functionCode == byName && platform::EqualsIgnoreCase(info.ReferenceName(), name);
}

}  // namespace

size_t CMouseProfile::ReleaseReferences(int32_t byIdentity, int32_t byName, const Guid& identity,
                                        std::wstring_view name)
{
    size_t released = 0;
    for (auto& [button, info] : m_buttonAssignments) {
        if (RefersTo(info, byIdentity, byName, identity, name)) {
            info = AssignmentTables::DefaultButtonAssignment(button);
            ++released;
        }
    }
    for (auto& [key, info] : m_keyAssignments) {
        if (RefersTo(info, byIdentity, byName, identity, name)) {
            info = AssignmentTables::DefaultKeyAssignment(key);
            ++released;
        }
    }
    return released;
}

size_t CMouseProfile::ReleaseSwitchesTo(const Guid& profile, std::wstring_view name)
{
    return ReleaseReferences(FunctionCode::kProfile, FunctionCode::kProfileByName, profile, name);
}

size_t CMouseProfile::ReleaseMacroRuns(const Guid& macro, std::wstring_view name)
{
    return ReleaseReferences(FunctionCode::kMacro, FunctionCode::kMacroByName, macro, name);
}

bool CMouseProfile::IsFunctionAllowed(int32_t code, int32_t button) const
{
    return AssignmentTables::IsFunctionAllowed(code, button);
}

void CMouseProfile::ListAllowedFunctions(std::vector<std::wstring>& list, int32_t button) const
{
    list.clear();
    for (int32_t code : AssignmentTables::AllowedFunctions(button))
        list.emplace_back(NameKeys::FunctionNameKey(code));
}

bool CMouseProfile::SaveToFile(std::wstring& baseName, const std::wstring& folder, const std::wstring& extension)
{
    std::wstring base;
    if (baseName.empty()) {
        const auto generated = ProfileFileNames::Generate(m_name, folder, extension);
        if (!generated)
            return false;
        base = *generated;
        baseName = base;
    } else {
        base = ProfileFileNames::FromGiven(baseName);
    }
    const std::wstring path = ProfileFileNames::FilePath(folder, base, extension);

    IniFile file = IniFile::Load(path);
    file.Set(kPropertiesSection, kNameKey, m_name);
    file.Set(kPropertiesSection, kProgramKey, m_programPath);
    file.Set(kPropertiesSection, kAutoSwitchKey, m_autoSwitch ? L"1" : L"0");
    for (const auto& [button, info] : m_buttonAssignments) {
        if (info.functionCode != FunctionCode::kUnassigned)
            file.Set(kAssignmentsSection, std::to_wstring(button), std::to_wstring(info.functionCode));
    }
    // A profile names only a file that holds it: after a failed write it keeps the file it had.
    if (!file.Save(path))
        return false;
    m_storageFilePath = path;
    return true;
}

bool CMouseProfile::LoadFromFile(const std::wstring& baseName, const std::wstring& folder,
                                 const std::wstring& extension)
{
    const std::wstring path = ProfileFileNames::FilePath(folder, baseName, extension);
    const IniFile file = IniFile::Load(path);
    std::wstring name = file.GetString(kPropertiesSection, kNameKey, L"");
    if (name.empty())
        return false;
    m_name = std::move(name);
    m_storageFilePath = path;
    m_programPath = file.GetString(kPropertiesSection, kProgramKey, L"");
    if (!m_programPath.empty())
        m_programFileName = platform::FileNameOf(m_programPath);
    m_autoSwitch = file.GetInt(kPropertiesSection, kAutoSwitchKey, 0) != 0;

    for (const std::wstring& line : file.GetSectionLines(kAssignmentsSection)) {
        const size_t equals = line.find(L'=');
        const std::wstring key = equals == std::wstring::npos ? L"" : line.substr(0, equals);
        const std::wstring value = equals == std::wstring::npos ? line : line.substr(equals + 1);
        const int32_t button = static_cast<int32_t>(std::wcstol(key.c_str(), nullptr, 10));
        if (button != 0 && !value.empty())
            ApplyStoredAssignment(button, value);
    }
    return true;
}
