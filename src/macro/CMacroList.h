#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "macro/CMacro.h"

// The ordered list of macros, owning them. Names are unique ignoring case; a hash index over
// the folded names keeps Add and FindByName constant-time, so filling the list with the full
// 65,536 macros the pages allow stays linear.
class CMacroList
{
public:
    CMacroList() = default;
    CMacroList(const CMacroList&) = delete;
    CMacroList& operator=(const CMacroList&) = delete;
    virtual ~CMacroList();

    // Null when a macro of that name exists (ignoring case); otherwise appends a new macro.
    CMacro* Add(std::wstring_view name, std::vector<MacroEvent> events);

    // Removes and destroys the macro; null or a macro not in the list is left alone.
    void Remove(const CMacro* macro);

    // Gives a macro of this list a new name; false when another macro already has it.
    bool Rename(CMacro* macro, std::wstring_view name);

    void Clear() noexcept;

    [[nodiscard]] CMacro* FindByName(std::wstring_view name) const;
    [[nodiscard]] CMacro* FindByGuid(const Guid& guid) const noexcept;
    [[nodiscard]] CMacro* At(size_t index) const noexcept;
    [[nodiscard]] size_t Count() const noexcept { return m_macros.size(); }
    [[nodiscard]] int IndexOf(const CMacro* macro) const noexcept;

private:
    std::vector<std::unique_ptr<CMacro>> m_macros;
    std::unordered_map<std::wstring, CMacro*> m_byFoldedName;
};
