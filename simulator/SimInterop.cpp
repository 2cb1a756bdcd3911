#include "SimInterop.h"

#include <cstring>
#include <filesystem>

#include "SimLimits.h"
#include "SimResults.h"
#include "platform/FileSystem.h"
#include "platform/Utf16.h"

namespace sim {
namespace {

constexpr size_t kMaxPathUnits = 32767;  // the longest path Windows accepts

// Empty when the path is missing, empty or too long.
std::wstring PathFromCaller(const char16_t* path)
{
    if (path == nullptr)
        return {};
    const std::optional<std::u16string> text = TextFromCaller(path, kMaxPathUnits);
    return text ? platform::FromUtf16(*text) : std::wstring();
}

}  // namespace

svc::HRESULT CopyToTaskString(std::u16string_view text, char16_t** out) noexcept
{
    if (out == nullptr)
        return svc::kPointer;
    auto* copy = static_cast<char16_t*>(svc::TaskMemAlloc((text.size() + 1) * sizeof(char16_t)));
    if (copy == nullptr)
        return svc::kOutOfMemory;
    std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
    copy[text.size()] = u'\0';
    *out = copy;
    return svc::kOk;
}

std::optional<std::u16string> TextFromCaller(const char16_t* text, size_t maxUnits)
{
    size_t length = 0;
    while (length <= maxUnits && text[length] != u'\0')
        ++length;
    if (length > maxUnits)
        return std::nullopt;
    return std::u16string(text, length);
}

svc::HRESULT ReadExchangeFile(const char16_t* path, std::string& bytes)
{
    const std::wstring file = PathFromCaller(path);
    if (file.empty())
        return svc::kInvalidArg;
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(platform::ToFsPath(file), error);
    if (error)
        return kFileNotFound;
    if (size > kMaxExchangeBytes)
        return kBadFile;
    std::optional<std::string> read = platform::ReadFileBytes(file);
    if (!read)
        return kFileNotFound;
    bytes = std::move(*read);
    return svc::kOk;
}

svc::HRESULT WriteExchangeFile(const char16_t* path, std::string_view bytes)
{
    const std::wstring file = PathFromCaller(path);
    if (file.empty())
        return svc::kInvalidArg;
    return platform::WriteFileAtomically(file, bytes) ? svc::kOk : kStoreWriteFailed;
}

}  // namespace sim
