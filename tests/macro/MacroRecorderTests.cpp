#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "FakeKeyboard.h"
#include "macro/CMacroRecorder.h"
#include "macro/MacroStepText.h"
#include "vocabulary/KeyFlags.h"

namespace {

constexpr uint16_t kScanA = 0x1E;
constexpr uint16_t kScanQ = 0x10;
constexpr uint16_t kScanCtrl = 0x1D;
constexpr uint16_t kVkA = 'A';
constexpr uint16_t kVkQ = 'Q';
constexpr uint16_t kVkLeftCtrl = 162;
constexpr uint16_t kVkRightCtrl = 163;
constexpr uint16_t kMouseLeftDown = 0x0001;
constexpr uint16_t kMouseLeftUp = 0x0002;
constexpr uint16_t kMouseWheel = 0x0400;

RawKeyboard Down(uint16_t makeCode, uint16_t virtualKey, uint16_t flags = 0)
{
    return {makeCode, flags, virtualKey};
}

RawKeyboard Up(uint16_t makeCode, uint16_t virtualKey, uint16_t flags = 0)
{
    return {makeCode, static_cast<uint16_t>(flags | kRawKeyBreak), virtualKey};
}

MacroEvent Press(uint16_t scanCode, uint16_t virtualKey, uint8_t flags = 0)
{
    return MacroEvent::Key(scanCode, virtualKey, kKeyPressed, flags);
}

MacroEvent Release(uint16_t scanCode, uint16_t virtualKey, uint8_t flags = 0)
{
    return MacroEvent::Key(scanCode, virtualKey, kKeyReleased, flags);
}

using Steps = std::vector<MacroEvent>;

class MacroRecorderTest : public ::testing::Test
{
protected:
    MacroRecorderTest() { EXPECT_TRUE(recorder.ToggleRecording()); }

    // Presses and releases A at the given ticks.
    void TypeA(uint32_t downTick, uint32_t upTick)
    {
        recorder.OnRawKeyboard(Down(kScanA, kVkA), downTick);
        recorder.OnRawKeyboard(Up(kScanA, kVkA), upTick);
    }

    FakeKeyboard keyboard = FakeKeyboard::UnitedStates();
    CMacroRecorder recorder{keyboard};
};

}  // namespace

// --- Recording ---------------------------------------------------------------------------

TEST_F(MacroRecorderTest, AKeyIsItsPressADelayAndItsReleaseWithNoDelayFirst)
{
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanA, kVkA), 1000), 1u);
    EXPECT_EQ(recorder.OnRawKeyboard(Up(kScanA, kVkA), 1120), 2u);
    EXPECT_EQ(recorder.Events(), (Steps{Press(kScanA, kVkA), MacroEvent::Delay(120), Release(kScanA, kVkA)}));

    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanCtrl, kVkRightCtrl, kRawKeyE0), 1200), 2u);
    EXPECT_EQ(recorder.Events().back(), Press(kScanCtrl, kVkRightCtrl, kKeyFlagExtended));
}

TEST_F(MacroRecorderTest, AHeldKeyIsRecordedOnceUntilItsRelease)
{
    recorder.OnRawKeyboard(Down(kScanA, kVkA), 0);
    recorder.OnRawMouseButtons(kMouseLeftDown, 100, false);
    for (uint32_t tick = 500; tick < 900; tick += 33)
        EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanA, kVkA), tick), 0u) << "auto-repeat, even after a click";
    recorder.OnRawKeyboard(Up(kScanA, kVkA), 1000);
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanA, kVkA), 1100), 2u) << "pressed again after its release";
    EXPECT_EQ(recorder.Events(),
              (Steps{Press(kScanA, kVkA), MacroEvent::Delay(100), MacroEvent::MouseButton(1, kKeyPressed),
                     MacroEvent::Delay(900), Release(kScanA, kVkA), MacroEvent::Delay(100), Press(kScanA, kVkA)}));

    recorder.OnRawKeyboard(Down(kScanCtrl, kVkLeftCtrl), 1200);
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanCtrl, kVkRightCtrl, kRawKeyE0), 1300), 2u)
        << "the other key on the same make code";
    recorder.ToggleRecording();
    recorder.ToggleRecording();
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanCtrl, kVkRightCtrl, kRawKeyE0), 1400), 2u)
        << "released while the recording was stopped";
}

