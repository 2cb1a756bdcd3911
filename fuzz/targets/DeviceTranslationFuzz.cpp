// The device translation of what the device service hands over: button records, macro event
// blocks, and the numbers of sensitivity, report intervals and capabilities.
#include <algorithm>
#include <cstring>
#include <vector>

#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "device/DeviceTranslation.h"

namespace DT = DeviceTranslation;

void FuzzDeviceRecord(std::span<const uint8_t> data)
{
    FuzzInput input(data);
    svc::ButtonRecord record;
    for (uint8_t& byte : record.bytes)
        byte = input.Take<uint8_t>();

    // A record reads as an assignment that writes back to a record reading the same.
    const AssignmentInfo info = DT::AssignmentFromRecord(record);
    if (info.functionCode == FunctionCode::kUnassigned) {
        FUZZ_CHECK(info == AssignmentInfo{});
    } else {
        FUZZ_CHECK(DT::AssignmentFromRecord(DT::RecordFromAssignment(record.Word(4), info)) == info);
    }
    (void)DT::ButtonIdForIndex(record.Word(4));
    (void)DT::ButtonIdForBit(record.Word(8));

    const auto perMille = input.Take<uint32_t>();
    const auto resolution = input.Take<int32_t>();
    const auto sensitivity = input.Take<int32_t>();
    const DT::SensitivityRange range = DT::SensitivityRangeFor(resolution);
    const int32_t read = DT::SensitivityFromPerMille(perMille, resolution);
    if (range.max != 0)
        FUZZ_CHECK(read >= static_cast<int32_t>(range.min) && read <= static_cast<int32_t>(range.max));
    const uint32_t written = DT::SensitivityToPerMille(sensitivity, resolution);
    if (range.max != 0)
        FUZZ_CHECK(written <= 1000);

    const auto interval = input.Take<uint32_t>();
    const int32_t choice = DT::ChoiceForInterval(interval);
    if (choice != DT::kUnknownRateChoice)
        FUZZ_CHECK(DT::IntervalForChoice(choice) == interval);
    const auto count = input.Take<uint32_t>();
    const auto mask = input.Take<uint32_t>();
    const std::vector<uint32_t> buttons = DT::AssignableButtons(std::min<uint32_t>(count, 32), mask);
    for (uint32_t bit : buttons)
        FUZZ_CHECK(bit == 0 || (mask & bit) == bit);
}

void FuzzEventBlock(std::span<const uint8_t> data)
{
    FuzzInput input(data);
    const auto claimed = input.Take<uint32_t>();
    const uint32_t count = std::min<uint32_t>(claimed, static_cast<uint32_t>(input.Rest().size() / 8));
    // The service's block: a header and `count` entries, as it allocates them.
    std::vector<uint64_t> storage(svc::MacroEventBlock::BytesFor(count) / 8 + 1, 0);
    auto* block = reinterpret_cast<svc::MacroEventBlock*>(storage.data());
    block->count = count;
    std::memcpy(block->entries, input.Rest().data(), 8u * count);

    const std::vector<MacroEvent> events = DT::EventsFromBlock(*block, count);
    FUZZ_CHECK(events.size() <= count);
    // What was read is written as a block that reads back the same events.
    const auto written = DT::BuildEventBlock(events);
    if (events.empty()) {
        FUZZ_CHECK(!written);
        return;
    }
    FUZZ_CHECK(written && written.Get()->count == events.size());
    FUZZ_CHECK(DT::EventsFromBlock(*written.Get(), written.Get()->count) == events);
}
