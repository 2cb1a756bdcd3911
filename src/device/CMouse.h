#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/CDeviceSession.h"
#include "device/IMouseDevice.h"
#include "device/ServiceFactory.h"

// The program's only path to the mouse. Every operation connects to the device service, does
// its work and disconnects, except a transfer towards the device: it writes on a worker thread
// from a snapshot of the configuration, settles for 500 ms and disconnects there. While that
// worker exists every connect is refused and no second transfer starts.
class CMouse : public IMouseDevice
{
public:
    static constexpr uint32_t kProfileLimit = 10;
    static constexpr std::chrono::milliseconds kSettleTime{500};
    static constexpr std::chrono::milliseconds kShutdownWait{7500};

    explicit CMouse(ServiceFactory factory);
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;
    ~CMouse() override;

    bool Initialize(IMouseConfig* config, uint32_t productId) override;
    bool Reserved1(int32_t) override { return false; }
    void Close() override;
    uint32_t GetPollingRateCount() const override { return static_cast<uint32_t>(m_intervals.size()); }
    uint32_t GetPollingRate(uint32_t index) const override;
    uint32_t GetFixedLimit() const override { return kProfileLimit; }
    uint32_t GetProfileCount() override;
    bool IsTransferring() override;
    bool WriteMacro(CMacro* macro) override;
    bool ReadMacro(const Guid& id, CMacro* macro) override;
    bool ClearMacros() override;
    bool ImportMacro(const std::wstring& path, IMouseConfig* config) override;
    bool ExportMacro(const std::wstring& path, CMacro* macro) override;
    bool HasMacro(CMacro* macro) override;
    bool ImportProfile(const std::wstring& path, IMouseConfig* config) override;
    bool ExportProfile(const std::wstring& path, IMouseProfile* profile) override;
    bool HasProfile(IMouseProfile* profile) override;
    bool Transfer(IMouseConfig* config, TransferDirection direction, TransferFlags flags) override;
    bool Reserved18(int32_t, int32_t) override { return false; }
    bool IsConnected() const override { return m_connected; }
    void GetFirmwareVersion(std::wstring& text) const override { text = m_firmwareVersion; }
    void GetSecondaryVersion(std::wstring& text) const override { text = m_secondaryVersion; }
    uint32_t GetProductId() const override { return m_capabilities.productId; }
    std::optional<bool> TakeWriteResult() override { return std::exchange(m_writeResult, std::nullopt); }

    // Makes one stored profile active on the mouse over a connection of its own, writing
    // nothing else: a companion program that holds no configuration of its own switches
    // profiles this way without overwriting what the configurator stored. Needs the product
    // id Initialize set.
    bool ActivateProfile(const Guid& id);

    // The pause after a write; tests and measurements shorten it.
    void SetSettleTime(std::chrono::milliseconds settle) noexcept { m_settleTime = settle; }
    [[nodiscard]] const std::vector<uint32_t>& GetAssignableButtons() const noexcept { return m_capabilities.buttons; }

private:
    struct TransferJob;

    bool Connect();
    void Disconnect() noexcept;
    // Runs an operation over a connection of its own; `otherwise` when connecting fails.
    template <typename Result, typename Operation>
    Result WithConnection(Result otherwise, Operation&& operation);
    [[nodiscard]] CDeviceSession Session() noexcept;
    void MarkVersionsUnknown();
    void ReadIntervals();
    bool StartWorker(IMouseConfig& config, TransferFlags flags);
    // Joins a worker that has finished and merges the ids it obtained.
    void CompleteTransfer();

    ServiceFactory m_factory;
    CDeviceSession::Capabilities m_capabilities;
    svc::ComPtr<svc::IMouseService> m_service;
    svc::ComPtr<svc::IServiceDevice> m_device;
    bool m_connected = false;
    std::vector<uint32_t> m_intervals;
    std::wstring m_firmwareVersion;
    std::wstring m_secondaryVersion;
    std::chrono::milliseconds m_settleTime = kSettleTime;
    std::shared_ptr<TransferJob> m_job;  // set while a worker exists: the transfer guard
    std::optional<bool> m_writeResult;   // the finished worker's, until asked for
};
