#include "skin/CLanguageSet.h"

#include "platform/TextCase.h"
#include "skin/CLangTable.h"
#include "skin/IKeyboardLayouts.h"
#include "vocabulary/VocabularyTables.h"

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
    std::wstring shown = Translate(text, caps).value_or(std::wstring(text));
    BreakFirstLine(shown);
    return shown;
}

std::optional<std::wstring> CLanguageSet::Translate(std::wstring_view text, int32_t caps) const
{
    auto translated = m_current != nullptr ? m_current->Translate(text) : std::nullopt;
    // A damaged language file leaves keys out: the English texts stand in for them.
    if (!translated && m_current != nullptr) {
        const CLangTable* english = Fallback();
        if (english != nullptr && english != m_current)
            translated = english->Translate(text);
    }
    if (translated) {
        if (caps == kCapsUpper)
            *translated = platform::ToUpper(*translated);
        else if (caps == kCapsLower)
            *translated = platform::ToLower(*translated);
    }
    return translated;
}

const CLangTable* CLanguageSet::Fallback() const noexcept
{
    const auto found = m_tables.find(kEnglish);
    return found != m_tables.end() ? found->second : nullptr;
}

void CLanguageSet::BreakFirstLine(std::wstring& text)
{
    const size_t lineBreak = text.find(L"\\n");
    if (lineBreak != std::wstring::npos)
        text.replace(lineBreak, 2, L"\r\n");
}

void CLanguageSet::Unregister(const CLangTable* table) noexcept
{
    std::erase_if(m_tables, [table](const auto& entry) { return entry.second == table; });
    if (m_current == table)
        m_current = nullptr;
}
