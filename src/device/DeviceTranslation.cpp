#include "device/DeviceTranslation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace DeviceTranslation {
namespace {

struct TemplateRow
{
    int32_t code;
    uint32_t kind;
    uint32_t subKind;
    uint32_t word4;
};

// In rising code order, which is the order reading matches records in.
constexpr TemplateRow kTemplates[] = {
    {0, 1, 1, 0},  {1, 1, 2, 0},  {2, 1, 3, 0},  {3, 1, 11, 0}, {4, 5, 0, 0},  {5, 2, 0, 0},  {6, 2, 0, 0},
    {7, 1, 0, 0},  {8, 6, 0, 0},  {9, 1, 8, 0},  {12, 4, 1, 0}, {13, 4, 2, 0}, {15, 4, 3, 0}, {16, 4, 3, 1},
    {17, 4, 3, 2}, {18, 4, 3, 3}, {19, 4, 3, 4}, {20, 3, 3, 0}, {21, 3, 3, 0}, {22, 3, 2, 0}, {23, 3, 1, 0},
    {24, 3, 3, 0}, {25, 3, 3, 0}, {26, 3, 3, 0}, {27, 3, 3, 0}, {28, 3, 3, 0}, {31, 1, 5, 0}, {32, 1, 4, 0},
    {39, 1, 6, 0}, {40, 1, 7, 0},
};

struct RawMouseRow
{
    uint16_t code;
    int32_t button;
    uint8_t state;
};

constexpr RawMouseRow kRawMouseCodes[] = {
    {0x0001, 1, kKeyPressed},  {0x0002, 1, kKeyReleased},  {0x0004, 2, kKeyPressed},  {0x0008, 2, kKeyReleased},
    {0x0010, 3, kKeyPressed},  {0x0020, 3, kKeyReleased},  {0x0040, 25, kKeyPressed}, {0x0080, 25, kKeyReleased},
    {0x0100, 26, kKeyPressed}, {0x0200, 26, kKeyReleased},
};

// Record offsets.
constexpr size_t kOffsetOne = 0;
constexpr size_t kOffsetIndex = 4;
constexpr size_t kOffsetKind = 8;
constexpr size_t kOffsetSubKind = 12;
constexpr size_t kOffsetMacroId = 12;
constexpr size_t kOffsetScanCode = 12;
constexpr size_t kOffsetModifiers = 17;
constexpr size_t kOffsetProfileId = 16;
constexpr size_t kOffsetStage = 16;

// The sub-kind of profile and sensitivity records that carry a target (profile id, stage).
constexpr uint32_t kSubKindWithTarget = 3;

constexpr uint16_t kScanCodePauseOrNumLock = 0x45;
constexpr uint16_t kVirtualKeyPause = 19;
constexpr uint16_t kVirtualKeyNumLock = 144;

constexpr uint16_t kEntryReleased = 0x1;
constexpr uint16_t kEntryExtended = 0x2;

uint32_t DataWord(const AssignmentInfo& info, size_t word) noexcept
{
    uint32_t value;
    std::memcpy(&value, info.parameters + 4 * word, sizeof(value));
    return value;
}

void SetDataWord(AssignmentInfo& info, size_t word, uint32_t value) noexcept
{
    std::memcpy(info.parameters + 4 * word, &value, sizeof(value));
}

bool Matches(const TemplateRow& row, uint32_t kind, uint32_t subKind) noexcept
{
    switch (row.kind) {
    case kKindMouse:
    case kKindProfile:
    case kKindSensitivity:
        return row.kind == kind && row.subKind == subKind;
    case kKindMacro:
    case kKindKey:
    case kKindAdvanced:
        return row.kind == kind;
    default:
        return false;
    }
}

}  // namespace

uint32_t DeviceButtonIndex(int32_t buttonId) noexcept
{
    switch (buttonId) {
    case 1:
    case 2:
    case 3:
        return static_cast<uint32_t>(buttonId);
    case 8:
        return 10;
    case 9:
        return 11;
    case 10:
        return 8;
    case 11:
        return 9;
    case 25:
        return 5;
    case 26:
        return 4;
    default:
        return (buttonId >= 12 && buttonId <= 23) ? static_cast<uint32_t>(buttonId) : 0;
    }
}

int32_t ButtonIdForBit(uint32_t bit) noexcept
{
    for (int32_t id = 0; id <= kLastButtonId; ++id) {
        if (DeviceButtonBit(DeviceButtonIndex(id)) == bit)
            return id;
    }
    return 0;
}

int32_t ButtonIdForIndex(uint32_t index) noexcept
{
    for (int32_t id = 0; id <= kLastButtonId; ++id) {
        if (DeviceButtonIndex(id) == index)
            return id;
    }
    return 0;
}

std::vector<uint32_t> AssignableButtons(uint32_t count, uint32_t mask)
{
    constexpr uint32_t kHighestBit = 0x400000;
    std::vector<uint32_t> buttons(count, 0);
    size_t filled = 0;
    for (uint32_t bit = 1; bit != 0 && bit <= kHighestBit && filled < count; bit <<= 1) {
        if ((mask & bit) != 0)
            buttons[filled++] = bit;
    }
    return buttons;
}

