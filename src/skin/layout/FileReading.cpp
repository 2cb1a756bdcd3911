#include "skin/layout/FileReading.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/FileSystem.h"

namespace FileReading {

ReadResult ReadBlocks(const std::wstring& path, size_t blockBytes, uint64_t maxBytes,
                      const std::function<void(std::span<const uint8_t>)>& block)
{
    std::ifstream file(platform::ToFsPath(path), std::ios::binary);
    if (!file || blockBytes == 0)
        return ReadResult::Missing;
    std::vector<char> buffer(blockBytes);
    uint64_t total = 0;
    while (file) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto count = static_cast<size_t>(file.gcount());
        if (count == 0)
            break;
        total += count;
        if (total > maxBytes)
            return ReadResult::TooLarge;
        block(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(buffer.data()), count));
    }
    return file.bad() ? ReadResult::Missing : ReadResult::Complete;
}

uint64_t FileLength(const std::wstring& path) noexcept
{
    std::error_code error;
    const std::filesystem::path fsPath = platform::ToFsPath(path);
    if (!std::filesystem::is_regular_file(fsPath, error))
        return 0;
    const auto length = std::filesystem::file_size(fsPath, error);
    return error ? 0 : static_cast<uint64_t>(length);
}

}  // namespace FileReading
