#include "SimDeviceState.h"

#include <chrono>
#include <cwchar>
#include <filesystem>
#include <map>
#include <thread>

#include "SimDiagnostics.h"
#include "SimFileFormat.h"
#include "platform/FileSystem.h"
#include "platform/Utf16.h"

namespace sim {
namespace {

struct StateKey
{
    std::wstring folder;
    uint32_t productId;

    auto operator<=>(const StateKey&) const = default;
};

// The states alive in this process. Weak references: a state lives exactly as long as the
// objects that use it.
struct StateRegistry
{
    std::mutex mutex;
    std::map<StateKey, std::weak_ptr<SimDeviceState>> states;
};

StateRegistry& Registry()
{
    static StateRegistry registry;
    return registry;
}

// "C:\x\" and "C:\x" name one folder and must share one state.
std::wstring WithoutTrailingSeparators(std::wstring folder)
{
    while (folder.size() > 1 && (folder.back() == L'/' || folder.back() == L'\\'))
        folder.pop_back();
    return folder;
}

// On Windows a file that another process (a virus scanner, an indexer, a test) holds open
// for reading cannot be replaced until it is closed again; such opens are brief, so a write
// is tried again a few times before the change is given up.
constexpr int kSaveAttempts = 20;
constexpr std::chrono::milliseconds kSaveRetryDelay{5};

void DropExpired(StateRegistry& registry)
{
    std::erase_if(registry.states, [](const auto& entry) { return entry.second.expired(); });
}

}  // namespace

std::shared_ptr<SimDeviceState> SimDeviceState::Acquire(const std::wstring& folder, uint32_t productId,
                                                        bool deferWrites)
{
    StateRegistry& registry = Registry();
    const StateKey key{WithoutTrailingSeparators(folder), productId};
    std::lock_guard lock(registry.mutex);
    if (std::shared_ptr<SimDeviceState> state = registry.states[key].lock()) {
        if (deferWrites) {
            std::lock_guard stateLock(state->m_mutex);
            state->m_deferWrites = true;
        }
        return state;
    }
    DropExpired(registry);
    auto state = std::make_shared<SimDeviceState>(StorePathFor(key.folder, productId), productId);
    state->m_deferWrites = deferWrites;
    registry.states[key] = state;
    return state;
}

SimDeviceState::~SimDeviceState()
{
    if (m_dirty && !Save(m_model))
        ReportDiagnostic("cannot write the deferred changes to " + platform::ToUtf8(m_storePath));
}

std::wstring SimDeviceState::StorePathFor(const std::wstring& folder, uint32_t productId)
{
    wchar_t name[32];
    std::swprintf(name, std::size(name), L"device-%04x.store", static_cast<unsigned>(productId));
    std::wstring path = WithoutTrailingSeparators(folder);
    if (!path.empty() && path.back() != L'/' && path.back() != L'\\')
        path += platform::kPathSeparator;
    return path + name;
}

SimDeviceState::SimDeviceState(std::wstring storePath, uint32_t productId)
    : m_storePath(std::move(storePath)), m_productId(productId)
{
    Load();
}

void SimDeviceState::Load()
{
    const std::filesystem::path path = platform::ToFsPath(m_storePath);
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error)
        return MarkDamaged("cannot be examined");
    if (!exists) {
        m_model = MakeFreshModel(m_productId);
        if (!Save(m_model))
            ReportDiagnostic("cannot write the new store " + platform::ToUtf8(m_storePath) +
                             "; every change to the device will fail");
        return;
    }
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return MarkDamaged("cannot be read");
    if (size > kMaxStoreBytes)
        return MarkDamaged(ProblemText(FileProblem::TooLarge));
    const std::optional<std::string> bytes = platform::ReadFileBytes(m_storePath);
    if (!bytes)
        return MarkDamaged("cannot be read");
    DeviceModel model;
    const FileProblem problem = DecodeStore(*bytes, model);
    if (problem != FileProblem::None)
        return MarkDamaged(ProblemText(problem));
    if (model.productId != m_productId)
        return MarkDamaged("holds the data of another product");
    m_model = std::move(model);
}

void SimDeviceState::MarkDamaged(std::string_view reason)
{
    m_damaged = true;
    char product[16];
    std::snprintf(product, sizeof(product), "0x%04X", static_cast<unsigned>(m_productId));
    ReportDiagnostic("store " + platform::ToUtf8(m_storePath) + " refused: " + std::string(reason) +
                     "; device " + product + " reports failures until the file is repaired or removed;"
                     " the file is left untouched");
}

bool SimDeviceState::Save(const DeviceModel& model) const
{
    const std::string bytes = EncodeStore(model);
    for (int attempt = 1;; ++attempt) {
        std::error_code ignored;
        std::filesystem::create_directories(platform::ToFsPath(m_storePath).parent_path(), ignored);
        if (platform::WriteFileAtomically(m_storePath, bytes))
            return true;
        if (attempt == kSaveAttempts)
            return false;
        std::this_thread::sleep_for(kSaveRetryDelay);
    }
}

}  // namespace sim
