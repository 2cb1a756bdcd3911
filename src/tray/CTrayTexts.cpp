#include "tray/CTrayTexts.h"

#include "platform/FileSystem.h"
#include "skin/CLanguageSet.h"
#include "vocabulary/VocabularyTables.h"

namespace tray {

CTrayTexts CTrayTexts::Load(const std::wstring& programDirectory, std::wstring_view languageName)
{
    CTrayTexts texts;
    int32_t identifier = VocabularyTables::NameToKey(VocabularyTables::Table::LanguageNames, languageName);
    if (identifier == VocabularyTables::kNoKey || !texts.ReadLanguage(programDirectory, identifier))
        (void)texts.ReadLanguage(programDirectory, CLanguageSet::kEnglish);
    return texts;
}

// The installation names each language file after the registry's name of the language.
bool CTrayTexts::ReadLanguage(const std::wstring& programDirectory, int32_t identifier)
{
    const std::wstring_view name = VocabularyTables::KeyToName(VocabularyTables::Table::LanguageNames, identifier);
    if (name.empty())
        return false;
    const std::wstring path = programDirectory + L"lang" + platform::kPathSeparator + std::wstring(name) + L".lng";
    const std::optional<std::string> bytes = platform::ReadFileBytes(path);
    CLangTable table(identifier);
    if (!bytes || !table.Read(bytes->data(), bytes->size()))
        return false;
    m_table = std::move(table);
    return true;
}

std::wstring CTrayTexts::Text(std::wstring_view key) const
{
    std::wstring text = m_table.Translate(key).value_or(std::wstring(key));
    CLanguageSet::BreakFirstLine(text);
    return text;
}

}  // namespace tray
