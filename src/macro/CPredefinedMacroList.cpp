#include "macro/CPredefinedMacroList.h"

#include <cstdint>

namespace {

struct ShortcutKey
{
    int firstNumber;
    uint16_t scanCode;
    uint16_t virtualKey;
    uint8_t flags;
};

constexpr ShortcutKey kShortcutKeys[] = {
    {1, 29, 162, 0},  // left Ctrl
    {3, 56, 164, 0},  // left Alt
    {5, 91, 91, 1},   // left Windows key (extended)
    {7, 15, 9, 0},    // Tab
    {9, 62, 115, 0},  // F4
    {11, 13, 187, 0}, // equals
    {13, 12, 189, 0}, // minus
    {15, 30, 65, 0},  // A
    {17, 46, 67, 0},  // C
    {19, 32, 68, 0},  // D
    {21, 18, 69, 0},  // E
    {23, 33, 70, 0},  // F
    {25, 38, 76, 0},  // L
    {27, 49, 78, 0},  // N
    {29, 25, 80, 0},  // P
    {31, 19, 82, 0},  // R
    {33, 31, 83, 0},  // S
    {35, 47, 86, 0},  // V
    {37, 45, 88, 0},  // X
    {39, 44, 90, 0},  // Z
};

constexpr int kFirstFunctionCode = 41;  // "$cut"; the seventeen shortcuts follow in order
constexpr int kLastEditMacro = 9;
constexpr int kLastWindowMacro = 17;

std::vector<int> Lookup(const std::map<int, std::vector<int>>& shortcuts, int macroNumber)
{
    const auto found = shortcuts.find(macroNumber);
    return found == shortcuts.end() ? std::vector<int>{} : found->second;
}

}  // namespace

CPredefinedMacroList::CPredefinedMacroList()
{
    for (const ShortcutKey& key : kShortcutKeys) {
        m_keyEvents[key.firstNumber] = MacroEvent::Key(key.scanCode, key.virtualKey, kKeyPressed, key.flags);
        m_keyEvents[key.firstNumber + 1] = MacroEvent::Key(key.scanCode, key.virtualKey, kKeyReleased, key.flags);
    }

    m_editShortcuts = {
        {1, {1, 37, 38, 2}},  // Ctrl+X
        {2, {1, 17, 18, 2}},  // Ctrl+C
        {3, {1, 35, 36, 2}},  // Ctrl+V
        {4, {1, 39, 40, 2}},  // Ctrl+Z
        {5, {1, 15, 16, 2}},  // Ctrl+A
        {6, {1, 23, 24, 2}},  // Ctrl+F
        {7, {1, 27, 28, 2}},  // Ctrl+N
        {8, {1, 29, 30, 2}},  // Ctrl+P
        {9, {1, 33, 34, 2}},  // Ctrl+S
    };
    m_windowShortcuts = {
        {10, {3, 7, 8, 4}},    // Alt+Tab
        {11, {3, 9, 10, 4}},   // Alt+F4
        {12, {5, 25, 26, 6}},  // Windows+L
        {13, {5, 21, 22, 6}},  // Windows+E
        {14, {5, 31, 32, 6}},  // Windows+R
        {15, {5, 19, 20, 6}},  // Windows+D
        {16, {1, 11, 12, 2}},  // Ctrl+equals
        {17, {1, 13, 14, 2}},  // Ctrl+minus
    };
}

const CPredefinedMacroList& CPredefinedMacroList::Instance()
{
    static const CPredefinedMacroList instance;
    return instance;
}

std::vector<int> CPredefinedMacroList::EditShortcut(int macroNumber) const
{
    return Lookup(m_editShortcuts, macroNumber);
}

std::vector<int> CPredefinedMacroList::WindowShortcut(int macroNumber) const
{
    return Lookup(m_windowShortcuts, macroNumber);
}

bool CPredefinedMacroList::KeyEvent(int eventNumber, MacroEvent& event) const
{
    const auto found = m_keyEvents.find(eventNumber);
    if (found == m_keyEvents.end())
        return false;
    event = found->second;
    return true;
}

std::vector<MacroEvent> CPredefinedMacroList::Events(int macroNumber) const
{
    const std::vector<int> numbers =
        macroNumber <= kLastEditMacro ? EditShortcut(macroNumber) : WindowShortcut(macroNumber);
    std::vector<MacroEvent> events;
    events.reserve(numbers.size());
    for (int number : numbers) {
        MacroEvent event;
        if (KeyEvent(number, event))
            events.push_back(event);
    }
    return events;
}

int CPredefinedMacroList::FunctionCode(int macroNumber) noexcept
{
    return (macroNumber >= 1 && macroNumber <= kLastWindowMacro) ? kFirstFunctionCode + macroNumber - 1 : -1;
}
