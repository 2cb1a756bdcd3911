#include "skin/CRegisteredLanguage.h"

#include <utility>

#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"

CRegisteredLanguage::CRegisteredLanguage(CLanguageSet& languages, int32_t identifier, std::unique_ptr<CLangTable> table)
    : m_languages(&languages), m_table(std::move(table))
{
    if (m_table)
        m_languages->Register(identifier, m_table.get());
}

CRegisteredLanguage::CRegisteredLanguage(CRegisteredLanguage&& other) noexcept
    : m_languages(other.m_languages), m_table(std::move(other.m_table))
{
}

CRegisteredLanguage& CRegisteredLanguage::operator=(CRegisteredLanguage&& other) noexcept
{
    if (this != &other) {
        Release();
        m_languages = other.m_languages;
        m_table = std::move(other.m_table);
    }
    return *this;
}

CRegisteredLanguage::~CRegisteredLanguage()
{
    Release();
}

void CRegisteredLanguage::Release() noexcept
{
    if (m_table)
        m_languages->Unregister(m_table.get());
    m_table.reset();
}
