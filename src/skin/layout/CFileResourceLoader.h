#pragma once

#include "skin/layout/IResourceLoader.h"

// The portable half of a resource loader: files are read with the C++ library on every
// platform. Pictures and fonts are left to the platform's loader that derives from it.
class CFileResourceLoader : public IResourceLoader
{
public:
    [[nodiscard]] std::optional<std::string> ReadFile(const std::wstring& path, uint64_t maxBytes) override;
    [[nodiscard]] uint64_t FileLength(const std::wstring& path) override;
};
