#pragma once

#include <memory>

#include "skin/win/CGUIItem.h"

class CLangTable;

// A LANG element (kind 13): owns the language table the element made. The language set refers
// to the table while it is registered, so the item keeps it for as long as the item list lives
// and takes it out of the set when it goes.
class CLanguageItem : public CGUIItem
{
public:
    explicit CLanguageItem(std::unique_ptr<CLangTable> table) noexcept;
    ~CLanguageItem() override;

    // Null only for an item made without a table.
    [[nodiscard]] CLangTable* Table() const noexcept { return m_table.get(); }

private:
    std::unique_ptr<CLangTable> m_table;
};