TEST_F(MacroRecorderTest, TheDelayOptionsDecideEveryDelayStep)
{
    recorder.SetUseDefaultDelay(true);
    TypeA(0, 7);
    recorder.OnRawMouseButtons(kMouseLeftDown, 90000, false);
    EXPECT_EQ(recorder.Events(), (Steps{Press(kScanA, kVkA), MacroEvent::Delay(50), Release(kScanA, kVkA),
                                        MacroEvent::Delay(50), MacroEvent::MouseButton(1, kKeyPressed)}));

    recorder.SetNoDelays(true);
    EXPECT_FALSE(recorder.UseDefaultDelay());
    recorder.SetEvents({});
    TypeA(0, 400);
    recorder.OnRawMouseButtons(kMouseLeftUp, 900, false);
    EXPECT_EQ(recorder.Events(),
              (Steps{Press(kScanA, kVkA), Release(kScanA, kVkA), MacroEvent::MouseButton(1, kKeyReleased)}));

    recorder.SetUseDefaultDelay(true);
    EXPECT_FALSE(recorder.NoDelays());
    recorder.SetDefaultDelay(-5);
    EXPECT_EQ(recorder.DefaultDelay(), 0);
    recorder.SetDefaultDelay(CMacroRecorder::kMaxDelay + 1);
    EXPECT_EQ(recorder.DefaultDelay(), CMacroRecorder::kMaxDelay);
}

TEST_F(MacroRecorderTest, DelaysAreCappedAndMeasuredAcrossTheTickCounterWrap)
{
    constexpr uint32_t kFiveHours = 5u * 60 * 60 * 1000;
    TypeA(1000, 1000 + kFiveHours);
    EXPECT_EQ(recorder.Events()[1], MacroEvent::Delay(16777215));

    recorder.SetEvents({});
    TypeA(0xFFFFFF00u, 0x00000100u);
    EXPECT_EQ(recorder.Events()[1], MacroEvent::Delay(0x200));
}

TEST_F(MacroRecorderTest, MouseButtonsFollowTheRawFlagTableAndNothingElse)
{
    const std::map<uint16_t, std::pair<int32_t, uint8_t>> table = {
        {0x001, {1, 255}}, {0x002, {1, 1}},    {0x004, {2, 255}}, {0x008, {2, 1}},    {0x010, {3, 255}},
        {0x020, {3, 1}},   {0x040, {25, 255}}, {0x080, {25, 1}},  {0x100, {26, 255}}, {0x200, {26, 1}},
    };
    for (uint32_t flags = 0; flags <= 0xFFFF; ++flags) {
        const std::optional<RecordedButton> button = ButtonFromRawFlags(static_cast<uint16_t>(flags));
        const auto row = table.find(static_cast<uint16_t>(flags));
        ASSERT_EQ(button.has_value(), row != table.end()) << flags;
        if (button) {
            EXPECT_EQ(button->button, row->second.first);
            EXPECT_EQ(button->direction, row->second.second);
        }
    }

    EXPECT_EQ(recorder.OnRawMouseButtons(kMouseWheel, 10, false), 0u);
    EXPECT_EQ(recorder.OnRawMouseButtons(kMouseLeftDown | kMouseWheel, 10, false), 0u);
    EXPECT_EQ(recorder.OnRawMouseButtons(0x0040, 20, false), 1u);
    EXPECT_EQ(recorder.OnRawMouseButtons(kMouseLeftDown, 30, true), 0u) << "the click on the stop button";
    EXPECT_EQ(recorder.Events(), (Steps{MacroEvent::MouseButton(25, kKeyPressed)}));
    recorder.OnRawMouseButtons(0x0080, 70, false);
    EXPECT_EQ(recorder.Events()[1], MacroEvent::Delay(50)) << "measured from the last recorded step";
}

