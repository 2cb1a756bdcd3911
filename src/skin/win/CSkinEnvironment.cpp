#include "skin/win/CSkinEnvironment.h"

#include "skin/CLanguageSet.h"
#include "skin/layout/CResourceCache.h"

CSkinEnvironment& CSkinEnvironment::Instance()
{
    static CSkinEnvironment environment;
    return environment;
}

void CSkinEnvironment::Initialize(std::wstring programDirectory)
{
    if (!programDirectory.empty() && programDirectory.back() != L'\\' && programDirectory.back() != L'/')
        programDirectory.push_back(L'\\');
    Release();
    m_programDirectory = std::move(programDirectory);
    m_cache = std::make_unique<CResourceCache>(m_programDirectory, m_loader);
    Languages().SetKeyboardLayouts(&m_keyboardLayouts);
}

void CSkinEnvironment::Release() noexcept
{
    m_cache.reset();
}

CLanguageSet& CSkinEnvironment::Languages() const noexcept
{
    return CLanguageSet::Instance();
}
