#include "config/CButtonAssigner.h"

#include "config/AssignmentTables.h"
#include "config/IMouseConfig.h"
#include "config/IMouseProfile.h"
#include "macro/CMacro.h"
#include "platform/TextCase.h"
#include "vocabulary/NameKeys.h"

bool CButtonAssigner::IsGridButton(int32_t button) noexcept
{
    return button >= kFirstGridButton && button < kFirstGridButton + kGridCells;
}

void CButtonAssigner::LoadKeyMaps()
{
    for (auto& map : m_keyMaps)
        map.clear();
    const uint32_t count = m_config.GetKeyCount();
    for (uint32_t index = 0; index < count && index < m_keyMaps.size() * kGridCells; ++index)
    {
        const int32_t cell = kFirstGridButton + static_cast<int32_t>(index % kGridCells);
        m_keyMaps[index / kGridCells][cell] = m_config.GetKeyAt(index);
    }
}

std::optional<uint32_t> CButtonAssigner::KeyOfButton(int32_t button) const
{
    const auto& map = m_keyMaps[static_cast<size_t>(m_keySet)];
    const auto found = map.find(button);
    return found != map.end() ? std::optional<uint32_t>(found->second) : std::nullopt;
}

std::vector<std::wstring> CButtonAssigner::Menu(int32_t button) const
{
    std::vector<std::wstring> menu;
    if (const IMouseProfile* profile = m_config.GetActiveProfile())
        profile->ListAllowedFunctions(menu, button);
    return menu;
}

int32_t CButtonAssigner::CodeOfEntry(std::wstring_view key) noexcept
{
    for (int32_t code = 0; code <= FunctionCode::kLast; ++code)
    {
        const std::wstring_view name = NameKeys::FunctionNameKey(code);
        if (!name.empty() && platform::EqualsIgnoreCase(name, key))
            return code;
    }
    return FunctionCode::kUnassigned;
}

int32_t CButtonAssigner::EntryCodeOf(int32_t code) noexcept
{
    if (code == FunctionCode::kMacroByName)
        return FunctionCode::kMacro;
    if (code == FunctionCode::kProfileByName)
        return FunctionCode::kProfile;
    return code;
}

std::optional<AssignmentInfo> CButtonAssigner::RecordFor(int32_t code, const std::wstring& submenuText) const
{
    if (code == FunctionCode::kMacro || code == FunctionCode::kMacroByName)
    {
        const CMacro* macro = submenuText.empty() ? nullptr : m_config.FindMacroByName(submenuText);
        if (macro == nullptr)
            return std::nullopt;
        return macro->GetGuid().IsNull() ? AssignmentInfo::MacroByName(macro->GetName())
                                         : AssignmentInfo::Macro(macro->GetGuid());
    }
    if (code == FunctionCode::kProfile || code == FunctionCode::kProfileByName)
    {
        const IMouseProfile* profile = submenuText.empty() ? nullptr : m_config.FindProfileByName(submenuText);
        if (profile == nullptr)
            return std::nullopt;
        return profile->GetGuid().IsNull() ? AssignmentInfo::ProfileByName(profile->GetName())
                                           : AssignmentInfo::Profile(profile->GetGuid());
    }
    return AssignmentInfo::Function(code);
}

std::optional<AssignmentInfo> CButtonAssigner::Current(int32_t button) const
{
    if (!IsGridButton(button))
        return m_config.GetButtonAssignment(button);
    const std::optional<uint32_t> key = KeyOfButton(button);
    return key ? std::optional<AssignmentInfo>(m_config.GetKeyAssignment(*key)) : std::nullopt;
}

std::optional<AssignmentInfo> CButtonAssigner::Shown(int32_t button) const
{
    if (IsGridButton(button) && !m_config.GetKeysEnabled())
        return AssignmentInfo::Function(FunctionCode::kButtonOff);
    return Current(button);
}

void CButtonAssigner::Store(int32_t button, uint32_t key, const AssignmentInfo& record)
{
    if (IsGridButton(button))
        m_config.SetKeyAssignment(key, record);
    else
        (void)m_config.SetButtonAssignment(button, record);
}

CButtonAssigner::Outcome CButtonAssigner::Assign(int32_t button, const AssignmentInfo& record)
{
    const std::optional<AssignmentInfo> previous = Current(button);
    const std::optional<uint32_t> key = KeyOfButton(button);
    if (!previous || (IsGridButton(button) && !key))
        return Outcome::Ignored;
    Store(button, key.value_or(0), record);
    if (m_config.HasClickAssignment())
        return Outcome::Stored;
    Store(button, key.value_or(0), *previous);
    return Outcome::NoClickLeft;
}

void CButtonAssigner::Restore(int32_t button, const AssignmentInfo& record)
{
    const std::optional<uint32_t> key = KeyOfButton(button);
    if (!IsGridButton(button) || key)
        Store(button, key.value_or(0), record);
}

bool CButtonAssigner::AllKeysOff() const
{
    for (const auto& map : m_keyMaps)
        for (const auto& [cell, key] : map)
            if (m_config.GetKeyAssignment(key).functionCode != FunctionCode::kButtonOff)
                return false;
    return true;
}

CButtonAssigner::Outcome CButtonAssigner::SetKeysEnabled(bool enabled)
{
    m_config.SetKeysEnabled(enabled);
    if (!enabled && !m_config.HasClickAssignment())
    {
        m_config.SetKeysEnabled(true);
        return Outcome::NoClickLeft;
    }
    if (enabled && AllKeysOff())
        for (const auto& map : m_keyMaps)
            for (const auto& [cell, key] : map)
                m_config.SetKeyAssignment(key, AssignmentTables::DefaultKeyAssignment(key));
    return Outcome::Stored;
}
