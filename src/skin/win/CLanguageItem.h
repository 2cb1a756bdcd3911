#pragma once

#include "skin/CRegisteredLanguage.h"
#include "skin/win/CGUIItem.h"

class CLangTable;

// A LANG element (kind 13): holds the language table the element made, with its registration
// in the language set, for as long as the item list lives.
class CLanguageItem : public CGUIItem
{
public:
    explicit CLanguageItem(CRegisteredLanguage language) noexcept;

    // Null only for an item made without a table.
    [[nodiscard]] CLangTable* Table() const noexcept { return m_language.Table(); }

private:
    CRegisteredLanguage m_language;
};
