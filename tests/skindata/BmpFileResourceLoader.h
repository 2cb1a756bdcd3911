#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "skin/layout/CFileResourceLoader.h"

// The file resource loader with pictures and fonts checked the portable way, so the installed
// data can be read through the real layout reader on every platform: pictures must be
// uncompressed 24-bit BMP files (they are decoded and kept for inspection), fonts TrueType or
// OpenType files. Every path that failed to load is remembered.
class BmpFileResourceLoader : public CFileResourceLoader
{
public:
    // Pixels as red + 256 x green + 65536 x blue, row by row from the top.
    struct Pixels
    {
        int32_t width = 0;
        int32_t height = 0;
        std::vector<uint32_t> rgb;

        [[nodiscard]] uint32_t At(int32_t x, int32_t y) const { return rgb[static_cast<size_t>(y) * width + x]; }
    };

    [[nodiscard]] std::optional<Picture> LoadPicture(ResourceType type, const std::wstring& path) override;
    [[nodiscard]] int32_t AddFont(const std::wstring& path) override;
    void ReleasePicture(ResourceType type, uintptr_t handle) noexcept override;
    void RemoveFont(const std::wstring&) noexcept override {}

    // The decoded picture behind a handle the cache holds; nullptr for an unknown handle.
    [[nodiscard]] const Pixels* PixelsOf(uintptr_t handle) const;
    [[nodiscard]] const std::vector<std::wstring>& Failures() const noexcept { return m_failures; }
    [[nodiscard]] size_t PicturesLoaded() const noexcept { return m_picturesLoaded; }
    [[nodiscard]] size_t FontsAdded() const noexcept { return m_fontsAdded; }

    // A 24-bit uncompressed BMP file's pixels; nullopt for anything else.
    [[nodiscard]] static std::optional<Pixels> DecodeBmp(const std::string& bytes);

private:
    std::map<uintptr_t, Pixels> m_pictures;
    std::vector<std::wstring> m_failures;
    uintptr_t m_nextHandle = 1;
    size_t m_picturesLoaded = 0;
    size_t m_fontsAdded = 0;
};
