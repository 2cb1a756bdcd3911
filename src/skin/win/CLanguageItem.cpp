#include "skin/win/CLanguageItem.h"

#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CSkinEnvironment.h"

CLanguageItem::CLanguageItem(std::unique_ptr<CLangTable> table) noexcept : m_table(std::move(table))
{
}

CLanguageItem::~CLanguageItem()
{
    if (m_table)
        CSkinEnvironment::Instance().Languages().Unregister(m_table.get());
}
