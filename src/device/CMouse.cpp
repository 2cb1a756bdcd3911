#include "device/CMouse.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "config/CConfigSnapshot.h"
#include "device/DeviceSteps.h"
#include "macro/CMacro.h"

// Everything the worker thread touches. It holds its own references to the service and the
// snapshot, so a worker that outlives the wait at destruction still works on valid objects.
struct CMouse::TransferJob
{
    std::unique_ptr<CConfigSnapshot> snapshot;
    IMouseConfig* live = nullptr;  // merged into on the window thread only
    svc::ComPtr<svc::IMouseService> service;
    svc::ComPtr<svc::IServiceDevice> device;
    CDeviceSession::Capabilities capabilities;
    TransferFlags flags = 0;
    bool connected = false;
    std::chrono::milliseconds settle{0};
    bool result = false;

    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
    std::thread thread;

    void Run()
    {
        if (connected) {
            CDeviceSession session(device.Get(), capabilities);
            result = session.Write(*snapshot, flags);
        }
        std::this_thread::sleep_for(settle);
        device.Reset();
        service.Reset();
        const std::lock_guard lock(mutex);
        finished = true;
        finishedChanged.notify_all();
    }

    bool IsFinished()
    {
        const std::lock_guard lock(mutex);
        return finished;
    }

    bool WaitFinished(std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex);
        return finishedChanged.wait_for(lock, timeout, [this] { return finished; });
    }
};

namespace {

std::wstring FormatVersion(uint32_t major, uint32_t minor)
{
    wchar_t text[32];
    swprintf(text, 32, L"%d.%02d", static_cast<int>(major), static_cast<int>(minor));
    return text;
}

}  // namespace

CMouse::CMouse(ServiceFactory factory)
    : m_factory(std::move(factory))
{
}

CMouse::~CMouse()
{
    if (m_job) {
        if (m_job->WaitFinished(kShutdownWait)) {
            CompleteTransfer();
        } else {
            // The worker keeps the job alive and ends on its own.
            m_job->thread.detach();
            m_job.reset();
        }
    }
    Close();
}

// ---- connection ----------------------------------------------------------------------------

bool CMouse::Connect()
{
    if (IsTransferring() || m_capabilities.productId == 0 || !m_factory)
        return false;
    m_service = m_factory();
    if (!m_service || m_device)
        return false;
    svc::ComPtr<svc::IServiceDevice> device;
    for (uint32_t index = 0; svc::Succeeded(m_service->GetDevice(index, device.Put())); ++index) {
        svc::DeviceInfo info;
        const bool known = svc::Succeeded(device->GetInfo(&info));
        svc::TaskMemFree(info.text);
        if (known && info.productId == m_capabilities.productId) {
            m_device = std::move(device);
            break;
        }
    }
    m_connected = static_cast<bool>(m_device);
    return m_connected;
}

void CMouse::Disconnect() noexcept
{
    m_device.Reset();
    m_service.Reset();
}

template <typename Result, typename Operation>
Result CMouse::WithConnection(Result otherwise, Operation&& operation)
{
    if (!Connect()) {
        Disconnect();
        return otherwise;
    }
    Result result = operation();
    Disconnect();
    return result;
}

CDeviceSession CMouse::Session() noexcept
{
    return CDeviceSession(m_device.Get(), m_capabilities);
}

// ---- start-up ------------------------------------------------------------------------------

bool CMouse::Initialize(IMouseConfig* config, uint32_t productId)
{
    m_capabilities.productId = productId;
    bool success = Connect();
    if (success) {
        svc::DeviceInfo info;
        success = svc::Succeeded(m_device->GetInfo(&info));
        svc::TaskMemFree(info.text);
        if (success) {
            m_firmwareVersion = FormatVersion(info.versionBMajor, info.versionBMinor);
            m_secondaryVersion = FormatVersion(info.versionAMajor, info.versionAMinor);
        }
        success = config != nullptr && Session().LoadStoredProfiles(*config, m_capabilities.buttons) && success;
        if (config != nullptr)
            config->SetAccelerationRange(1, 10);
        ReadIntervals();
        success = success && !m_intervals.empty();
    } else {
        MarkVersionsUnknown();
    }
    success = success && static_cast<bool>(m_device);
    Disconnect();
    return success;
}

// Without a device both versions read 0.00.
void CMouse::MarkVersionsUnknown()
{
    m_firmwareVersion = m_secondaryVersion = L"0.00";
}

