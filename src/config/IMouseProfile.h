#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/AssignmentInfo.h"
#include "platform/Guid.h"

// One complete set of mouse settings under a name. The configuration manager and the device
// object reach profiles only through this interface; its order is fixed, including the
// reserved operations kept for other devices, which do nothing here.
//
// Stage arguments are stage numbers counted from 1.
class IMouseProfile
{
public:
    virtual bool SetResolutionStageCount(uint32_t count) = 0;
    virtual bool SetSensitivityStageCount(uint32_t count) = 0;
    [[nodiscard]] virtual uint32_t GetResolutionStageCount() const = 0;
    [[nodiscard]] virtual uint32_t GetSensitivityStageCount() const = 0;
    [[nodiscard]] virtual uint32_t GetResolutionActiveStageCount() const = 0;
    [[nodiscard]] virtual uint32_t GetSensitivityActiveStageCount() const = 0;
    [[nodiscard]] virtual uint32_t GetKeyCount() const = 0;
    virtual void SetResolutionActiveStageCount(uint32_t count) = 0;
    virtual void SetSensitivityActiveStageCount(uint32_t count) = 0;
    // Key code at a position of the key order list; 0 past its end.
    [[nodiscard]] virtual uint32_t GetKeyAt(uint32_t index) const = 0;
    [[nodiscard]] virtual std::wstring GetName() const = 0;
    [[nodiscard]] virtual Guid GetGuid() const = 0;
    [[nodiscard]] virtual bool HasStorageFile() const = 0;
    virtual void SetName(const std::wstring& name) = 0;
    virtual void SetGuid(const Guid& guid) = 0;
    [[nodiscard]] virtual std::wstring GetProgramFileName() const = 0;
    virtual void SetProgramFileName(const std::wstring& fileName) = 0;
    [[nodiscard]] virtual std::wstring GetStorageFilePath() const = 0;
    [[nodiscard]] virtual std::wstring GetProgramPath() const = 0;
    virtual void SetProgramPath(const std::wstring& path) = 0;
    virtual void SetAutoSwitch(bool on) = 0;
    [[nodiscard]] virtual bool GetAutoSwitch() const = 0;
    virtual void SetDpiOsd(bool on) = 0;
    [[nodiscard]] virtual bool GetDpiOsd() const = 0;
    virtual void SetProfileOsd(bool on) = 0;
    [[nodiscard]] virtual bool GetProfileOsd() const = 0;

    virtual void SetResolutionStageSeparateXY(uint32_t stage, bool separate) = 0;
    [[nodiscard]] virtual bool GetResolutionStageSeparateXY(uint32_t stage) const = 0;
    virtual int32_t SelectResolutionStage(int32_t stage) = 0;
    [[nodiscard]] virtual int32_t GetResolutionStage() const = 0;
    virtual int32_t SetResolutionStageValue(uint32_t stage, uint32_t value) = 0;
    [[nodiscard]] virtual int32_t GetResolutionStageValue(uint32_t stage) const = 0;
    virtual int32_t SetResolutionStageValueX(uint32_t stage, uint32_t value) = 0;
    [[nodiscard]] virtual int32_t GetResolutionStageValueX(uint32_t stage) const = 0;
    virtual int32_t SetResolutionStageValueY(uint32_t stage, uint32_t value) = 0;
    [[nodiscard]] virtual int32_t GetResolutionStageValueY(uint32_t stage) const = 0;
    virtual void SetResolution(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetResolution() const = 0;
    virtual void SetResolutionX(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetResolutionX() const = 0;
    virtual void SetResolutionY(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetResolutionY() const = 0;
    virtual void SetResolutionSeparateXY(bool separate) = 0;
    [[nodiscard]] virtual bool GetResolutionSeparateXY() const = 0;
    virtual void SetResolutionRange(uint32_t min, uint32_t max, uint32_t step) = 0;
    virtual bool GetResolutionRange(uint32_t& min, uint32_t& max, uint32_t& step) const = 0;

    virtual void SetSensitivityStageSeparateXY(uint32_t stage, bool separate) = 0;
    [[nodiscard]] virtual bool GetSensitivityStageSeparateXY(uint32_t stage) const = 0;
    virtual int32_t SelectSensitivityStage(int32_t stage) = 0;
    [[nodiscard]] virtual int32_t GetSensitivityStage() const = 0;
    virtual int32_t SetSensitivityStageValue(uint32_t stage, uint32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSensitivityStageValue(uint32_t stage) const = 0;
    virtual int32_t SetSensitivityStageValueX(uint32_t stage, uint32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSensitivityStageValueX(uint32_t stage) const = 0;
    virtual int32_t SetSensitivityStageValueY(uint32_t stage, uint32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSensitivityStageValueY(uint32_t stage) const = 0;
    virtual void SetSensitivity(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSensitivity() const = 0;
    virtual void SetSensitivityX(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSensitivityX() const = 0;
    virtual void SetSensitivityY(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSensitivityY() const = 0;
    virtual void SetSensitivitySeparateXY(bool separate) = 0;
    [[nodiscard]] virtual bool GetSensitivitySeparateXY() const = 0;
    virtual void SetSensitivityRange(uint32_t min, uint32_t max, uint32_t step) = 0;
    virtual bool GetSensitivityRange(uint32_t& min, uint32_t& max, uint32_t& step) const = 0;

    virtual void SetAuxLight(bool on) = 0;
    [[nodiscard]] virtual bool GetAuxLight() const = 0;
    virtual void SetGlowLight(bool on) = 0;
    [[nodiscard]] virtual bool GetGlowLight() const = 0;
    virtual void Reserved1(int32_t value) = 0;
    virtual int32_t Reserved2() = 0;

    virtual bool SetButtonAssignment(int32_t button, const AssignmentInfo& info) = 0;
    // A button never assigned gets an unassigned entry, which is returned.
    virtual AssignmentInfo GetButtonAssignment(int32_t button) = 0;
    [[nodiscard]] virtual bool HasClickAssignment() const = 0;
    virtual bool SetKeyAssignment(uint32_t key, const AssignmentInfo& info) = 0;
    virtual AssignmentInfo GetKeyAssignment(uint32_t key) = 0;
    virtual void SetKeysEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool GetKeysEnabled() const = 0;
    [[nodiscard]] virtual bool IsFunctionAllowed(int32_t code, int32_t button) const = 0;
    // Replaces the list by the language keys of the codes the button may take, in menu order.
    virtual void ListAllowedFunctions(std::vector<std::wstring>& list, int32_t button) const = 0;
    // Receives each line of a profile file's assignment section; nothing for this mouse.
    virtual bool ApplyStoredAssignment(int32_t button, const std::wstring& text) = 0;
    virtual int32_t Reserved3() = 0;
    virtual int32_t Reserved4() = 0;
    virtual int32_t Reserved5() = 0;
    virtual int32_t Reserved6() = 0;
    virtual int32_t Reserved7() = 0;
    virtual int32_t Reserved8() = 0;

    // Profile files in the save folder; see CMouseProfile.
    virtual bool SaveToFile(std::wstring& baseName, const std::wstring& folder, const std::wstring& extension) = 0;
    virtual bool LoadFromFile(const std::wstring& baseName, const std::wstring& folder,
                              const std::wstring& extension) = 0;

    virtual ~IMouseProfile() = default;

    virtual int32_t Reserved9() = 0;
    virtual int32_t Reserved10() = 0;
    virtual int32_t Reserved11() = 0;

protected:
    IMouseProfile() = default;
    IMouseProfile(const IMouseProfile&) = default;
    IMouseProfile& operator=(const IMouseProfile&) = default;
};