TEST_F(MacroRecorderTest, UnusableKeysAndInputOutsideARecordingAddNothing)
{
    EXPECT_EQ(recorder.OnRawKeyboard(Down(0x1D, 19, kRawKeyE1), 0), 0u) << "Pause";
    EXPECT_EQ(recorder.OnRawKeyboard(Down(0x2A, kRawNoVirtualKey, kRawKeyE0), 0), 0u) << "synthetic Shift";
    EXPECT_EQ(recorder.OnRawKeyboard(Down(0, kVkA), 0), 0u) << "no make code";
    EXPECT_TRUE(recorder.Events().empty());

    EXPECT_FALSE(recorder.ToggleRecording());
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanA, kVkA), 0), 0u);
    EXPECT_EQ(recorder.OnRawMouseButtons(kMouseLeftDown, 0, false), 0u);

    EXPECT_TRUE(recorder.ToggleRecording());
    recorder.SetLocked(true);
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanA, kVkA), 0), 0u);
    EXPECT_EQ(recorder.OnRawMouseButtons(kMouseLeftDown, 0, false), 0u);
    EXPECT_FALSE(recorder.ToggleRecording()) << "refused while locked";
    EXPECT_TRUE(recorder.IsRecording());
    EXPECT_TRUE(recorder.Events().empty());
}

TEST_F(MacroRecorderTest, ARecordingAfterExistingStepsStartsWithTheDefaultDelay)
{
    // The tick of an earlier recording says nothing about the time before this one.
    TypeA(1000, 1100);
    EXPECT_FALSE(recorder.ToggleRecording());
    EXPECT_TRUE(recorder.ToggleRecording());
    recorder.SetDefaultDelay(75);
    EXPECT_EQ(recorder.OnRawKeyboard(Down(kScanQ, kVkQ), 9000000), 2u);
    EXPECT_EQ(recorder.OnRawKeyboard(Up(kScanQ, kVkQ), 9000040), 2u);
    EXPECT_EQ(recorder.Events(),
              (Steps{Press(kScanA, kVkA), MacroEvent::Delay(100), Release(kScanA, kVkA), MacroEvent::Delay(75),
                     Press(kScanQ, kVkQ), MacroEvent::Delay(40), Release(kScanQ, kVkQ)}));

    recorder.SetEvents({Press(kScanCtrl, kVkLeftCtrl)});
    recorder.OnRawKeyboard(Down(kScanA, kVkA), 5);
    EXPECT_EQ(recorder.Events()[1], MacroEvent::Delay(75)) << "a macro shown during a recording";
}

// --- Editing -----------------------------------------------------------------------------

TEST_F(MacroRecorderTest, StepsAreInsertedAtTheirPlaceAndDelaysAfterTheSelection)
{
    const MacroEvent a = Press(kScanA, kVkA);
    const MacroEvent q = Press(kScanQ, kVkQ);
    const MacroEvent click = MacroEvent::MouseButton(2, kKeyPressed);
    EXPECT_EQ(recorder.InsertStep(a, -1), 0u);
    EXPECT_EQ(recorder.InsertStep(q, 7), 1u);
    EXPECT_EQ(recorder.InsertStep(click, 1), 1u);
    EXPECT_EQ(recorder.Events(), (Steps{a, click, q}));

    recorder.SetDefaultDelay(250);
    EXPECT_EQ(recorder.InsertDelayAfter(std::nullopt), 0u);
    EXPECT_EQ(recorder.InsertDelayAfter(3), 4u);
    EXPECT_EQ(recorder.InsertDelayAfter(99), 5u) << "a selection past the end appends";
    const MacroEvent delay = MacroEvent::Delay(250);
    EXPECT_EQ(recorder.Events(), (Steps{delay, a, click, q, delay, delay}));
}

