#include "skin/layout/CFileResourceLoader.h"

#include "skin/layout/FileReading.h"

namespace {

constexpr size_t kFileBlockBytes = 64 * 1024;

}  // namespace

std::optional<std::string> CFileResourceLoader::ReadFile(const std::wstring& path, uint64_t maxBytes)
{
    std::string bytes;
    const auto result = FileReading::ReadBlocks(path, kFileBlockBytes, maxBytes, [&](std::span<const uint8_t> block) {
        bytes.append(reinterpret_cast<const char*>(block.data()), block.size());
    });
    if (result != FileReading::ReadResult::Complete)
        return std::nullopt;
    return bytes;
}

uint64_t CFileResourceLoader::FileLength(const std::wstring& path)
{
    return FileReading::FileLength(path);
}
