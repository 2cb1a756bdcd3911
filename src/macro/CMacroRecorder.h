#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "macro/IKeyboardPlatform.h"
#include "macro/KeyStroke.h"
#include "macro/MacroEvent.h"
#include "macro/RawKeyboard.h"

// The steps of the macro being edited, and how recorded input becomes steps: raw key and
// mouse-button reports with the system's 32-bit millisecond tick count. The event list window
// reads the raw input and forwards it here; everything it decides lives in this class.
class CMacroRecorder
{
public:
    static constexpr int32_t kMaxDelay = 16777215;  // longest delay step, ms
    static constexpr int32_t kDefaultDelay = 50;
    // InsertStep's answer when the steps are locked.
    static constexpr size_t kNotInserted = SIZE_MAX;

    explicit CMacroRecorder(const IKeyboardPlatform& keyboard) noexcept : m_keyboard(keyboard) {}

    [[nodiscard]] const std::vector<MacroEvent>& Events() const noexcept { return m_events; }
    // Replaces the steps (a macro shown). A recording under way goes on after them.
    void SetEvents(std::vector<MacroEvent> events);

    // Options. SetNoDelays(true) clears use-default-delay; SetUseDefaultDelay(true) clears no-delays.
    void SetNoDelays(bool on) noexcept;
    [[nodiscard]] bool NoDelays() const noexcept { return m_noDelays; }
    void SetUseDefaultDelay(bool on) noexcept;
    [[nodiscard]] bool UseDefaultDelay() const noexcept { return m_useDefaultDelay; }
    // Kept between 0 and kMaxDelay.
    void SetDefaultDelay(int32_t milliseconds) noexcept;
    [[nodiscard]] int32_t DefaultDelay() const noexcept { return m_defaultDelay; }
    void SetLocked(bool on) noexcept { m_locked = on; }
    [[nodiscard]] bool IsLocked() const noexcept { return m_locked; }

    // Flips recording; the new state (false, unchanged, when locked). Starting keeps the steps
    // already there and appends after them.
    bool ToggleRecording() noexcept;
    [[nodiscard]] bool IsRecording() const noexcept { return m_recording; }

    // Recorded input; each returns how many steps were appended (0, 1 or 2: a delay and the step).
    // Keyboard: auto-repeat of the last pressed key is dropped; unusable keys dropped.
    size_t OnRawKeyboard(const RawKeyboard& raw, uint32_t tick);
    // Mouse: raw button flags (RI_MOUSE_* values); wheel and combinations ignored. `captured`:
    // the page's stop window holds the mouse capture, so the click is not recorded.
    size_t OnRawMouseButtons(uint16_t buttonFlags, uint32_t tick, bool captured);

    // Editing (never while locked; each returns false/nullopt when nothing changed).
    // -1 or past the end appends; the index (kNotInserted when locked).
    size_t InsertStep(const MacroEvent& event, std::ptrdiff_t position);
    // Default delay after the selection, at the top without one; the new index.
    std::optional<size_t> InsertDelayAfter(std::optional<size_t> selected);
    // The step to select next (none when the last was removed).
    std::optional<size_t> DeleteStep(size_t index);
    // Edit of a key or a delay in place: a key step takes a key, a delay step a delay of 0 to
    // kMaxDelay; mouse-button steps are not edited.
    bool ReplaceStep(size_t index, const MacroEvent& event);

private:
    // Identifies the key whose auto-repeat is dropped: Windows repeats only the key pressed last.
    struct HeldKey
    {
        uint16_t makeCode;
        bool extended;
    };

    [[nodiscard]] bool Accepting() const noexcept { return m_recording && !m_locked; }
    [[nodiscard]] bool IsAutoRepeat(const RawKeyboard& raw) const noexcept;
    size_t Append(const MacroEvent& step, uint32_t tick);
    [[nodiscard]] std::optional<int32_t> DelayBefore(uint32_t tick) const noexcept;

    const IKeyboardPlatform& m_keyboard;
    std::vector<MacroEvent> m_events;
    bool m_recording = false;
    bool m_locked = false;
    bool m_noDelays = false;
    bool m_useDefaultDelay = false;
    int32_t m_defaultDelay = kDefaultDelay;
    // The tick of the step recorded last; meaningful only once this recording appended a step.
    uint32_t m_lastTick = 0;
    bool m_recordedSinceStart = false;
    KeyStroke m_keyRecord;
    std::optional<HeldKey> m_heldKey;
};

// The button number and direction of a raw mouse-button flag; nullopt for anything else.
struct RecordedButton
{
    int32_t button;
    uint8_t direction;
};
[[nodiscard]] std::optional<RecordedButton> ButtonFromRawFlags(uint16_t buttonFlags) noexcept;
