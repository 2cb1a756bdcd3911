#include "skin/layout/CResourceCache.h"

#include <functional>

#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "skin/layout/IResourceLoader.h"
#include "skin/layout/LayoutLimits.h"
#include "skin/layout/LayoutValues.h"

namespace {

bool EndsWithSeparator(std::wstring_view path) noexcept
{
    return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
}

}  // namespace

CResourceCache::CResourceCache(std::wstring programDirectory, IResourceLoader& loader)
    : m_programDirectory(std::move(programDirectory)), m_loader(loader)
{
    if (!m_programDirectory.empty() && !EndsWithSeparator(m_programDirectory))
        m_programDirectory.push_back(platform::kPathSeparator);
}

CResourceCache::~CResourceCache()
{
    ReleaseAll();
}

size_t CResourceCache::KeyHash::operator()(const Key& key) const noexcept
{
    return std::hash<std::wstring>{}(key.foldedName) * 31u + static_cast<size_t>(key.type);
}

std::wstring_view CResourceCache::FolderOf(ResourceType type) noexcept
{
    switch (type) {
    case ResourceType::Font:
        return L"fonts";
    case ResourceType::LanguageFile:
        return L"lang";
    default:
        return L"skins";
    }
}

std::wstring CResourceCache::FolderPath(std::wstring_view folder) const
{
    std::wstring path = m_programDirectory;
    path.append(folder);
    path.push_back(platform::kPathSeparator);
    return path;
}

// Windows drops trailing dots and blanks from each step of a path, so a step of dots and blanks
// alone ("..", ". .", "...") may climb; an empty step is a root (a leading "\" or "//server"); a colon
// names a drive or a stream.
bool CResourceCache::StaysInsideFolder(std::wstring_view name) noexcept
{
    if (name.find(L':') != std::wstring_view::npos)
        return false;
    size_t start = 0;
    while (true) {
        const size_t end = name.find_first_of(L"\\/", start);
        const std::wstring_view step = name.substr(start, end == std::wstring_view::npos ? end : end - start);
        const bool onlyDotsAndBlanks = step.find_first_not_of(L". ") == std::wstring_view::npos;
        if (step.empty() ? end != std::wstring_view::npos : (onlyDotsAndBlanks && step != L"."))
            return false;
        if (end == std::wstring_view::npos)
            return true;
        start = end + 1;
    }
}

const ResourceRecord& CResourceCache::Fetch(std::wstring_view name, ResourceType type)
{
    const std::wstring_view trimmed = LayoutValues::Trim(name);
    Key key{static_cast<int32_t>(type), platform::FoldCase(trimmed)};
    if (const auto found = m_byKey.find(key); found != m_byKey.end())
    {
        ResourceRecord& record = *m_records[found->second];
        if (record.givenBack)
        {
            record.givenBack = false;
            Load(record);
        }
        ++record.fetches;
        return record;
    }

    auto record = std::make_unique<ResourceRecord>();
    record->name = std::wstring(trimmed);
    record->path = FolderPath(FolderOf(type)) + record->name;
    record->type = type;
    record->outsideFolder = !StaysInsideFolder(record->name);
    if (!record->name.empty() && !record->outsideFolder)
        Load(*record);
    record->fetches = 1;

    const size_t index = m_records.size();
    m_firstByName.try_emplace(key.foldedName, index);
    m_byKey.emplace(std::move(key), index);
    m_records.push_back(std::move(record));
    return *m_records.back();
}

void CResourceCache::Load(ResourceRecord& record)
{
    switch (record.type) {
    case ResourceType::Picture:
    case ResourceType::BitmapFile:
        if (const auto picture = m_loader.LoadPicture(record.type, record.path); picture && picture->handle != 0) {
            record.loaded = true;
            record.handle = picture->handle;
            record.width = picture->width;
            record.height = picture->height;
            record.size = record.type == ResourceType::Picture ? LayoutLimits::kPictureRecordSize
                                                               : m_loader.FileLength(record.path);
        }
        break;
    case ResourceType::Font:
        record.size = m_loader.FileLength(record.path);
        if (const int32_t count = m_loader.AddFont(record.path); count > 0) {
            record.loaded = true;
            record.handle = static_cast<uintptr_t>(count);
        }
        break;
    case ResourceType::LanguageFile:
        // An empty file gets no buffer, like one that cannot be read.
        if (auto bytes = m_loader.ReadFile(record.path, LayoutLimits::kMaxLanguageFileBytes)) {
            record.loaded = !bytes->empty();
            record.size = bytes->size();
            record.bytes = std::move(*bytes);
        }
        break;
    }
}

uint64_t CResourceCache::ResourceSize(std::wstring_view name) const
{
    const auto found = m_firstByName.find(platform::FoldCase(LayoutValues::Trim(name)));
    return found == m_firstByName.end() ? 0 : m_records[found->second]->size;
}

void CResourceCache::Release(ResourceRecord& record) noexcept
{
    if (!record.loaded)
        return;
    switch (record.type) {
    case ResourceType::Picture:
    case ResourceType::BitmapFile:
        m_loader.ReleasePicture(record.type, record.handle);
        break;
    case ResourceType::Font:
        m_loader.RemoveFont(record.path);
        break;
    case ResourceType::LanguageFile:
        break;
    }
    record.loaded = false;
    record.handle = 0;
}

bool CResourceCache::ReleaseIfUnshared(const ResourceRecord& record)
{
    const bool picture = record.type == ResourceType::Picture || record.type == ResourceType::BitmapFile;
    if (!picture || !record.loaded || record.fetches != 1)
        return false;
    const auto found = m_byKey.find(Key{static_cast<int32_t>(record.type), platform::FoldCase(record.name)});
    if (found == m_byKey.end() || m_records[found->second].get() != &record)
        return false;
    ResourceRecord& own = *m_records[found->second];
    Release(own);
    own.fetches = 0;
    own.givenBack = true;
    return true;
}

void CResourceCache::ReleaseAll() noexcept
{
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it)
        Release(**it);
    m_byKey.clear();
    m_firstByName.clear();
    m_records.clear();
}
