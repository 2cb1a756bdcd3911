#pragma once

#include <map>

#include "config/IMouseProfile.h"
#include "config/StageGroup.h"

// The profile record: every operation of IMouseProfile on plain members.
class CMouseProfile : public IMouseProfile
{
public:
    CMouseProfile() = default;
    explicit CMouseProfile(const std::wstring& name);
    // Copies every member; used by rename and duplicate in the configuration manager.
    CMouseProfile(const CMouseProfile& source);
    CMouseProfile& operator=(const CMouseProfile&) = delete;
    ~CMouseProfile() override = default;

    bool SetResolutionStageCount(uint32_t count) override;
    bool SetSensitivityStageCount(uint32_t count) override;
    uint32_t GetResolutionStageCount() const override { return m_resolution.StageCount(); }
    uint32_t GetSensitivityStageCount() const override { return m_sensitivity.StageCount(); }
    uint32_t GetResolutionActiveStageCount() const override { return m_resolution.activeStageCount; }
    uint32_t GetSensitivityActiveStageCount() const override { return m_sensitivity.activeStageCount; }
    uint32_t GetKeyCount() const override { return static_cast<uint32_t>(m_keyAssignments.size()); }
    void SetResolutionActiveStageCount(uint32_t count) override { m_resolution.SetActiveStageCount(count); }
    void SetSensitivityActiveStageCount(uint32_t count) override { m_sensitivity.SetActiveStageCount(count); }
    uint32_t GetKeyAt(uint32_t index) const override;
    std::wstring GetName() const override { return m_name; }
    Guid GetGuid() const override { return m_guid; }
    bool HasStorageFile() const override { return !m_storageFilePath.empty(); }
    void SetName(const std::wstring& name) override { m_name = name; }
    void SetGuid(const Guid& guid) override { m_guid = guid; }
    std::wstring GetProgramFileName() const override { return m_programFileName; }
    void SetProgramFileName(const std::wstring& fileName) override { m_programFileName = fileName; }
    std::wstring GetStorageFilePath() const override { return m_storageFilePath; }
    // The profile names no file any more (a copy, before it is saved to a file of its own).
    void ForgetStorageFile() noexcept { m_storageFilePath.clear(); }
    std::wstring GetProgramPath() const override { return m_programPath; }
    void SetProgramPath(const std::wstring& path) override;
    void SetAutoSwitch(bool on) override { m_autoSwitch = on; }
    bool GetAutoSwitch() const override { return m_autoSwitch != 0; }
    void SetDpiOsd(bool on) override { m_dpiOsd = on; }
    bool GetDpiOsd() const override { return m_dpiOsd != 0; }
    void SetProfileOsd(bool on) override { m_profileOsd = on; }
    bool GetProfileOsd() const override { return m_profileOsd != 0; }

    void SetResolutionStageSeparateXY(uint32_t stage, bool separate) override;
    bool GetResolutionStageSeparateXY(uint32_t stage) const override;
    int32_t SelectResolutionStage(int32_t stage) override { return m_resolution.Select(stage); }
    int32_t GetResolutionStage() const override { return m_resolution.currentStage + 1; }
    int32_t SetResolutionStageValue(uint32_t stage, uint32_t value) override;
    int32_t GetResolutionStageValue(uint32_t stage) const override;
    int32_t SetResolutionStageValueX(uint32_t stage, uint32_t value) override;
    int32_t GetResolutionStageValueX(uint32_t stage) const override;
    int32_t SetResolutionStageValueY(uint32_t stage, uint32_t value) override;
    int32_t GetResolutionStageValueY(uint32_t stage) const override;
    void SetResolution(int32_t value) override { m_resolution.value = value; }
    int32_t GetResolution() const override { return m_resolution.value; }
    void SetResolutionX(int32_t value) override { m_resolution.valueX = value; }
    int32_t GetResolutionX() const override { return m_resolution.valueX; }
    void SetResolutionY(int32_t value) override { m_resolution.valueY = value; }
    int32_t GetResolutionY() const override { return m_resolution.valueY; }
    void SetResolutionSeparateXY(bool separate) override { m_resolution.separateXY = separate; }
    bool GetResolutionSeparateXY() const override { return m_resolution.separateXY != 0; }
    void SetResolutionRange(uint32_t min, uint32_t max, uint32_t step) override;
    bool GetResolutionRange(uint32_t& min, uint32_t& max, uint32_t& step) const override;

