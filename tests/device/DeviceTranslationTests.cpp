#include <gtest/gtest.h>

#include "device/DeviceTranslation.h"

namespace DT = DeviceTranslation;

namespace {

TEST(DeviceButtonTableTest, MapsConfigurationButtonsToDeviceIndices)
{
    const std::pair<int32_t, uint32_t> rows[] = {{0, 0},  {1, 1},   {2, 2},   {3, 3},   {4, 0},  {7, 0},
                                                 {8, 10}, {9, 11},  {10, 8},  {11, 9},  {12, 12}, {23, 23},
                                                 {24, 0}, {25, 5},  {26, 4},  {27, 0},  {-3, 0}};
    for (const auto& [id, index] : rows)
        EXPECT_EQ(DT::DeviceButtonIndex(id), index) << "button " << id;
    EXPECT_EQ(DT::DeviceButtonBit(0), 0u);
    EXPECT_EQ(DT::DeviceButtonBit(8), 0x80u);
    EXPECT_EQ(DT::ButtonIdForBit(0x80), 10) << "wheel up is device index 8";
    EXPECT_EQ(DT::ButtonIdForBit(0x10), 25);
    EXPECT_EQ(DT::ButtonIdForBit(0x20), 0) << "index 6 belongs to no button";
    EXPECT_EQ(DT::ButtonIdForIndex(4), 26);
    EXPECT_EQ(DT::ButtonIdForIndex(0), 0);
}

TEST(DeviceButtonTableTest, AssignableButtonsTakeMaskBitsInRisingOrder)
{
    const auto buttons = DT::AssignableButtons(21, 0x7FFF9F);
    ASSERT_EQ(buttons.size(), 21u);
    EXPECT_EQ(buttons[0], 0x1u);
    EXPECT_EQ(buttons[4], 0x10u);
    EXPECT_EQ(buttons[5], 0x80u);
    EXPECT_EQ(buttons[20], 0x400000u);

    EXPECT_EQ(DT::AssignableButtons(4, 0x5), (std::vector<uint32_t>{0x1, 0x4, 0, 0})) << "unfilled entries stay 0";
    EXPECT_EQ(DT::AssignableButtons(2, 0x800000 | 0x2), (std::vector<uint32_t>{0x2, 0})) << "bits above 0x400000 are not buttons";
    EXPECT_TRUE(DT::AssignableButtons(0, 0xFF).empty());
}

TEST(ButtonRecordTest, MouseFunctionsUseTheirTemplates)
{
    const svc::ButtonRecord click = DT::RecordFromAssignment(1, AssignmentInfo::Function(0));
    EXPECT_EQ(click.Word(0), 1u);
    EXPECT_EQ(click.Word(4), 1u);
    EXPECT_EQ(click.Word(8), DT::kKindMouse);
    EXPECT_EQ(click.Word(12), 1u);
    EXPECT_EQ(DT::RecordFromAssignment(8, AssignmentInfo::Function(39)).Word(12), 6u);
    EXPECT_EQ(DT::RecordFromAssignment(2, AssignmentInfo::Function(3)).Word(12), 11u);
    EXPECT_EQ(DT::RecordTemplate(7).Word(12), 0u);
    EXPECT_EQ(DT::RecordTemplate(8).Word(8), DT::kKindAdvanced);
    EXPECT_EQ(DT::RecordTemplate(19).Word(16), 4u);

    const svc::ButtonRecord none = DT::RecordTemplate(41);
    for (uint8_t byte : none.bytes)
        EXPECT_EQ(byte, 0) << "a code the device lacks gives an all-zero template";
}

TEST(ButtonRecordTest, EveryAssignableCodeReadsBackAsItself)
{
    for (int32_t code : {0, 1, 2, 3, 7, 9, 31, 32, 39, 40, 22, 23}) {
        const AssignmentInfo back = DT::AssignmentFromRecord(DT::RecordFromAssignment(3, AssignmentInfo::Function(code)));
        EXPECT_EQ(back.functionCode, code);
    }
}

TEST(ButtonRecordTest, MacroAndProfileIdsSitAtTheirOffsets)
{
    const Guid id{0x11223344, 0x5566, 0x7788, {1, 2, 3, 4, 5, 6, 7, 8}};
    const svc::ButtonRecord macro = DT::RecordFromAssignment(2, AssignmentInfo::Macro(id));
    EXPECT_EQ(macro.Word(8), DT::kKindMacro);
    EXPECT_EQ(0, std::memcmp(macro.bytes + 12, &id, 16));
    const AssignmentInfo macroBack = DT::AssignmentFromRecord(macro);
    EXPECT_EQ(macroBack.functionCode, FunctionCode::kMacro);
    EXPECT_EQ(macroBack.ReferenceGuid(), id);

    const svc::ButtonRecord profile = DT::RecordFromAssignment(2, AssignmentInfo::Profile(id));
    EXPECT_EQ(profile.Word(8), DT::kKindProfile);
    EXPECT_EQ(profile.Word(12), 3u);
    EXPECT_EQ(0, std::memcmp(profile.bytes + 16, &id, 16));
    EXPECT_EQ(DT::AssignmentFromRecord(profile), AssignmentInfo::Profile(id));
}

TEST(ButtonRecordTest, PauseIsTaggedWithModifierBitZero)
{
    const svc::ButtonRecord pause = DT::RecordFromAssignment(1, AssignmentInfo::SingleKey(0x45, 19, 0));
    EXPECT_EQ(pause.Word(8), DT::kKindKey);
    EXPECT_EQ(pause.Half(12), 0x45);
    EXPECT_EQ(pause.bytes[17], 0x01);
    EXPECT_EQ(DT::AssignmentFromRecord(pause), AssignmentInfo::SingleKey(0x45, 19, 0));

    const svc::ButtonRecord numLock = DT::RecordFromAssignment(1, AssignmentInfo::SingleKey(0x45, 144, 0));
    EXPECT_EQ(numLock.bytes[17], 0x00);
    EXPECT_EQ(DT::AssignmentFromRecord(numLock), AssignmentInfo::SingleKey(0x45, 144, 0));
}

TEST(ButtonRecordTest, KeyModifiersTravelInTheLowFourBits)
{
    const AssignmentInfo ctrlShiftA = AssignmentInfo::SingleKey(30, 65, kKeyFlagCtrl | kKeyFlagShift | 0xF0);
    const svc::ButtonRecord record = DT::RecordFromAssignment(2, ctrlShiftA);
    EXPECT_EQ(record.bytes[17], kKeyFlagCtrl | kKeyFlagShift);
    const AssignmentInfo back = DT::AssignmentFromRecord(record);
    EXPECT_EQ(back.functionCode, FunctionCode::kSingleKey);
    EXPECT_EQ(back.KeyScanCode(), 30);
    EXPECT_EQ(back.KeyVirtualKey(), 0) << "the device keeps no virtual-key code";
    EXPECT_EQ(back.KeyFlags(), kKeyFlagCtrl | kKeyFlagShift);
}

TEST(ButtonRecordTest, UnknownKindsAndSubKindsReadAsUnassigned)
{
    svc::ButtonRecord record;
    record.SetWord(0, 1);
    record.SetWord(4, 1);
    record.SetWord(8, DT::kKindMouse);
    record.SetWord(12, 9);
    EXPECT_EQ(DT::AssignmentFromRecord(record).functionCode, -1);
    record.SetWord(8, 7);
    EXPECT_EQ(DT::AssignmentFromRecord(record).functionCode, -1);

    record.SetWord(8, DT::kKindSensitivity);
    record.SetWord(12, 3);
    record.SetWord(16, 4);
    const AssignmentInfo stage = DT::AssignmentFromRecord(record);
    EXPECT_EQ(stage.functionCode, 15) << "the first code of the template";
    EXPECT_EQ(stage.parameters[0], 4);
}

TEST(ButtonRecordTest, BytesAKindDoesNotCarryReadAsZero)
{
    svc::ButtonRecord record;
    std::memset(record.bytes, 0xA5, sizeof(record.bytes));
    record.SetWord(4, 1);
    const auto readWith = [&](uint32_t kind, uint32_t subKind) {
        record.SetWord(8, kind);
        record.SetWord(12, subKind);
        return DT::AssignmentFromRecord(record);
    };
    EXPECT_EQ(readWith(DT::kKindProfile, 1), AssignmentInfo::Function(23)) << "profile down carries no id";
    EXPECT_EQ(readWith(DT::kKindSensitivity, 1), AssignmentInfo::Function(12));
    EXPECT_EQ(readWith(DT::kKindMouse, 4), AssignmentInfo::Function(FunctionCode::kForward));
    EXPECT_EQ(readWith(9, 0), AssignmentInfo{}) << "an unknown record is unassigned with no bytes";
    const AssignmentInfo key = readWith(DT::kKindKey, 0);
    EXPECT_EQ(key, AssignmentInfo::SingleKey(key.KeyScanCode(), 0, key.KeyFlags()));
    EXPECT_EQ(key.KeyFlags(), 0x05) << "bits 0-3 of offset 17";
}

TEST(MacroEventConversionTest, KeysCarryReleaseAndExtendedFlags)
{
    const svc::MacroEventEntry entry = DT::EntryFromEvent(MacroEvent::Key(29, 163, kKeyReleased, 1));
    EXPECT_EQ(entry.type, svc::kEventKey);
    const uint8_t expected[4] = {29, 0, 0x3, 0};
    EXPECT_EQ(0, std::memcmp(entry.data, expected, 4));
    EXPECT_EQ(DT::EventFromEntry(entry), MacroEvent::Key(29, 0, kKeyReleased, 1));

    const svc::MacroEventEntry pause = DT::EntryFromEvent(MacroEvent::Key(0x45, 19, kKeyPressed, 0));
    EXPECT_EQ(pause.data[2], 0x2) << "Pause travels as an extended 0x45";
    EXPECT_EQ(DT::EventFromEntry(pause), MacroEvent::Key(0x45, 19, kKeyPressed, 0));
    const svc::MacroEventEntry numLock = DT::EntryFromEvent(MacroEvent::Key(0x45, 144, kKeyPressed, 0));
    EXPECT_EQ(DT::EventFromEntry(numLock), MacroEvent::Key(0x45, 144, kKeyPressed, 0));
}

TEST(MacroEventConversionTest, MouseButtonsUseRawCodes)
{
    EXPECT_EQ(DT::RawMouseCode(25, kKeyPressed), 0x40);
    EXPECT_EQ(DT::RawMouseCode(26, kKeyReleased), 0x200);
    EXPECT_FALSE(DT::RawMouseCode(4, kKeyPressed).has_value());

    const svc::MacroEventEntry right = DT::EntryFromEvent(MacroEvent::MouseButton(2, kKeyReleased));
    EXPECT_EQ(right.type, svc::kEventMouse);
    EXPECT_EQ(right.data[0], 0x08);
    EXPECT_EQ(DT::EventFromEntry(right), MacroEvent::MouseButton(2, kKeyReleased));

    const svc::MacroEventEntry unknown = DT::EntryFromEvent(MacroEvent::MouseButton(7, kKeyPressed));
    EXPECT_EQ(unknown.data[0], 0);
    EXPECT_FALSE(DT::EventFromEntry(unknown).has_value()) << "code 0 names no button";
}

TEST(MacroEventConversionTest, BlocksRoundTripAndDropUnknownTypes)
{
    const std::vector<MacroEvent> events = {MacroEvent::Key(30, 65, kKeyPressed, 0), MacroEvent::Delay(16777215),
                                            MacroEvent::MouseButton(1, kKeyPressed), MacroEvent::Key(30, 0, kKeyReleased, 0)};
    const auto block = DT::BuildEventBlock(events);
    ASSERT_TRUE(block);
    EXPECT_EQ(block.Get()->reserved, 0u);
    EXPECT_EQ(block.Get()->count, 4u);
    auto back = DT::EventsFromBlock(*block.Get(), 100);
    ASSERT_EQ(back.size(), 4u);
    EXPECT_EQ(back[1], MacroEvent::Delay(16777215));
    EXPECT_EQ(back[2], MacroEvent::MouseButton(1, kKeyPressed));
    EXPECT_EQ(back[0], MacroEvent::Key(30, 0, kKeyPressed, 0));

    EXPECT_EQ(DT::EventsFromBlock(*block.Get(), 2).size(), 2u) << "never past the entries the reader allows";
    block.Get()->entries[1].type = 9;
    EXPECT_EQ(DT::EventsFromBlock(*block.Get(), 100).size(), 3u);
    EXPECT_FALSE(DT::BuildEventBlock({})) << "no events, no block";
}

TEST(SensitivityTest, PerMilleOfTheResolution)
{
    EXPECT_EQ(DT::SensitivityToPerMille(400, 1800), 222u);
    EXPECT_EQ(DT::SensitivityToPerMille(800, 800), 1000u);
    EXPECT_EQ(DT::SensitivityToPerMille(110, 800), 137u);
    EXPECT_EQ(DT::SensitivityToPerMille(500, 0), 0u) << "no resolution, no division";
    EXPECT_EQ(DT::SensitivityFromPerMille(50, 1800), 220) << "90 is raised to the minimum";
    EXPECT_EQ(DT::SensitivityFromPerMille(222, 1800), 399);
    EXPECT_EQ(DT::SensitivityFromPerMille(1000, 800), 800);
    EXPECT_EQ(DT::SensitivityFromPerMille(10, 1000), 10) << "no minimum outside 800 and 1800";
}

TEST(SensitivityTest, EveryStepOfTheSlidersComesBackAsWritten)
{
    for (const int32_t resolution : {800, 1800}) {
        const auto range = DT::SensitivityRangeFor(resolution);
        for (auto value = static_cast<int32_t>(range.min); value <= static_cast<int32_t>(range.max);
             value += static_cast<int32_t>(range.step)) {
            const int32_t back = DT::SensitivityFromPerMille(DT::SensitivityToPerMille(value, resolution), resolution);
            ASSERT_EQ(DT::SensitivityOnStep(back, resolution), value) << resolution;
        }
    }
    EXPECT_EQ(DT::SensitivityOnStep(1009, 1800), 1000);
    EXPECT_EQ(DT::SensitivityOnStep(1010, 1800), 1020) << "halfway goes up";
    EXPECT_EQ(DT::SensitivityOnStep(1799, 1800), 1800);
    EXPECT_EQ(DT::SensitivityOnStep(5, 800), 110) << "never below the range";
    EXPECT_EQ(DT::SensitivityOnStep(1001, 1000), 1001) << "no range, no steps";
}

TEST(SensitivityTest, ValuesFarOutsideTheRangesAreClamped)
{
    EXPECT_EQ(DT::SensitivityFromPerMille(UINT32_MAX, 1800), 1800);
    EXPECT_EQ(DT::SensitivityFromPerMille(UINT32_MAX, 800), 800);
    EXPECT_EQ(DT::SensitivityFromPerMille(UINT32_MAX, INT32_MAX), INT32_MAX) << "no range: the int's";
    EXPECT_EQ(DT::SensitivityToPerMille(INT32_MAX, 1800), 1000u);
    EXPECT_EQ(DT::SensitivityToPerMille(INT32_MAX, 1), UINT32_MAX);
    EXPECT_EQ(DT::SensitivityToPerMille(1, 800), 137u) << "raised to the minimum of 800's range";
}

TEST(SensitivityTest, RangeFollowsTheResolution)
{
    const auto low = DT::SensitivityRangeFor(800);
    EXPECT_EQ(low.min + low.max + low.step, 110u + 800u + 10u);
    const auto high = DT::SensitivityRangeFor(1800);
    EXPECT_EQ(high.min, 220u);
    EXPECT_EQ(high.max, 1800u);
    EXPECT_EQ(high.step, 20u);
    EXPECT_EQ(DT::SensitivityRangeFor(1600).max, 0u);
}

TEST(PollingRateTest, ChoicesAndIntervals)
{
    EXPECT_EQ(DT::IntervalForChoice(2), 1u);
    EXPECT_EQ(DT::IntervalForChoice(1), 2u);
    EXPECT_EQ(DT::IntervalForChoice(0), 8u);
    EXPECT_FALSE(DT::IntervalForChoice(-1).has_value());
    EXPECT_FALSE(DT::IntervalForChoice(3).has_value());
    EXPECT_EQ(DT::ChoiceForInterval(1), 2);
    EXPECT_EQ(DT::ChoiceForInterval(2), 1);
    EXPECT_EQ(DT::ChoiceForInterval(8), 0);
    EXPECT_EQ(DT::ChoiceForInterval(4), 255);
}

}  // namespace
