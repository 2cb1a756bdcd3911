#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "skin/layout/ResourceRecord.h"

class IResourceLoader;

// The process's resource cache: pictures, fonts and language files named by layouts, resolved
// against fixed folders under the program directory ("fonts" for fonts, "lang" for language
// files, "skins" for every other type) and loaded at most once. A load that fails is cached too
// and never retried. Records stay until ReleaseAll (the destructor calls it), which releases
// them from the last to the first; pointers to records stay valid until then.
//
// One thread (the user-interface thread) uses the cache. The loader must outlive it.
class CResourceCache
{
public:
    // programDirectory: the folder of the program; a separator is added when it has none.
    CResourceCache(std::wstring programDirectory, IResourceLoader& loader);
    ~CResourceCache();
    CResourceCache(const CResourceCache&) = delete;
    CResourceCache& operator=(const CResourceCache&) = delete;

    // The cached record of this type whose name equals the trimmed name ignoring case, or a new
    // record loaded now. Always a record: one whose load failed has `loaded` false. A name that
    // would leave its folder (absolute, with a drive, or with a ".." step) is not loaded and is
    // marked `outsideFolder`; names of subfolders inside the folder are fine.
    [[nodiscard]] const ResourceRecord& Fetch(std::wstring_view name, ResourceType type);

    // The size of the first cached record of any type whose name equals the trimmed name
    // ignoring case; 0 when there is none.
    [[nodiscard]] uint64_t ResourceSize(std::wstring_view name) const;

    // Gives a picture's memory back early when one fetch was its only use since it was loaded
    // (a panel's mask, whose outline is cut once): the record stays and the next fetch loads
    // the picture again. False, with nothing changed, when it was fetched more than once, is
    // not a loaded picture, or is not this cache's record.
    bool ReleaseIfUnshared(const ResourceRecord& record);

    // Releases every record, the last first, and empties the cache.
    void ReleaseAll() noexcept;

    [[nodiscard]] const std::wstring& ProgramDirectory() const noexcept { return m_programDirectory; }
    [[nodiscard]] size_t RecordCount() const noexcept { return m_records.size(); }
    // Program directory + folder + separator.
    [[nodiscard]] std::wstring FolderPath(std::wstring_view folder) const;
    [[nodiscard]] static std::wstring_view FolderOf(ResourceType type) noexcept;
    [[nodiscard]] static bool StaysInsideFolder(std::wstring_view name) noexcept;

private:
    struct Key
    {
        int32_t type;
        std::wstring foldedName;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash
    {
        size_t operator()(const Key& key) const noexcept;
    };

    void Load(ResourceRecord& record);
    void Release(ResourceRecord& record) noexcept;

    std::wstring m_programDirectory;
    IResourceLoader& m_loader;
    std::vector<std::unique_ptr<ResourceRecord>> m_records;
    std::unordered_map<Key, size_t, KeyHash> m_byKey;
    std::unordered_map<std::wstring, size_t> m_firstByName;  // folded name -> first record
};
