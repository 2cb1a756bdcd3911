#pragma once

#include <string>
#include <string_view>

#include "skin/layout/ItemDescriptions.h"

class CLanguageSet;
class CResourceCache;

// The layout loader's portable half: reads a layout file and describes the items it holds,
// fetching their pictures, fonts and language files through the resource cache. Overrides and
// font substitutions come from the language set's current language at the time of the read;
// LANG elements make language tables, which are registered with the language set (identifiers
// 340 to 351) and whose keyboard layouts are loaded through the set's keyboard layouts.
//
// Nothing is reported: a missing, unreadable, too large or malformed file describes nothing,
// and every fault drops the smallest unit (an element, a column, a reference). Windows are made
// from the description by the Windows items, in the description's order.
class CLayoutReader
{
public:
    CLayoutReader(CResourceCache& cache, CLanguageSet& languages) noexcept : m_cache(cache), m_languages(languages) {}

    // Reads program directory + "xml" + separator + fileName.
    [[nodiscard]] LayoutDescription ReadFile(std::wstring_view fileName) const;
    // Reads a layout from its bytes, as if they were the file's.
    [[nodiscard]] LayoutDescription ReadBytes(std::string_view bytes) const;

private:
    [[nodiscard]] LayoutDescription Describe(std::u16string_view text) const;

    CResourceCache& m_cache;
    CLanguageSet& m_languages;
};
