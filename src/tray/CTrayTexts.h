#pragma once

#include <string>
#include <string_view>

#include "skin/CLangTable.h"

namespace tray {

// The companion's texts in the installation's language: the language file of the language the
// registry names, read into the same language table the configurator uses. An unknown or
// unreadable language falls back to English; a key no file knows is shown as written.
class CTrayTexts
{
public:
    CTrayTexts() = default;

    // `programDirectory` ends in a separator; `languageName` is the registry's name (German,
    // Japanese, ...), matched ignoring case.
    [[nodiscard]] static CTrayTexts Load(const std::wstring& programDirectory, std::wstring_view languageName);

    // "$key" translated, or the text itself.
    [[nodiscard]] std::wstring Text(std::wstring_view key) const;

    [[nodiscard]] const CLangTable& Table() const noexcept { return m_table; }

private:
    bool ReadLanguage(const std::wstring& programDirectory, int32_t identifier);

    CLangTable m_table;
};

}  // namespace tray
