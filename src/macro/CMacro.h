#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "macro/MacroEvent.h"
#include "platform/Guid.h"

class CMacroList;

// A named, recorded sequence of key, mouse-button and delay events. Macros are owned by a
// CMacroList, which keeps names unique ignoring case: a macro of a list changes its name
// through the list, and a copy belongs to no list.
class CMacro
{
public:
    static constexpr size_t kMaxNameLength = 255;

    CMacro(std::wstring_view name, std::vector<MacroEvent> events);
    CMacro(const CMacro& other);
    CMacro& operator=(const CMacro&) = delete;

    [[nodiscard]] const std::wstring& GetName() const noexcept { return m_name; }
    // Cut to 255 characters. False, with the name unchanged, when the macro belongs to a list
    // that already holds another macro of that name.
    bool SetName(std::wstring_view name);
    [[nodiscard]] const Guid& GetGuid() const noexcept { return m_guid; }
    void SetGuid(const Guid& guid) noexcept { m_guid = guid; }

    [[nodiscard]] const std::vector<MacroEvent>& GetEvents() const noexcept { return m_events; }
    [[nodiscard]] std::vector<MacroEvent>& Events() noexcept { return m_events; }
    void SetEvents(std::vector<MacroEvent> events) { m_events = std::move(events); }

    // Path of the file the macro was imported from; not part of equality.
    [[nodiscard]] const std::wstring& GetText() const noexcept { return m_text; }
    void SetText(std::wstring_view text) { m_text = text; }

    // Same identity, same name ignoring case, same events in the same order.
    friend bool operator==(const CMacro& a, const CMacro& b) noexcept;

private:
    friend class CMacroList;
    void AssignName(std::wstring_view name);

    CMacroList* m_owner = nullptr;  // the list holding this macro, if any
    std::wstring m_name;
    Guid m_guid;
    std::vector<MacroEvent> m_events;
    std::wstring m_text;
};
