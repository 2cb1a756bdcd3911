#include "macro/MacroEvent.h"

MacroEvent MacroEvent::Key(uint16_t scanCode, uint16_t virtualKey, uint8_t direction, uint8_t flags) noexcept
{
    MacroEvent event;
    event.kind = MacroEventKind::Key;
    event.Write<uint16_t>(0, scanCode);
    event.Write<uint16_t>(2, virtualKey);
    event.data[4] = direction;
    event.data[5] = flags;
    return event;
}

MacroEvent MacroEvent::MouseButton(int32_t button, uint8_t direction) noexcept
{
    MacroEvent event;
    event.kind = MacroEventKind::MouseButton;
    event.Write<int32_t>(0, button);
    event.data[4] = direction;
    return event;
}

MacroEvent MacroEvent::Delay(int32_t milliseconds) noexcept
{
    MacroEvent event;
    event.kind = MacroEventKind::Delay;
    event.Write<int32_t>(0, milliseconds);
    event.Write<int32_t>(4, milliseconds);
    return event;
}
