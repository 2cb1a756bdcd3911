// Key naming from what the system answers: names, characters and key messages all come from
// the input.
#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "macro/KeyStroke.h"

namespace {

class InputKeyboard final : public IKeyboardPlatform
{
public:
    explicit InputKeyboard(FuzzInput& input)
        : m_name(input.TakeText(64)), m_typed(input.TakeText(8)), m_char(input.Take<uint32_t>()),
          m_key(input.Take<int16_t>())
    {
    }

    std::wstring KeyNameText(int32_t) const override { return m_name; }
    uint32_t VirtualKeyToChar(uint32_t) const override { return m_char; }
    int16_t CharToKey(wchar_t) const override { return m_key; }
    std::wstring TypedText(uint32_t, uint32_t) const override { return m_typed; }

private:
    std::wstring m_name;
    std::wstring m_typed;
    uint32_t m_char;
    int16_t m_key;
};

}  // namespace

void FuzzKeyName(std::span<const uint8_t> data)
{
    FuzzInput input(data);
    const InputKeyboard keyboard(input);
    (void)KeyName(keyboard, input.Take<uint32_t>(), input.Take<uint32_t>(), (input.Take<uint8_t>() & 1) != 0);

    // A stream of key messages and raw input through one record, as the edit fields use it.
    KeyStroke record;
    while (!input.Empty()) {
        if ((input.Take<uint8_t>() & 1) != 0) {
            KeyMessage message;
            message.message = input.Take<uint32_t>();
            message.wParam = input.Take<uint32_t>();
            message.lParam = input.Take<int32_t>();
            (void)FromKeyMessage(record, message, keyboard);
        } else {
            RawKeyboard raw;
            raw.makeCode = input.Take<uint16_t>();
            raw.flags = input.Take<uint16_t>();
            raw.virtualKey = input.Take<uint16_t>();
            (void)FromRawKeyboard(record, raw, keyboard);
        }
        (void)record.ToMacroEvent();
    }
}