    void SetSensitivityStageSeparateXY(uint32_t stage, bool separate) override;
    bool GetSensitivityStageSeparateXY(uint32_t stage) const override;
    int32_t SelectSensitivityStage(int32_t stage) override { return m_sensitivity.Select(stage); }
    int32_t GetSensitivityStage() const override { return m_sensitivity.currentStage + 1; }
    int32_t SetSensitivityStageValue(uint32_t stage, uint32_t value) override;
    int32_t GetSensitivityStageValue(uint32_t stage) const override;
    int32_t SetSensitivityStageValueX(uint32_t stage, uint32_t value) override;
    int32_t GetSensitivityStageValueX(uint32_t stage) const override;
    int32_t SetSensitivityStageValueY(uint32_t stage, uint32_t value) override;
    int32_t GetSensitivityStageValueY(uint32_t stage) const override;
    void SetSensitivity(int32_t value) override { m_sensitivity.value = value; }
    int32_t GetSensitivity() const override { return m_sensitivity.value; }
    void SetSensitivityX(int32_t value) override { m_sensitivity.valueX = value; }
    int32_t GetSensitivityX() const override { return m_sensitivity.valueX; }
    void SetSensitivityY(int32_t value) override { m_sensitivity.valueY = value; }
    int32_t GetSensitivityY() const override { return m_sensitivity.valueY; }
    void SetSensitivitySeparateXY(bool separate) override { m_sensitivity.separateXY = separate; }
    bool GetSensitivitySeparateXY() const override { return m_sensitivity.separateXY != 0; }
    void SetSensitivityRange(uint32_t min, uint32_t max, uint32_t step) override;
    bool GetSensitivityRange(uint32_t& min, uint32_t& max, uint32_t& step) const override;

    void SetAuxLight(bool on) override { m_auxLight = on; }
    bool GetAuxLight() const override { return m_auxLight != 0; }
    void SetGlowLight(bool on) override { m_glowLight = on; }
    bool GetGlowLight() const override { return m_glowLight != 0; }
    void Reserved1(int32_t) override {}
    int32_t Reserved2() override { return 0; }

    bool SetButtonAssignment(int32_t button, const AssignmentInfo& info) override;
    AssignmentInfo GetButtonAssignment(int32_t button) override { return m_buttonAssignments[button]; }
    bool HasClickAssignment() const override;
    bool SetKeyAssignment(uint32_t key, const AssignmentInfo& info) override;
    AssignmentInfo GetKeyAssignment(uint32_t key) override { return m_keyAssignments[key]; }
    void SetKeysEnabled(bool enabled) override { m_keysEnabled = enabled; }
    bool GetKeysEnabled() const override { return m_keysEnabled != 0; }
    // Gives every button and key that switches to the profile of this identity (by identity) or
    // name (by name, ignoring case) its default function; the number of them.
    size_t ReleaseSwitchesTo(const Guid& profile, std::wstring_view name);
    // The same for the assignments that run a macro (code 5 by identity, 6 by name).
    size_t ReleaseMacroRuns(const Guid& macro, std::wstring_view name);
    bool IsFunctionAllowed(int32_t code, int32_t button) const override;
    void ListAllowedFunctions(std::vector<std::wstring>& list, int32_t button) const override;
    bool ApplyStoredAssignment(int32_t, const std::wstring&) override { return false; }
    int32_t Reserved3() override { return 0; }
    int32_t Reserved4() override { return 0; }
    int32_t Reserved5() override { return 0; }
    int32_t Reserved6() override { return 0; }
    int32_t Reserved7() override { return 0; }
    int32_t Reserved8() override { return 0; }

    // Writes name, program and auto-switch, and the code of every assigned button, to
    // folder + base name + "." + extension. An empty base name is generated from the profile
    // name and stored back. Everything else of a profile lives in the device service.
    bool SaveToFile(std::wstring& baseName, const std::wstring& folder, const std::wstring& extension) override;
    // Reads what SaveToFile writes; false, with the profile untouched, when the file has no name.
    bool LoadFromFile(const std::wstring& baseName, const std::wstring& folder,
                      const std::wstring& extension) override;

    int32_t Reserved9() override { return 0; }
    int32_t Reserved10() override { return 0; }
    int32_t Reserved11() override { return 0; }

private:
    size_t ReleaseReferences(int32_t byIdentity, int32_t byName, const Guid& identity, std::wstring_view name);
    static void SetStageSeparateXY(StageGroup& group, uint32_t stage, bool separate);
    static bool GetStageSeparateXY(const StageGroup& group, uint32_t stage);
    static int32_t SetStageValue(StageGroup& group, int32_t StageEntry::*field, uint32_t stage, uint32_t value);
    static int32_t GetStageValue(const StageGroup& group, int32_t StageEntry::*field, uint32_t stage);
    static void CopyGroup(StageGroup& target, const StageGroup& source);

    std::wstring m_name;
    std::wstring m_programPath;
    std::wstring m_programFileName;
    std::wstring m_storageFilePath;
    Guid m_guid;
    uint8_t m_autoSwitch = 0;
    uint8_t m_dpiOsd = 0;
    uint8_t m_profileOsd = 0;
    std::map<int32_t, AssignmentInfo> m_buttonAssignments;
    std::map<uint32_t, AssignmentInfo> m_keyAssignments;
    std::vector<uint32_t> m_keyOrder;
    uint8_t m_keysEnabled = 1;
    uint8_t m_glowLight = 0;
    uint8_t m_auxLight = 0;
    StageGroup m_resolution;
    StageGroup m_sensitivity;
};
