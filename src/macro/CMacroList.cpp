#include "macro/CMacroList.h"

#include <algorithm>

#include "platform/TextCase.h"

CMacroList::~CMacroList()
{
    Clear();
}

CMacro* CMacroList::Add(std::wstring_view name, std::vector<MacroEvent> events)
{
    auto macro = std::make_unique<CMacro>(name, std::move(events));
    const auto [slot, inserted] = m_byFoldedName.try_emplace(platform::FoldCase(macro->GetName()), macro.get());
    if (!inserted)
        return nullptr;
    macro->m_owner = this;
    m_macros.push_back(std::move(macro));
    return slot->second;
}

void CMacroList::Remove(const CMacro* macro)
{
    const int index = IndexOf(macro);
    if (index < 0)
        return;
    m_byFoldedName.erase(platform::FoldCase(macro->GetName()));
    m_macros.erase(m_macros.begin() + index);
}

bool CMacroList::Rename(CMacro* macro, std::wstring_view name)
{
    if (IndexOf(macro) < 0)
        return false;
    const std::wstring oldKey = platform::FoldCase(macro->GetName());
    const std::wstring newKey = platform::FoldCase(name.substr(0, CMacro::kMaxNameLength));
    if (newKey != oldKey) {
        if (m_byFoldedName.count(newKey) != 0)
            return false;
        m_byFoldedName.erase(oldKey);
        m_byFoldedName.emplace(newKey, macro);
    }
    macro->AssignName(name);
    return true;
}

void CMacroList::Clear() noexcept
{
    m_byFoldedName.clear();
    // Destroyed from the end, as the list was built from the front.
    while (!m_macros.empty())
        m_macros.pop_back();
}

CMacro* CMacroList::FindByName(std::wstring_view name) const
{
    const auto found = m_byFoldedName.find(platform::FoldCase(name));
    return found == m_byFoldedName.end() ? nullptr : found->second;
}

CMacro* CMacroList::FindByGuid(const Guid& guid) const noexcept
{
    const auto found = std::find_if(m_macros.begin(), m_macros.end(),
                                    [&](const auto& macro) { return macro->GetGuid() == guid; });
    return found == m_macros.end() ? nullptr : found->get();
}

CMacro* CMacroList::At(size_t index) const noexcept
{
    return index < m_macros.size() ? m_macros[index].get() : nullptr;
}

int CMacroList::IndexOf(const CMacro* macro) const noexcept
{
    if (macro == nullptr)
        return -1;
    const auto found = std::find_if(m_macros.begin(), m_macros.end(),
                                    [&](const auto& owned) { return owned.get() == macro; });
    return found == m_macros.end() ? -1 : static_cast<int>(found - m_macros.begin());
}