svc::ButtonRecord RecordTemplate(int32_t code) noexcept
{
    svc::ButtonRecord record;
    for (const TemplateRow& row : kTemplates) {
        if (row.code == code) {
            record.SetWord(kOffsetOne, 1);
            record.SetWord(kOffsetKind, row.kind);
            record.SetWord(kOffsetSubKind, row.subKind);
            record.SetWord(16, row.word4);
            break;
        }
    }
    return record;
}

svc::ButtonRecord RecordFromAssignment(uint32_t deviceIndex, const AssignmentInfo& info) noexcept
{
    svc::ButtonRecord record = RecordTemplate(info.functionCode);
    record.SetWord(kOffsetIndex, deviceIndex);
    const uint32_t kind = record.Word(kOffsetKind);
    const uint32_t subKind = record.Word(kOffsetSubKind);
    if (kind == kKindMacro) {
        std::memcpy(record.bytes + kOffsetMacroId, info.parameters, sizeof(Guid));
    } else if (kind == kKindProfile && subKind == kSubKindWithTarget) {
        std::memcpy(record.bytes + kOffsetProfileId, info.parameters, sizeof(Guid));
    } else if (kind == kKindSensitivity && subKind == kSubKindWithTarget) {
        record.SetWord(kOffsetStage, DataWord(info, 0));
    } else if (kind == kKindKey) {
        record.SetHalf(kOffsetScanCode, info.KeyScanCode());
        uint8_t modifiers = info.KeyFlags() & 0x0F;
        if (info.KeyVirtualKey() == kVirtualKeyPause)
            modifiers |= 0x01;
        record.bytes[kOffsetModifiers] = modifiers;
    }
    return record;
}

AssignmentInfo AssignmentFromRecord(const svc::ButtonRecord& record) noexcept
{
    const uint32_t kind = record.Word(kOffsetKind);
    const uint32_t subKind = record.Word(kOffsetSubKind);
    AssignmentInfo info;
    const auto row = std::find_if(std::begin(kTemplates), std::end(kTemplates),
                                  [&](const TemplateRow& r) { return Matches(r, kind, subKind); });
    info.functionCode = row == std::end(kTemplates) ? FunctionCode::kUnassigned : row->code;

    // Only the parameters the record's kind carries are read: every other byte of the block
    // stays zero, whatever the record holds there.
    if (info.functionCode == FunctionCode::kUnassigned)
        return info;
    if (kind == kKindMacro) {
        std::memcpy(info.parameters, record.bytes + kOffsetMacroId, sizeof(Guid));
    } else if (kind == kKindProfile && subKind == kSubKindWithTarget) {
        std::memcpy(info.parameters, record.bytes + kOffsetProfileId, sizeof(Guid));
    } else if (kind == kKindSensitivity && subKind == kSubKindWithTarget) {
        SetDataWord(info, 0, record.Word(kOffsetStage));
    } else if (kind == kKindKey) {
        const uint16_t scanCode = record.Half(kOffsetScanCode);
        uint8_t modifiers = record.bytes[kOffsetModifiers] & 0x0F;
        uint16_t virtualKey = 0;
        // Pause and Num Lock share a scan code; the device tells them apart by modifier bit 0.
        if (scanCode == kScanCodePauseOrNumLock) {
            virtualKey = (modifiers & 0x01) ? kVirtualKeyPause : kVirtualKeyNumLock;
            modifiers &= ~0x01;
        }
        const AssignmentInfo key = AssignmentInfo::SingleKey(scanCode, virtualKey, modifiers);
        std::memcpy(info.parameters, key.parameters, sizeof(info.parameters));
    }
    return info;
}

std::optional<uint16_t> RawMouseCode(int32_t button, uint8_t state) noexcept
{
    for (const RawMouseRow& row : kRawMouseCodes) {
        if (row.button == button && row.state == state)
            return row.code;
    }
    return std::nullopt;
}

bool MouseEventForRawCode(uint16_t code, int32_t& button, uint8_t& state) noexcept
{
    for (const RawMouseRow& row : kRawMouseCodes) {
        if (row.code == code) {
            button = row.button;
            state = row.state;
            return true;
        }
    }
    return false;
}

svc::MacroEventEntry EntryFromEvent(const MacroEvent& event) noexcept
{
    svc::MacroEventEntry entry{};
    switch (event.kind) {
    case MacroEventKind::Key: {
        entry.type = svc::kEventKey;
        const uint16_t scanCode = event.ScanCode();
        uint16_t flags = 0;
        if (event.KeyDirection() != kKeyPressed)
            flags |= kEntryReleased;
        if ((event.KeyFlags() & 0x01) != 0 || event.VirtualKey() == kVirtualKeyPause)
            flags |= kEntryExtended;
        std::memcpy(entry.data, &scanCode, 2);
        std::memcpy(entry.data + 2, &flags, 2);
        break;
    }
    case MacroEventKind::MouseButton: {
        entry.type = svc::kEventMouse;
        const uint16_t code = RawMouseCode(event.Button(), event.ButtonDirection()).value_or(0);
        std::memcpy(entry.data, &code, 2);
        break;
    }
    case MacroEventKind::Delay: {
        entry.type = svc::kEventDelay;
        const int32_t delay = event.DelayMilliseconds();
        std::memcpy(entry.data, &delay, 4);
        break;
    }
    }
    return entry;
}

