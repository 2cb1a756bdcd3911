#include "skin/CLanguageSet.h"

#include "platform/TextCase.h"
#include "skin/CLangTable.h"
#include "skin/IKeyboardLayouts.h"
#include "skin/VocabularyTables.h"

CLanguageSet& CLanguageSet::Instance()
{
    static CLanguageSet set;
    return set;
}

void CLanguageSet::Register(int32_t identifier, CLangTable* table)
{
    if (identifier >= kFirstLanguage && identifier <= kLastLanguage && table != nullptr)
        m_tables[identifier] = table;
}

bool CLanguageSet::Select(int32_t identifier)
{
    const auto found = m_tables.find(identifier);
    if (found == m_tables.end())
        return false;
    m_current = found->second;
    if (m_layouts != nullptr && m_current->KeyboardLayout() != 0)
        m_layouts->Activate(m_current->KeyboardLayout());
    return true;
}

bool CLanguageSet::SelectByName(std::wstring_view languageName)
{
    int32_t identifier = VocabularyTables::NameToKey(VocabularyTables::Table::LanguageNames, languageName);
    if (identifier == VocabularyTables::kNoKey)
        identifier = kEnglish;
    return Select(identifier) || Select(kEnglish);
}

void CLanguageSet::Clear() noexcept
{
    m_tables.clear();
    m_current = nullptr;
}

int32_t CLanguageSet::MapFont(int32_t fontId) const
{
    return m_current == nullptr ? fontId : m_current->SubstituteFont(fontId);
}

std::wstring CLanguageSet::ShowText(std::wstring_view text, int32_t caps) const
{
    std::wstring shown;
    const auto translated = m_current != nullptr ? m_current->Translate(text) : std::nullopt;
    if (translated) {
        shown = *translated;
        if (caps == kCapsUpper)
            shown = platform::ToUpper(shown);
        else if (caps == kCapsLower)
            shown = platform::ToLower(shown);
    } else {
        shown = text;
    }
    const size_t lineBreak = shown.find(L"\\n");
    if (lineBreak != std::wstring::npos)
        shown.replace(lineBreak, 2, L"\r\n");
    return shown;
}