TEST_F(MacroRecorderTest, DeletingSelectsTheNextStepAndEditingKeepsTheKind)
{
    const MacroEvent a = Press(kScanA, kVkA);
    const MacroEvent click = MacroEvent::MouseButton(1, kKeyPressed);
    recorder.SetEvents({a, MacroEvent::Delay(10), click});

    EXPECT_TRUE(recorder.ReplaceStep(0, Release(kScanQ, kVkQ)));
    EXPECT_TRUE(recorder.ReplaceStep(1, MacroEvent::Delay(CMacroRecorder::kMaxDelay)));
    EXPECT_FALSE(recorder.ReplaceStep(1, MacroEvent::Delay(CMacroRecorder::kMaxDelay))) << "unchanged";
    EXPECT_FALSE(recorder.ReplaceStep(1, MacroEvent::Delay(-1)));
    EXPECT_FALSE(recorder.ReplaceStep(1, a)) << "a delay stays a delay";
    EXPECT_FALSE(recorder.ReplaceStep(2, MacroEvent::MouseButton(2, kKeyPressed))) << "clicks are not edited";
    EXPECT_FALSE(recorder.ReplaceStep(3, a));
    EXPECT_EQ(recorder.Events(), (Steps{Release(kScanQ, kVkQ), MacroEvent::Delay(CMacroRecorder::kMaxDelay), click}));

    EXPECT_EQ(recorder.DeleteStep(3), std::nullopt);
    EXPECT_EQ(recorder.DeleteStep(1), 1u);
    EXPECT_EQ(recorder.DeleteStep(1), std::nullopt) << "the last step went";
    EXPECT_EQ(recorder.Events(), (Steps{Release(kScanQ, kVkQ)}));
}

TEST_F(MacroRecorderTest, LockedStepsRefuseEveryEdit)
{
    const Steps steps = {Press(kScanA, kVkA), MacroEvent::Delay(10)};
    recorder.SetEvents(steps);
    recorder.SetLocked(true);
    EXPECT_EQ(recorder.InsertStep(MacroEvent::Delay(5), -1), CMacroRecorder::kNotInserted);
    EXPECT_EQ(recorder.InsertDelayAfter(0), std::nullopt);
    EXPECT_EQ(recorder.DeleteStep(0), std::nullopt);
    EXPECT_FALSE(recorder.ReplaceStep(1, MacroEvent::Delay(20)));
    EXPECT_EQ(recorder.Events(), steps);
}

// --- Texts of the event list ------------------------------------------------------------

TEST(MacroStepTextTest, EachKindShowsItsTextAndIcon)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    const std::map<std::wstring, std::wstring, std::less<>> table = {{L"$secondsdelay", L"seconds"},
                                                                     {L"$LeftButtonDown", L"Left button down"}};
    const LanguageLookup english = [&table](std::wstring_view key) -> std::optional<std::wstring> {
        const auto it = table.find(key);
        return it != table.end() ? std::optional(it->second) : std::nullopt;
    };
    const LanguageLookup empty = [](std::wstring_view) { return std::optional<std::wstring>(); };
    const auto shows = [&us](const MacroEvent& event, const LanguageLookup& lookup, const std::wstring& text,
                             int icon) {
        const MacroStepText shown = DescribeMacroStep(event, us, lookup);
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.icon, icon) << "for " << testing::PrintToString(text);
    };

    shows(Press(kScanA, kVkA), english, L"A", 0);
    shows(Release(kScanCtrl, kVkRightCtrl, kKeyFlagExtended), english, L"Right Ctrl", 1);
    shows(MacroEvent::Delay(1500), english, L"1.500 seconds", 2);
    shows(MacroEvent::Delay(7), english, L"0.007 seconds", 2);
    shows(MacroEvent::Delay(CMacroRecorder::kMaxDelay), empty, L"16777.215 $secondsdelay", 2);
    shows(MacroEvent::Delay(-1500), english, L"-1.500 seconds", 2);
    shows(MacroEvent::MouseButton(1, kKeyPressed), english, L"Left button down", 4);
    shows(MacroEvent::MouseButton(26, kKeyReleased), english, L"$Button5Up", 4);
    shows(MacroEvent::MouseButton(24, kKeyReleased), english, L"24Up", 4);

    MacroEvent unknown = MacroEvent::Delay(1);
    unknown.kind = static_cast<MacroEventKind>(9);
    shows(unknown, english, L"", MacroStepText::kNoIcon);
}
