#pragma once

#include <cstdint>
#include <memory>

class CLangTable;
class CLanguageSet;

// A language table of a layout's LANG element together with its registration in a language
// set: registered when made, taken out of the set again (and out of being the current
// language) when it goes. Whoever ends up holding it (the layout's description, then the
// language item), the set never refers to a table that is gone. Move-only.
class CRegisteredLanguage
{
public:
    // Registers the table under the identifier (the set keeps only 340 to 351).
    CRegisteredLanguage(CLanguageSet& languages, int32_t identifier, std::unique_ptr<CLangTable> table);
    CRegisteredLanguage(CRegisteredLanguage&& other) noexcept;
    CRegisteredLanguage& operator=(CRegisteredLanguage&& other) noexcept;
    CRegisteredLanguage(const CRegisteredLanguage&) = delete;
    CRegisteredLanguage& operator=(const CRegisteredLanguage&) = delete;
    ~CRegisteredLanguage();

    // Null only in an owner that was moved from.
    [[nodiscard]] CLangTable* Table() const noexcept { return m_table.get(); }

private:
    void Release() noexcept;

    CLanguageSet* m_languages;
    std::unique_ptr<CLangTable> m_table;
};