void CMouse::ReadIntervals()
{
    m_intervals.clear();
    auto rate = DeviceSteps::GetFeature<svc::IPollingRate>(m_device.Get(), svc::kIidPollingRate);
    uint32_t count = 0;
    svc::TaskMemPtr<uint32_t> intervals;
    if (!rate || svc::Failed(rate->GetSupported(&count, intervals.Put())) || !intervals)
        return;
    m_intervals.assign(intervals.Get(), intervals.Get() + std::min<uint32_t>(count, 16));
}

void CMouse::Close()
{
    Disconnect();
    m_connected = false;
    m_capabilities.buttons.clear();
    m_capabilities.altButtons.clear();
    m_intervals.clear();
}

uint32_t CMouse::GetPollingRate(uint32_t index) const
{
    return index < m_intervals.size() ? m_intervals[index] : 0;
}

// ---- transfers -----------------------------------------------------------------------------

bool CMouse::Transfer(IMouseConfig* config, TransferDirection direction, TransferFlags flags)
{
    if (config == nullptr || !Connect()) {
        Disconnect();
        return false;
    }
    if (direction == TransferDirection::Read) {
        const bool result = Session().Read(*config, flags);
        Disconnect();
        return result;
    }
    if (direction != TransferDirection::Write || !StartWorker(*config, flags)) {
        Disconnect();
        return false;
    }
    return true;
}

bool CMouse::StartWorker(IMouseConfig& config, TransferFlags flags)
{
    std::unique_ptr<CConfigSnapshot> snapshot = config.TakeSnapshot();
    if (!snapshot)
        return false;
    auto job = std::make_shared<TransferJob>();
    job->snapshot = std::move(snapshot);
    job->live = &config;
    job->capabilities = m_capabilities;
    job->flags = flags;
    job->connected = m_connected;
    job->settle = m_settleTime;
    // The connection moves to the worker, which ends it.
    job->service = std::move(m_service);
    job->device = std::move(m_device);
    try {
        job->thread = std::thread([job] { job->Run(); });
    } catch (const std::system_error&) {
        m_service = std::move(job->service);
        m_device = std::move(job->device);
        return false;
    }
    m_job = std::move(job);
    return true;
}

bool CMouse::IsTransferring()
{
    if (!m_job)
        return false;
    if (!m_job->IsFinished())
        return true;
    CompleteTransfer();
    return false;
}

void CMouse::CompleteTransfer()
{
    if (m_job->thread.joinable())
        m_job->thread.join();
    m_job->snapshot->MergeIdentitiesInto(*m_job->live);
    // Read after the join: the worker wrote it before it ended.
    m_writeResult = m_job->result;
    m_job.reset();
}

// ---- single operations ---------------------------------------------------------------------

uint32_t CMouse::GetProfileCount()
{
    return WithConnection(0u, [&] { return Session().CountProfiles(); });
}

// The three macro operations below work over a connection someone else opened.
bool CMouse::WriteMacro(CMacro* macro)
{
    return macro != nullptr && m_device && Session().WriteMacro(*macro);
}

bool CMouse::ReadMacro(const Guid& id, CMacro* macro)
{
    return macro != nullptr && m_device && Session().ReadMacro(id, *macro);
}

bool CMouse::ClearMacros()
{
    return m_device && Session().ClearMacros();
}

bool CMouse::ImportMacro(const std::wstring& path, IMouseConfig* config)
{
    if (config == nullptr)
        return false;
    return WithConnection(false, [&] { return Session().ImportMacro(path, *config); });
}

bool CMouse::ExportMacro(const std::wstring& path, CMacro* macro)
{
    if (macro == nullptr)
        return false;
    return WithConnection(false, [&] { return Session().ExportMacro(path, *macro); });
}

bool CMouse::HasMacro(CMacro* macro)
{
    if (macro == nullptr)
        return false;
    return WithConnection(false, [&] { return Session().HasMacro(*macro); });
}

bool CMouse::ActivateProfile(const Guid& id)
{
    return WithConnection(false, [&] { return Session().ActivateProfile(id); });
}

bool CMouse::ImportProfile(const std::wstring& path, IMouseConfig* config)
{
    if (config == nullptr)
        return false;
    return WithConnection(false, [&] { return Session().ImportProfile(path, *config); });
}

bool CMouse::ExportProfile(const std::wstring& path, IMouseProfile* profile)
{
    if (profile == nullptr)
        return false;
    return WithConnection(false, [&] { return Session().ExportProfile(path, *profile); });
}

bool CMouse::HasProfile(IMouseProfile* profile)
{
    if (profile == nullptr)
        return false;
    return WithConnection(false, [&] { return Session().HasProfile(*profile); });
}
