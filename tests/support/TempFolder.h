#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "platform/FileSystem.h"

// A fresh folder under the system's temporary folder, removed with everything in it when the
// test ends. Path() ends in a separator, as the program's folders do.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("vantix-test-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    [[nodiscard]] std::wstring Path() const { return platform::FromFsPath(m_path) + platform::kPathSeparator; }
    [[nodiscard]] std::wstring File(const std::wstring& name) const { return Path() + name; }
    [[nodiscard]] const std::filesystem::path& FsPath() const { return m_path; }

    [[nodiscard]] size_t FileCount() const
    {
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_path))
            ++count;
        return count;
    }

private:
    std::filesystem::path m_path;
};
