#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "skin/layout/ResourceRecord.h"

// What the resource cache asks of the platform: decoding pictures, registering fonts and
// reading files. The cache keeps the rules (one load per name and type, failures cached,
// release from last to first); the loader only does the work, so the rules are tested natively
// with a fake loader. The Windows implementation lives in skin/win.
class IResourceLoader
{
public:
    struct Picture
    {
        uintptr_t handle = 0;  // owned by the cache from now on; returned through ReleasePicture
        int32_t width = 0;
        int32_t height = 0;
    };

    virtual ~IResourceLoader() = default;

    // Types Picture and BitmapFile; nullopt when the file is missing or does not decode.
    [[nodiscard]] virtual std::optional<Picture> LoadPicture(ResourceType type, const std::wstring& path) = 0;
    // The number of fonts the file added (0: none).
    [[nodiscard]] virtual int32_t AddFont(const std::wstring& path) = 0;
    // The whole file, or nullopt when it cannot be read or holds more than maxBytes bytes.
    [[nodiscard]] virtual std::optional<std::string> ReadFile(const std::wstring& path, uint64_t maxBytes) = 0;
    // The file's length in bytes; 0 when it cannot be opened.
    [[nodiscard]] virtual uint64_t FileLength(const std::wstring& path) = 0;

    virtual void ReleasePicture(ResourceType type, uintptr_t handle) noexcept = 0;
    virtual void RemoveFont(const std::wstring& path) noexcept = 0;

protected:
    IResourceLoader() = default;
    IResourceLoader(const IResourceLoader&) = default;
    IResourceLoader& operator=(const IResourceLoader&) = default;
};
