#include "platform/FileSystem.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "platform/TextCase.h"
#include "platform/Utf16.h"

namespace platform {
namespace {

struct FileCloser
{
    void operator()(FILE* file) const noexcept { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

FileHandle OpenFile(const std::filesystem::path& path, bool write) noexcept
{
#ifdef _WIN32
    return FileHandle(_wfopen(path.c_str(), write ? L"wb" : L"rb"));
#else
    return FileHandle(std::fopen(path.c_str(), write ? "wb" : "rb"));
#endif
}

bool FlushToDisk(FILE* file) noexcept
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

std::wstring TemporaryNameFor(const std::wstring& path)
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return path + L"." + std::to_wstring(seed) + L"-" + std::to_wstring(counter++) + L".tmp";
}

}  // namespace

std::filesystem::path ToFsPath(std::wstring_view path)
{
#ifdef _WIN32
    return std::filesystem::path(std::wstring(path));
#else
    return std::filesystem::path(ToUtf8(path));
#endif
}

std::wstring FromFsPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    return path.wstring();
#else
    return FromUtf8(path.native());
#endif
}

std::optional<std::string> ReadFileBytes(const std::wstring& path)
{
    FileHandle file = OpenFile(ToFsPath(path), false);
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[16384];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0)
        bytes.append(buffer, read);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

FileRead ReadFileBounded(const std::wstring& path, uint64_t maxBytes)
{
    FileRead result;
    const std::filesystem::path fsPath = ToFsPath(path);
    FileHandle file = OpenFile(fsPath, false);
    if (!file) {
        std::error_code error;
        result.status = std::filesystem::exists(fsPath, error) ? ReadStatus::Failed : ReadStatus::Missing;
        return result;
    }
    char buffer[16384];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0) {
        if (result.bytes.size() + read > maxBytes) {
            result.bytes.clear();
            result.status = ReadStatus::TooLarge;
            return result;
        }
        result.bytes.append(buffer, read);
    }
    if (std::ferror(file.get())) {
        result.bytes.clear();
        result.status = ReadStatus::Failed;
        return result;
    }
    result.status = ReadStatus::Read;
    return result;
}

bool WriteFileAtomically(const std::wstring& path, std::string_view bytes)
{
    const std::filesystem::path temporary = ToFsPath(TemporaryNameFor(path));
    {
        FileHandle file = OpenFile(temporary, true);
        if (!file)
            return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
        if (!written || !FlushToDisk(file.get())) {
            file.reset();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, ToFsPath(path), error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool RemoveFile(const std::wstring& path) noexcept
{
    std::error_code error;
    return std::filesystem::remove(ToFsPath(path), error) && !error;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) noexcept
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), error);
    return same && !error;
}

std::vector<std::wstring> ListFiles(const std::wstring& folder, std::wstring_view extension)
{
    std::vector<std::wstring> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(ToFsPath(folder), error);
    if (error)
        return names;
    const std::wstring wantedExtension = L"." + std::wstring(extension);
    for (const auto& entry : entries) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError))
            continue;
        const std::wstring name = FromFsPath(entry.path().filename());
        if (EqualsIgnoreCase(FromFsPath(entry.path().extension()), wantedExtension))
            names.push_back(name);
    }
    return names;
}

std::wstring FileNameOf(std::wstring_view path)
{
    const size_t separator = path.find_last_of(L"\\/:");
    return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

}  // namespace platform