std::optional<MacroEvent> EventFromEntry(const svc::MacroEventEntry& entry) noexcept
{
    uint16_t low = 0;
    uint16_t high = 0;
    std::memcpy(&low, entry.data, 2);
    std::memcpy(&high, entry.data + 2, 2);
    switch (entry.type) {
    case svc::kEventMouse: {
        int32_t button = 0;
        uint8_t state = 0;
        if (!MouseEventForRawCode(low, button, state))
            return std::nullopt;
        return MacroEvent::MouseButton(button, state);
    }
    case svc::kEventKey: {
        const uint8_t direction = (high & kEntryReleased) ? kKeyReleased : kKeyPressed;
        uint8_t flags = (high & kEntryExtended) ? 0x01 : 0x00;
        uint16_t virtualKey = 0;
        if (low == kScanCodePauseOrNumLock) {
            flags &= ~0x01;
            virtualKey = (high & kEntryExtended) ? kVirtualKeyPause : kVirtualKeyNumLock;
        }
        return MacroEvent::Key(low, virtualKey, direction, flags);
    }
    case svc::kEventDelay: {
        int32_t delay = 0;
        std::memcpy(&delay, entry.data, 4);
        return MacroEvent::Delay(delay);
    }
    default:
        return std::nullopt;
    }
}

svc::TaskMemPtr<svc::MacroEventBlock> BuildEventBlock(const std::vector<MacroEvent>& events)
{
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    if (events.empty() || events.size() > UINT32_MAX / 16)
        return block;
    const auto count = static_cast<uint32_t>(events.size());
    void* memory = svc::TaskMemAlloc(svc::MacroEventBlock::BytesFor(count));
    if (memory == nullptr)
        return block;
    std::memset(memory, 0, svc::MacroEventBlock::BytesFor(count));
    *block.Put() = static_cast<svc::MacroEventBlock*>(memory);
    block.Get()->reserved = 0;
    block.Get()->count = count;
    for (uint32_t i = 0; i < count; ++i)
        block.Get()->entries[i] = EntryFromEvent(events[i]);
    return block;
}

std::vector<MacroEvent> EventsFromBlock(const svc::MacroEventBlock& block, uint32_t maxEntries)
{
    std::vector<MacroEvent> events;
    const uint32_t count = std::min(block.count, maxEntries);
    events.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (const auto event = EventFromEntry(block.entries[i]))
            events.push_back(*event);
    }
    return events;
}

SensitivityRange SensitivityRangeFor(int32_t resolution) noexcept
{
    if (resolution == 800)
        return {110, 800, 10};
    if (resolution == 1800)
        return {220, 1800, 20};
    return {};
}

// Values from the device or an edited profile can lie far outside the ranges; they are clamped
// before any conversion to an integer, which would be undefined beyond the integer's range.
uint32_t SensitivityToPerMille(int32_t sensitivity, int32_t resolution) noexcept
{
    if (resolution <= 0 || sensitivity <= 0)
        return 0;
    const SensitivityRange range = SensitivityRangeFor(resolution);
    double value = sensitivity;
    if (range.max != 0)
        value = std::clamp(value, static_cast<double>(range.min), static_cast<double>(range.max));
    const double perMille = value / resolution * 1000.0;
    return perMille >= static_cast<double>(UINT32_MAX) ? UINT32_MAX : static_cast<uint32_t>(perMille);
}

int32_t SensitivityFromPerMille(uint32_t perMille, int32_t resolution) noexcept
{
    const SensitivityRange range = SensitivityRangeFor(resolution);
    const double low = range.max != 0 ? range.min : 0.0;
    const double high = range.max != 0 ? range.max : static_cast<double>(INT32_MAX);
    const double value = std::trunc(static_cast<double>(perMille) / 1000.0 * resolution);
    return static_cast<int32_t>(std::clamp(value, low, high));
}

int32_t SensitivityOnStep(int32_t sensitivity, int32_t resolution) noexcept
{
    const SensitivityRange range = SensitivityRangeFor(resolution);
    if (range.step == 0)
        return sensitivity;
    const auto low = static_cast<int64_t>(range.min);
    const auto step = static_cast<int64_t>(range.step);
    const int64_t steps = (std::clamp<int64_t>(sensitivity, low, range.max) - low + step / 2) / step;
    return static_cast<int32_t>(std::min<int64_t>(low + steps * step, range.max));
}

std::optional<uint32_t> IntervalForChoice(int32_t choice) noexcept
{
    switch (choice) {
    case 2:
        return 1;
    case 1:
        return 2;
    case 0:
        return 8;
    default:
        return std::nullopt;
    }
}

int32_t ChoiceForInterval(uint32_t milliseconds) noexcept
{
    switch (milliseconds) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 8:
        return 0;
    default:
        return kUnknownRateChoice;
    }
}

}  // namespace DeviceTranslation
