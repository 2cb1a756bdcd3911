#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "skin/layout/IResourceLoader.h"

// A resource loader over files that exist only in memory, counting every load and recording
// every release, so tests can see exactly what the cache asked of the platform.
class FakeResourceLoader : public IResourceLoader
{
public:
    struct Release
    {
        ResourceType type;
        uintptr_t handle;
        std::wstring path;  // fonts
    };

    explicit FakeResourceLoader(std::wstring programDirectory) : m_programDirectory(std::move(programDirectory)) {}

    // The path the cache builds for a file of a folder ("skins", "fonts", "lang").
    [[nodiscard]] std::wstring PathOf(std::wstring_view folder, std::wstring_view name) const
    {
        return m_programDirectory + platform::kPathSeparator + std::wstring(folder) + platform::kPathSeparator +
               std::wstring(name);
    }

    void AddPicture(std::wstring_view name, int32_t width = 16, int32_t height = 16, uint64_t length = 100)
    {
        m_pictures[Key(PathOf(L"skins", name))] = {width, height, length};
    }
    void AddFontFile(std::wstring_view name, int32_t fonts = 1, uint64_t length = 5000)
    {
        m_fonts[Key(PathOf(L"fonts", name))] = {fonts, length};
    }
    void AddLanguageFile(std::wstring_view name, std::string bytes)
    {
        m_files[Key(PathOf(L"lang", name))] = std::move(bytes);
    }

    [[nodiscard]] int PictureLoads(std::wstring_view name) const { return Count(m_pictureLoads, PathOf(L"skins", name)); }
    [[nodiscard]] int FontLoads(std::wstring_view name) const { return Count(m_fontLoads, PathOf(L"fonts", name)); }
    [[nodiscard]] int FileReads(std::wstring_view name) const { return Count(m_fileReads, PathOf(L"lang", name)); }
    [[nodiscard]] int TotalPictureLoads() const
    {
        int total = 0;
        for (const auto& [path, count] : m_pictureLoads)
            total += count;
        return total;
    }
    [[nodiscard]] const std::vector<ResourceType>& PictureTypes() const { return m_pictureTypes; }
    [[nodiscard]] const std::vector<Release>& Releases() const { return m_releases; }
    [[nodiscard]] size_t LiveHandles() const { return m_live.size(); }

    std::optional<Picture> LoadPicture(ResourceType type, const std::wstring& path) override
    {
        ++m_pictureLoads[Key(path)];
        m_pictureTypes.push_back(type);
        const auto found = m_pictures.find(Key(path));
        if (found == m_pictures.end())
            return std::nullopt;
        const uintptr_t handle = m_nextHandle++;
        m_live.insert(handle);
        return Picture{handle, found->second.width, found->second.height};
    }

    int32_t AddFont(const std::wstring& path) override
    {
        ++m_fontLoads[Key(path)];
        const auto found = m_fonts.find(Key(path));
        return found == m_fonts.end() ? 0 : found->second.fonts;
    }

    std::optional<std::string> ReadFile(const std::wstring& path, uint64_t maxBytes) override
    {
        ++m_fileReads[Key(path)];
        const auto found = m_files.find(Key(path));
        if (found == m_files.end() || found->second.size() > maxBytes)
            return std::nullopt;
        return found->second;
    }

    uint64_t FileLength(const std::wstring& path) override
    {
        if (const auto picture = m_pictures.find(Key(path)); picture != m_pictures.end())
            return picture->second.length;
        if (const auto font = m_fonts.find(Key(path)); font != m_fonts.end())
            return font->second.length;
        if (const auto file = m_files.find(Key(path)); file != m_files.end())
            return file->second.size();
        return 0;
    }

    void ReleasePicture(ResourceType type, uintptr_t handle) noexcept override
    {
        m_releases.push_back({type, handle, {}});
        m_live.erase(handle);
    }

    void RemoveFont(const std::wstring& path) noexcept override { m_releases.push_back({ResourceType::Font, 0, path}); }

private:
    struct PictureFile
    {
        int32_t width;
        int32_t height;
        uint64_t length;
    };
    struct FontFile
    {
        int32_t fonts;
        uint64_t length;
    };

    // File names ignore case, as on Windows.
    static std::wstring Key(std::wstring_view path) { return platform::FoldCase(path); }
    static int Count(const std::map<std::wstring, int>& counts, std::wstring_view path)
    {
        const auto found = counts.find(Key(path));
        return found == counts.end() ? 0 : found->second;
    }

    std::wstring m_programDirectory;
    std::map<std::wstring, PictureFile> m_pictures;
    std::map<std::wstring, FontFile> m_fonts;
    std::map<std::wstring, std::string> m_files;
    std::map<std::wstring, int> m_pictureLoads;
    std::map<std::wstring, int> m_fontLoads;
    std::map<std::wstring, int> m_fileReads;
    std::vector<ResourceType> m_pictureTypes;
    std::vector<Release> m_releases;
    std::set<uintptr_t> m_live;
    uintptr_t m_nextHandle = 0x1000;
};
