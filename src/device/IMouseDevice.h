#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/DeviceTerms.h"
#include "platform/Guid.h"

class CMacro;
class IMouseConfig;
class IMouseProfile;

// The program's only path to the mouse. Operations in their fixed order; the true/false
// results are one byte.
class IMouseDevice
{
public:
    virtual bool Initialize(IMouseConfig* config, uint32_t productId) = 0;
    virtual bool Reserved1(int32_t value) = 0;
    virtual void Close() = 0;
    [[nodiscard]] virtual uint32_t GetPollingRateCount() const = 0;
    [[nodiscard]] virtual uint32_t GetPollingRate(uint32_t index) const = 0;
    [[nodiscard]] virtual uint32_t GetFixedLimit() const = 0;
    virtual uint32_t GetProfileCount() = 0;
    // Also where a finished transfer hands the ids it obtained to the live configuration, so
    // it is asked on the window thread.
    [[nodiscard]] virtual bool IsTransferring() = 0;
    virtual bool WriteMacro(CMacro* macro) = 0;
    virtual bool ReadMacro(const Guid& id, CMacro* macro) = 0;
    virtual bool ClearMacros() = 0;
    virtual bool ImportMacro(const std::wstring& path, IMouseConfig* config) = 0;
    virtual bool ExportMacro(const std::wstring& path, CMacro* macro) = 0;
    virtual bool HasMacro(CMacro* macro) = 0;
    virtual bool ImportProfile(const std::wstring& path, IMouseConfig* config) = 0;
    virtual bool ExportProfile(const std::wstring& path, IMouseProfile* profile) = 0;
    virtual bool HasProfile(IMouseProfile* profile) = 0;
    // Write sends the flagged parts on a worker thread and answers whether it started; Read
    // reads the flagged parts now and answers whether every step succeeded.
    virtual bool Transfer(IMouseConfig* config, TransferDirection direction, TransferFlags flags) = 0;
    virtual bool Reserved18(int32_t first, int32_t second) = 0;
    [[nodiscard]] virtual bool IsConnected() const = 0;
    virtual void GetFirmwareVersion(std::wstring& text) const = 0;
    virtual void GetSecondaryVersion(std::wstring& text) const = 0;
    [[nodiscard]] virtual uint32_t GetProductId() const = 0;
    // Whether the last write that finished (IsTransferring answered false after it) succeeded;
    // answered once, empty afterwards and before any write finished.
    [[nodiscard]] virtual std::optional<bool> TakeWriteResult() = 0;
    virtual ~IMouseDevice() = default;
};
