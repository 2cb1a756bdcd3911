#include "macro/CMacroRecorder.h"

#include <algorithm>
#include <iterator>

namespace {

struct ButtonFlag
{
    uint16_t flag;
    RecordedButton button;
};
// The raw button flags (RI_MOUSE_*_BUTTON_DOWN / _UP) and the button numbers macros use.
constexpr ButtonFlag kButtonFlags[] = {
    {0x0001, {1, kKeyPressed}},   {0x0002, {1, kKeyReleased}},  {0x0004, {2, kKeyPressed}},
    {0x0008, {2, kKeyReleased}},  {0x0010, {3, kKeyPressed}},   {0x0020, {3, kKeyReleased}},
    {0x0040, {25, kKeyPressed}},  {0x0080, {25, kKeyReleased}}, {0x0100, {26, kKeyPressed}},
    {0x0200, {26, kKeyReleased}},
};

}  // namespace

std::optional<RecordedButton> ButtonFromRawFlags(uint16_t buttonFlags) noexcept
{
    const auto* found = std::find_if(std::begin(kButtonFlags), std::end(kButtonFlags),
                                     [buttonFlags](const ButtonFlag& entry) { return entry.flag == buttonFlags; });
    if (found == std::end(kButtonFlags))
        return std::nullopt;
    return found->button;
}

void CMacroRecorder::SetEvents(std::vector<MacroEvent> events)
{
    m_events = std::move(events);
    m_recordedSinceStart = false;
    m_heldKey.reset();
}

void CMacroRecorder::SetNoDelays(bool on) noexcept
{
    m_noDelays = on;
    if (on)
        m_useDefaultDelay = false;
}

void CMacroRecorder::SetUseDefaultDelay(bool on) noexcept
{
    m_useDefaultDelay = on;
    if (on)
        m_noDelays = false;
}

void CMacroRecorder::SetDefaultDelay(int32_t milliseconds) noexcept
{
    m_defaultDelay = std::clamp(milliseconds, int32_t{0}, kMaxDelay);
}

bool CMacroRecorder::ToggleRecording() noexcept
{
    if (m_locked)
        return false;
    m_recording = !m_recording;
    m_recordedSinceStart = false;
    m_heldKey.reset();
    return m_recording;
}

bool CMacroRecorder::IsAutoRepeat(const RawKeyboard& raw) const noexcept
{
    const bool press = (raw.flags & kRawKeyBreak) == 0;
    const bool extended = (raw.flags & kRawKeyE0) != 0;
    return press && m_heldKey && m_heldKey->makeCode == raw.makeCode && m_heldKey->extended == extended;
}

size_t CMacroRecorder::OnRawKeyboard(const RawKeyboard& raw, uint32_t tick)
{
    if (!Accepting() || IsAutoRepeat(raw))
        return 0;
    if (!FromRawKeyboard(m_keyRecord, raw, m_keyboard))
        return 0;
    const bool extended = (raw.flags & kRawKeyE0) != 0;
    if (m_keyRecord.direction == kKeyPressed)
        m_heldKey = HeldKey{raw.makeCode, extended};
    else if (m_heldKey && m_heldKey->makeCode == raw.makeCode && m_heldKey->extended == extended)
        m_heldKey.reset();
    return Append(m_keyRecord.ToMacroEvent(), tick);
}

size_t CMacroRecorder::OnRawMouseButtons(uint16_t buttonFlags, uint32_t tick, bool captured)
{
    if (!Accepting() || captured)
        return 0;
    const std::optional<RecordedButton> button = ButtonFromRawFlags(buttonFlags);
    if (!button)
        return 0;
    return Append(MacroEvent::MouseButton(button->button, button->direction), tick);
}

std::optional<int32_t> CMacroRecorder::DelayBefore(uint32_t tick) const noexcept
{
    if (m_events.empty() || m_noDelays)
        return std::nullopt;  // a macro never starts with a delay
    // The first step after steps that were already there has no measured time before it.
    if (m_useDefaultDelay || !m_recordedSinceStart)
        return m_defaultDelay;
    // Unsigned subtraction measures across the tick counter's wrap at 2^32.
    const uint32_t elapsed = tick - m_lastTick;
    return static_cast<int32_t>(std::min<uint32_t>(elapsed, static_cast<uint32_t>(kMaxDelay)));
}

size_t CMacroRecorder::Append(const MacroEvent& step, uint32_t tick)
{
    const std::optional<int32_t> delay = DelayBefore(tick);
    if (delay)
        m_events.push_back(MacroEvent::Delay(*delay));
    m_events.push_back(step);
    m_lastTick = tick;
    m_recordedSinceStart = true;
    return delay ? 2 : 1;
}

size_t CMacroRecorder::InsertStep(const MacroEvent& event, std::ptrdiff_t position)
{
    if (m_locked)
        return kNotInserted;
    const bool append = position < 0 || static_cast<size_t>(position) >= m_events.size();
    const size_t index = append ? m_events.size() : static_cast<size_t>(position);
    m_events.insert(m_events.begin() + static_cast<std::ptrdiff_t>(index), event);
    return index;
}

std::optional<size_t> CMacroRecorder::InsertDelayAfter(std::optional<size_t> selected)
{
    if (m_locked)
        return std::nullopt;
    const size_t index = selected ? std::min(*selected + 1, m_events.size()) : 0;
    m_events.insert(m_events.begin() + static_cast<std::ptrdiff_t>(index), MacroEvent::Delay(m_defaultDelay));
    return index;
}

std::optional<size_t> CMacroRecorder::DeleteStep(size_t index)
{
    if (m_locked || index >= m_events.size())
        return std::nullopt;
    m_events.erase(m_events.begin() + static_cast<std::ptrdiff_t>(index));
    if (index >= m_events.size())
        return std::nullopt;
    return index;
}

bool CMacroRecorder::ReplaceStep(size_t index, const MacroEvent& event)
{
    if (m_locked || index >= m_events.size() || m_events[index].kind != event.kind)
        return false;
    MacroEvent replacement = event;
    if (event.kind == MacroEventKind::Delay) {
        if (event.DelayMilliseconds() < 0 || event.DelayMilliseconds() > kMaxDelay)
            return false;
        replacement = MacroEvent::Delay(event.DelayMilliseconds());  // both words hold the delay
    } else if (event.kind != MacroEventKind::Key) {
        return false;
    }
    if (m_events[index] == replacement)
        return false;
    m_events[index] = replacement;
    return true;
}
