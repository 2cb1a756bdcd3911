#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "config/AssignmentInfo.h"
#include "platform/Guid.h"

class CConfigSnapshot;
class CMacro;
class IMouseProfile;

// Everything the user can configure: the profiles with the active one, the macros and the
// device-wide settings. Operations in their fixed order, including the reserved ones kept for
// other devices, which do nothing here.
//
// Most per-profile operations take an optional last profile argument (the first one for
// SetProgramPath and SetAutoSwitch): the given profile, else the active profile, else the
// manager answers from fallback values of its own.
class IMouseConfig
{
public:
    virtual void ClearProfiles() = 0;
    // The device object is attached by handing over what the configuration keeps of it: the
    // number of report intervals (polling rates) it supports.
    virtual void AttachDevice(uint32_t pollingRateCount) = 0;
    virtual bool SetResolutionStageCount(uint32_t count, IMouseProfile* profile = nullptr) = 0;
    virtual bool SetSensitivityStageCount(uint32_t count, IMouseProfile* profile = nullptr) = 0;
    virtual void SetAccelerationRange(int32_t min, int32_t max) = 0;
    virtual void SetResolutionActiveStageCount(uint32_t count, IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityActiveStageCount(uint32_t count, IMouseProfile* profile = nullptr) = 0;
    [[nodiscard]] virtual uint32_t GetProfileCount() const = 0;
    [[nodiscard]] virtual uint32_t GetMacroCount() const = 0;
    virtual uint32_t GetResolutionStageCount(IMouseProfile* profile = nullptr) = 0;
    virtual uint32_t GetResolutionActiveStageCount(IMouseProfile* profile = nullptr) = 0;
    virtual uint32_t GetSensitivityActiveStageCount(IMouseProfile* profile = nullptr) = 0;
    virtual uint32_t GetKeyCount(IMouseProfile* profile = nullptr) = 0;
    virtual uint32_t GetKeyAt(uint32_t index, IMouseProfile* profile = nullptr) = 0;
    virtual IMouseProfile* CreateProfile(const std::wstring& name) = 0;
    virtual IMouseProfile* AddProfileCopy(IMouseProfile* profile) = 0;
    [[nodiscard]] virtual IMouseProfile* GetProfileAt(uint32_t index) const = 0;
    [[nodiscard]] virtual IMouseProfile* FindProfileByGuid(const Guid& guid) const = 0;
    [[nodiscard]] virtual IMouseProfile* FindProfileByName(const std::wstring& name) const = 0;
    virtual IMouseProfile* RenameProfile(IMouseProfile* profile, const std::wstring& newName) = 0;
    virtual IMouseProfile* DuplicateProfile(IMouseProfile* profile, const std::wstring& newName) = 0;
    virtual void DeleteProfile(IMouseProfile* profile) = 0;
    [[nodiscard]] virtual IMouseProfile* GetActiveProfile() const = 0;
    virtual void SetActiveProfile(IMouseProfile* profile) = 0;
    virtual int32_t Reserved1() = 0;
    virtual int32_t Reserved2() = 0;
    virtual void SetProgramPath(IMouseProfile* profile, const std::wstring& path) = 0;
    virtual std::wstring GetProgramPath(IMouseProfile* profile = nullptr) = 0;
    virtual void SetAutoSwitch(IMouseProfile* profile, bool on) = 0;
    virtual bool GetAutoSwitch(IMouseProfile* profile = nullptr) = 0;
    virtual void SetProfileOsdAll(bool on) = 0;
    virtual void SetProfileOsd(bool on, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetProfileOsd(IMouseProfile* profile = nullptr) = 0;
    virtual void SetDpiOsd(bool on, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetDpiOsd(IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionStageSeparateXY(uint32_t stage, bool separate, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetResolutionStageSeparateXY(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityStageSeparateXY(uint32_t stage, bool separate, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetSensitivityStageSeparateXY(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetAccelerationEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool GetAccelerationEnabled() const = 0;
    virtual int32_t SetAccelerationLevel(int32_t level) = 0;
    [[nodiscard]] virtual int32_t GetAccelerationLevel() const = 0;
    virtual int32_t Reserved3() = 0;
    virtual int32_t Reserved4() = 0;
    virtual int32_t SelectResolutionStage(int32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolutionStage(IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionStageValue(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolutionStageValue(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolution(int32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolution(IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionX(int32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolutionX(IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionY(int32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolutionY(IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionSeparateXY(bool separate, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetResolutionSeparateXY(IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionStageValueX(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolutionStageValueX(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionStageValueY(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetResolutionStageValueY(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetResolutionRange(uint32_t min, uint32_t max, uint32_t step, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetResolutionRange(uint32_t& min, uint32_t& max, uint32_t& step, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t SelectSensitivityStage(int32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivityStage(IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityStageValue(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivityStageValue(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivity(int32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivity(IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityX(int32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivityX(IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityY(int32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivityY(IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivitySeparateXY(bool separate, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetSensitivitySeparateXY(IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityStageValueX(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivityStageValueX(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityStageValueY(uint32_t stage, uint32_t value, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t GetSensitivityStageValueY(uint32_t stage, IMouseProfile* profile = nullptr) = 0;
    virtual void SetSensitivityRange(uint32_t min, uint32_t max, uint32_t step, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetSensitivityRange(uint32_t& min, uint32_t& max, uint32_t& step, IMouseProfile* profile = nullptr) = 0;
    virtual int32_t Reserved5() = 0;
    virtual int32_t Reserved6() = 0;
    virtual int32_t Reserved7() = 0;
    virtual int32_t Reserved8() = 0;
    // 0 = 125 Hz, 1 = 500 Hz, 2 = 1000 Hz, -1 = nothing read from the device. The profile
    // argument is accepted and ignored: the rate is device-wide.
    virtual void SetPollingRateIndex(int32_t index, IMouseProfile* profile = nullptr) = 0;
    [[nodiscard]] virtual int32_t GetPollingRateIndex() const = 0;
    virtual bool SetButtonAssignment(int32_t button, const AssignmentInfo& info, IMouseProfile* profile = nullptr) = 0;
    virtual AssignmentInfo GetButtonAssignment(int32_t button, IMouseProfile* profile = nullptr) = 0;
    virtual bool HasClickAssignment(IMouseProfile* profile = nullptr) = 0;
    virtual void SetKeyAssignment(uint32_t key, const AssignmentInfo& info, IMouseProfile* profile = nullptr) = 0;
    virtual AssignmentInfo GetKeyAssignment(uint32_t key, IMouseProfile* profile = nullptr) = 0;
    virtual void SetKeysEnabled(bool enabled, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetKeysEnabled(IMouseProfile* profile = nullptr) = 0;
    // Null when a macro of that name exists (ignoring case). The second argument is unused.
    virtual CMacro* AddMacro(const std::wstring& name, int32_t reserved = 0) = 0;
    virtual void DeleteMacro(CMacro* macro) = 0;
    [[nodiscard]] virtual CMacro* FindMacroByGuid(const Guid& guid) const = 0;
    [[nodiscard]] virtual CMacro* FindMacroByName(const std::wstring& name) const = 0;
    [[nodiscard]] virtual CMacro* GetMacroAt(uint32_t index) const = 0;
    virtual int32_t Reserved9() = 0;
    virtual int32_t Reserved10() = 0;
    virtual int32_t Reserved11() = 0;
    virtual int32_t Reserved12() = 0;
    virtual int32_t Reserved13() = 0;
    virtual int32_t Reserved14() = 0;
    virtual int32_t Reserved15() = 0;
    virtual int32_t Reserved16() = 0;
    virtual int32_t Reserved17() = 0;
    virtual int32_t Reserved18() = 0;
    virtual int32_t Reserved19() = 0;
    virtual int32_t Reserved20() = 0;
    virtual int32_t Reserved21() = 0;
    virtual int32_t Reserved22() = 0;
    virtual int32_t Reserved23() = 0;
    virtual int32_t Reserved24() = 0;
    virtual int32_t Reserved25() = 0;
    virtual int32_t Reserved26() = 0;
    virtual int32_t Reserved27() = 0;
    virtual void SetAuxLight(bool on, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetAuxLight(IMouseProfile* profile = nullptr) = 0;
    virtual void SetGlowLight(bool on, IMouseProfile* profile = nullptr) = 0;
    virtual bool GetGlowLight(IMouseProfile* profile = nullptr) = 0;
    virtual int32_t Reserved28() = 0;
    virtual int32_t Reserved29() = 0;
    virtual int32_t Reserved30() = 0;
    virtual int32_t Reserved31() = 0;
    virtual int32_t Reserved32() = 0;
    virtual int32_t Reserved33() = 0;
    // Profile files in the save folder.
    virtual bool LoadProfiles() = 0;
    virtual bool SaveProfiles() = 0;
    virtual uint32_t LoadProfileFiles() = 0;
    virtual bool SaveProfileFile(IMouseProfile* profile) = 0;
    virtual int32_t Reserved34() = 0;
    virtual int32_t Reserved35() = 0;
    virtual int32_t Reserved36() = 0;
    virtual int32_t Reserved37() = 0;
    [[nodiscard]] virtual int32_t GetAccelerationMin() const = 0;
    [[nodiscard]] virtual int32_t GetAccelerationMax() const = 0;
    virtual int32_t Reserved38() = 0;
    virtual int32_t Reserved39() = 0;
    // Colour zones belong to other devices; this mouse has none.
    [[nodiscard]] virtual uint32_t GetZoneCount() const = 0;
    virtual int32_t Reserved40() = 0;
    virtual int32_t Reserved41() = 0;
    virtual bool GetZoneColor(uint32_t index, uint32_t& colour) = 0;
    virtual bool GetZoneRange(uint32_t index, uint32_t& low, uint32_t& high) = 0;
    virtual bool AddZone(uint32_t colour, uint32_t low, uint32_t high) = 0;
    virtual int32_t Reserved42() = 0;
    virtual void RemoveAllZones() = 0;
    virtual ~IMouseConfig() = default;
    virtual uint32_t GetSensitivityStageCount(IMouseProfile* profile = nullptr) = 0;
    [[nodiscard]] virtual std::wstring GetProfileFileExtension() const = 0;
    // A private copy for a transfer towards the device that runs on a worker thread while this
    // configuration goes on being edited; the copy hands back the ids the transfer obtained
    // (CConfigSnapshot::MergeIdentitiesInto). Null when no copy can be made.
    [[nodiscard]] virtual std::unique_ptr<CConfigSnapshot> TakeSnapshot() const = 0;

protected:
    IMouseConfig() = default;
    IMouseConfig(const IMouseConfig&) = default;
    IMouseConfig& operator=(const IMouseConfig&) = default;
};
