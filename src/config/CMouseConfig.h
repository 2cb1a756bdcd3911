#pragma once

#include <memory>
#include <vector>

#include "config/CMouseProfile.h"
#include "config/IMouseConfig.h"
#include "macro/CMacroList.h"

// The configuration manager: owns the profiles (in the order the pages show them) and the
// macros, marks one profile active, and keeps the device-wide settings. It does not talk to the
// device; the device object reads and writes it. It has no locking: it lives on the user
// interface thread.
class CMouseConfig : public IMouseConfig
{
public:
    static constexpr uint32_t kMaxFallbackStages = 10;

    CMouseConfig() = default;
    CMouseConfig(const CMouseConfig&) = delete;
    CMouseConfig& operator=(const CMouseConfig&) = delete;
    ~CMouseConfig() override;

    void ClearProfiles() override;
    void AttachDevice(uint32_t pollingRateCount) override;
    bool SetResolutionStageCount(uint32_t count, IMouseProfile* profile = nullptr) override;
    bool SetSensitivityStageCount(uint32_t count, IMouseProfile* profile = nullptr) override;
    void SetAccelerationRange(int32_t min, int32_t max) override;
    void SetResolutionActiveStageCount(uint32_t count, IMouseProfile* profile = nullptr) override;
    void SetSensitivityActiveStageCount(uint32_t count, IMouseProfile* profile = nullptr) override;
    uint32_t GetProfileCount() const override { return static_cast<uint32_t>(m_profiles.size()); }
    uint32_t GetMacroCount() const override { return static_cast<uint32_t>(m_macros.Count()); }
    uint32_t GetResolutionStageCount(IMouseProfile* profile = nullptr) override;
    uint32_t GetResolutionActiveStageCount(IMouseProfile* profile = nullptr) override;
    uint32_t GetSensitivityActiveStageCount(IMouseProfile* profile = nullptr) override;
    uint32_t GetKeyCount(IMouseProfile* profile = nullptr) override;
    uint32_t GetKeyAt(uint32_t index, IMouseProfile* profile = nullptr) override;
    IMouseProfile* CreateProfile(const std::wstring& name) override;
    IMouseProfile* AddProfileCopy(IMouseProfile* profile) override;
    IMouseProfile* GetProfileAt(uint32_t index) const override;
    IMouseProfile* FindProfileByGuid(const Guid& guid) const override;
    IMouseProfile* FindProfileByName(const std::wstring& name) const override;
    IMouseProfile* RenameProfile(IMouseProfile* profile, const std::wstring& newName) override;
    IMouseProfile* DuplicateProfile(IMouseProfile* profile, const std::wstring& newName) override;
    void DeleteProfile(IMouseProfile* profile) override;
    IMouseProfile* GetActiveProfile() const override { return m_activeProfile; }
    void SetActiveProfile(IMouseProfile* profile) override { m_activeProfile = profile; }
    int32_t Reserved1() override { return 0; }
    int32_t Reserved2() override { return 0; }
    void SetProgramPath(IMouseProfile* profile, const std::wstring& path) override;
    std::wstring GetProgramPath(IMouseProfile* profile = nullptr) override;
    void SetAutoSwitch(IMouseProfile* profile, bool on) override;
    bool GetAutoSwitch(IMouseProfile* profile = nullptr) override;
    void SetProfileOsdAll(bool on) override;
    void SetProfileOsd(bool on, IMouseProfile* profile = nullptr) override;
    bool GetProfileOsd(IMouseProfile* profile = nullptr) override;
    void SetDpiOsd(bool on, IMouseProfile* profile = nullptr) override;
    bool GetDpiOsd(IMouseProfile* profile = nullptr) override;
    void SetResolutionStageSeparateXY(uint32_t stage, bool separate, IMouseProfile* profile = nullptr) override;
    bool GetResolutionStageSeparateXY(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetSensitivityStageSeparateXY(uint32_t stage, bool separate, IMouseProfile* profile = nullptr) override;
    bool GetSensitivityStageSeparateXY(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetAccelerationEnabled(bool enabled) override { m_accelerationEnabled = enabled; }
    bool GetAccelerationEnabled() const override { return m_accelerationEnabled != 0; }
    int32_t SetAccelerationLevel(int32_t level) override;
    int32_t GetAccelerationLevel() const override { return m_accelerationLevel; }
    int32_t Reserved3() override { return 0; }
    int32_t Reserved4() override { return 0; }
    int32_t SelectResolutionStage(int32_t stage, IMouseProfile* profile = nullptr) override;
    int32_t GetResolutionStage(IMouseProfile* profile = nullptr) override;
    void SetResolutionStageValue(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetResolutionStageValue(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetResolution(int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetResolution(IMouseProfile* profile = nullptr) override;
    void SetResolutionX(int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetResolutionX(IMouseProfile* profile = nullptr) override;
    void SetResolutionY(int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetResolutionY(IMouseProfile* profile = nullptr) override;
    void SetResolutionSeparateXY(bool separate, IMouseProfile* profile = nullptr) override;
    bool GetResolutionSeparateXY(IMouseProfile* profile = nullptr) override;
    void SetResolutionStageValueX(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetResolutionStageValueX(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetResolutionStageValueY(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetResolutionStageValueY(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetResolutionRange(uint32_t min, uint32_t max, uint32_t step, IMouseProfile* profile = nullptr) override;
    bool GetResolutionRange(uint32_t& min, uint32_t& max, uint32_t& step, IMouseProfile* profile = nullptr) override;
    int32_t SelectSensitivityStage(int32_t stage, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivityStage(IMouseProfile* profile = nullptr) override;
    void SetSensitivityStageValue(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivityStageValue(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetSensitivity(int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivity(IMouseProfile* profile = nullptr) override;
    void SetSensitivityX(int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivityX(IMouseProfile* profile = nullptr) override;
    void SetSensitivityY(int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivityY(IMouseProfile* profile = nullptr) override;
    void SetSensitivitySeparateXY(bool separate, IMouseProfile* profile = nullptr) override;
    bool GetSensitivitySeparateXY(IMouseProfile* profile = nullptr) override;
    void SetSensitivityStageValueX(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivityStageValueX(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetSensitivityStageValueY(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetSensitivityStageValueY(uint32_t stage, IMouseProfile* profile = nullptr) override;
    void SetSensitivityRange(uint32_t min, uint32_t max, uint32_t step, IMouseProfile* profile = nullptr) override;
    bool GetSensitivityRange(uint32_t& min, uint32_t& max, uint32_t& step, IMouseProfile* profile = nullptr) override;
    int32_t Reserved5() override { return 0; }
    int32_t Reserved6() override { return 0; }
    int32_t Reserved7() override { return 0; }
    int32_t Reserved8() override { return 0; }
    void SetPollingRateIndex(int32_t index, IMouseProfile* = nullptr) override { m_pollingRateIndex = index; }
    int32_t GetPollingRateIndex() const override { return m_pollingRateIndex; }
    bool SetButtonAssignment(int32_t button, const AssignmentInfo& info, IMouseProfile* profile = nullptr) override;
    AssignmentInfo GetButtonAssignment(int32_t button, IMouseProfile* profile = nullptr) override;
    bool HasClickAssignment(IMouseProfile* profile = nullptr) override;
    void SetKeyAssignment(uint32_t key, const AssignmentInfo& info, IMouseProfile* profile = nullptr) override;
    AssignmentInfo GetKeyAssignment(uint32_t key, IMouseProfile* profile = nullptr) override;
    void SetKeysEnabled(bool enabled, IMouseProfile* profile = nullptr) override;
    bool GetKeysEnabled(IMouseProfile* profile = nullptr) override;
    CMacro* AddMacro(const std::wstring& name, int32_t reserved = 0) override;
    void DeleteMacro(CMacro* macro) override { m_macros.Remove(macro); }
    CMacro* FindMacroByGuid(const Guid& guid) const override { return m_macros.FindByGuid(guid); }
    CMacro* FindMacroByName(const std::wstring& name) const override { return m_macros.FindByName(name); }
    CMacro* GetMacroAt(uint32_t index) const override { return m_macros.At(index); }
    int32_t Reserved9() override { return 0; }
    int32_t Reserved10() override { return 0; }
    int32_t Reserved11() override { return 0; }
    int32_t Reserved12() override { return 0; }
    int32_t Reserved13() override { return 0; }
    int32_t Reserved14() override { return 0; }
    int32_t Reserved15() override { return 0; }
    int32_t Reserved16() override { return 0; }
    int32_t Reserved17() override { return 0; }
    int32_t Reserved18() override { return 0; }
    int32_t Reserved19() override { return 0; }
    int32_t Reserved20() override { return 0; }
    int32_t Reserved21() override { return 0; }
    int32_t Reserved22() override { return 0; }
    int32_t Reserved23() override { return 0; }
    int32_t Reserved24() override { return 0; }
    int32_t Reserved25() override { return 0; }
    int32_t Reserved26() override { return 0; }
    int32_t Reserved27() override { return 0; }
    void SetAuxLight(bool on, IMouseProfile* profile = nullptr) override;
    bool GetAuxLight(IMouseProfile* profile = nullptr) override;
    void SetGlowLight(bool on, IMouseProfile* profile = nullptr) override;
    bool GetGlowLight(IMouseProfile* profile = nullptr) override;
    int32_t Reserved28() override { return 0; }
    int32_t Reserved29() override { return 0; }
    int32_t Reserved30() override { return 0; }
    int32_t Reserved31() override { return 0; }
    int32_t Reserved32() override { return 0; }
    int32_t Reserved33() override { return 0; }
    bool LoadProfiles() override;
    bool SaveProfiles() override;
    uint32_t LoadProfileFiles() override;
    bool SaveProfileFile(IMouseProfile* profile) override;
    int32_t Reserved34() override { return 0; }
    int32_t Reserved35() override { return 0; }
    int32_t Reserved36() override { return 0; }
    int32_t Reserved37() override { return 0; }
    int32_t GetAccelerationMin() const override { return m_accelerationMin; }
    int32_t GetAccelerationMax() const override { return m_accelerationMax; }
    int32_t Reserved38() override { return 0; }
    int32_t Reserved39() override { return 0; }
    uint32_t GetZoneCount() const override { return 0; }
    int32_t Reserved40() override { return 0; }
    int32_t Reserved41() override { return 0; }
    bool GetZoneColor(uint32_t, uint32_t&) override { return false; }
    bool GetZoneRange(uint32_t, uint32_t&, uint32_t&) override { return false; }
    bool AddZone(uint32_t, uint32_t, uint32_t) override { return false; }
    int32_t Reserved42() override { return 0; }
    void RemoveAllZones() override {}
    uint32_t GetSensitivityStageCount(IMouseProfile* profile = nullptr) override;
    std::unique_ptr<CConfigSnapshot> TakeSnapshot() const override;

    [[nodiscard]] int32_t GetPollingRateCount() const noexcept { return m_pollingRateCount; }
    [[nodiscard]] const std::wstring& GetConfigFilePath() const noexcept { return m_configFilePath; }
    [[nodiscard]] const std::wstring& GetProfileFolder() const noexcept { return m_profileFolder; }
    [[nodiscard]] const std::wstring& GetMacroFolder() const noexcept { return m_macroFolder; }
    // The profile files the last LoadProfileFiles passed over (unreadable, too large or without
    // a name), by file name, for the caller to show.
    [[nodiscard]] const std::vector<std::wstring>& RefusedProfileFiles() const noexcept
    {
        return m_refusedProfileFiles;
    }

protected:
    // The paths of the profile files; the product class computes them from the program folder.
    void SetFilePaths(std::wstring configFilePath, std::wstring profileFolder, std::wstring macroFolder);

    // Makes this (empty) manager a deep copy of another: profiles and macros in the same order,
    // the same active profile, fallbacks and device-wide settings.
    void CopyFrom(const CMouseConfig& source);

private:
    // The given profile, else the active one; null when there is neither.
    [[nodiscard]] IMouseProfile* Target(IMouseProfile* profile) const noexcept
    {
        return profile != nullptr ? profile : m_activeProfile;
    }
    [[nodiscard]] int IndexOf(const IMouseProfile* profile) const noexcept;
    [[nodiscard]] int32_t* FallbackStage(std::vector<int32_t>& values, uint32_t stage) noexcept;
    void SetFallbackStageValue(std::vector<int32_t>& values, uint32_t stage, uint32_t value) noexcept;
    [[nodiscard]] int32_t GetFallbackStageValue(std::vector<int32_t>& values, uint32_t stage) noexcept;

    IMouseProfile* m_activeProfile = nullptr;   // points into m_profiles
    std::vector<std::unique_ptr<CMouseProfile>> m_profiles;
    CMacroList m_macros;
    uint8_t m_fallbackSeparateXY = 0;
    uint32_t m_fallbackRangeMin = 0;
    uint32_t m_fallbackRangeMax = 0;
    uint32_t m_fallbackRangeStep = 0;
    std::vector<int32_t> m_fallbackStageValues;
    std::vector<int32_t> m_fallbackStageValuesX;
    std::vector<int32_t> m_fallbackStageValuesY;
    uint32_t m_fallbackStageCount = 0;
    uint32_t m_fallbackActiveStageCount = 0;
    int32_t m_fallbackCurrentStage = -1;
    int32_t m_accelerationMin = 0;
    int32_t m_accelerationMax = 0;
    int32_t m_accelerationLevel = 0;
    uint8_t m_accelerationEnabled = 0;
    int32_t m_pollingRateCount = 0;
    int32_t m_pollingRateIndex = -1;
    uint8_t m_fallbackGlowLight = 0;
    uint8_t m_fallbackAuxLight = 0;
    std::wstring m_configFilePath;
    std::wstring m_profileFolder;
    std::wstring m_macroFolder;
    std::vector<std::wstring> m_refusedProfileFiles;
};
