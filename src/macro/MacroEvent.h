#pragma once

#include <cstdint>
#include <cstring>

enum class MacroEventKind : uint32_t
{
    Key = 0,
    MouseButton = 1,
    Delay = 2,
};

// Direction bytes of key and mouse-button events.
inline constexpr uint8_t kKeyPressed = 255;
inline constexpr uint8_t kKeyReleased = 1;

// One step of a macro: a kind and an 8-byte data block whose layout depends on the kind.
//   Key:         u16 scan code, u16 virtual-key code, u8 direction, u8 flags (bit 0 extended), 2 zero bytes
//   MouseButton: i32 button number, u8 direction, 3 zero bytes
//   Delay:       i32 milliseconds, the same value again as i32
// The block is compared byte by byte, so the factories below always zero the unused bytes.
struct MacroEvent
{
    MacroEventKind kind = MacroEventKind::Delay;
    uint8_t data[8] = {};

    [[nodiscard]] static MacroEvent Key(uint16_t scanCode, uint16_t virtualKey, uint8_t direction,
                                        uint8_t flags) noexcept;
    [[nodiscard]] static MacroEvent MouseButton(int32_t button, uint8_t direction) noexcept;
    [[nodiscard]] static MacroEvent Delay(int32_t milliseconds) noexcept;

    [[nodiscard]] uint16_t ScanCode() const noexcept { return Read<uint16_t>(0); }
    [[nodiscard]] uint16_t VirtualKey() const noexcept { return Read<uint16_t>(2); }
    [[nodiscard]] uint8_t KeyDirection() const noexcept { return data[4]; }
    [[nodiscard]] uint8_t KeyFlags() const noexcept { return data[5]; }
    [[nodiscard]] int32_t Button() const noexcept { return Read<int32_t>(0); }
    [[nodiscard]] uint8_t ButtonDirection() const noexcept { return data[4]; }
    [[nodiscard]] int32_t DelayMilliseconds() const noexcept { return Read<int32_t>(0); }

    friend bool operator==(const MacroEvent& a, const MacroEvent& b) noexcept
    {
        return a.kind == b.kind && std::memcmp(a.data, b.data, sizeof(a.data)) == 0;
    }

private:
    template <typename T>
    [[nodiscard]] T Read(size_t offset) const noexcept
    {
        T value;
        std::memcpy(&value, data + offset, sizeof(T));
        return value;
    }
    template <typename T>
    void Write(size_t offset, T value) noexcept
    {
        std::memcpy(data + offset, &value, sizeof(T));
    }
};

static_assert(sizeof(MacroEvent) == 12, "a macro event is a 4-byte kind and an 8-byte block");
