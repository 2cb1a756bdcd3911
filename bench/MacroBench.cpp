// Measurements of macro recording and of the event list's texts: 10,000 raw inputs recorded
// (keys, auto-repeats, clicks, wheel turns) and the texts of a 10,000-step list, translated
// through the English language table. Each reports its time per input or per step as
// "per_input" / "per_step". Key names come from a table-driven keyboard, so the system's
// key-name call on Windows is not part of the figure.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "macro/CMacroRecorder.h"
#include "macro/FakeKeyboard.h"
#include "macro/MacroStepText.h"
#include "platform/Utf16.h"
#include "skin/CLangTable.h"

namespace {

constexpr int kInputs = 10000;
constexpr int kSteps = 10000;

struct RawInput
{
    bool mouse = false;
    RawKeyboard key;
    uint16_t buttonFlags = 0;
    uint32_t tick = 0;
};

// Typing with the hands of a player: a key pressed, repeated while held, released, and
// between the keys clicks of the five buttons and wheel turns, across the tick counter's wrap.
std::vector<RawInput> TypicalInputs()
{
    struct Key
    {
        uint16_t makeCode;
        uint16_t virtualKey;
        uint16_t flags;
    };
    constexpr Key kKeys[] = {{0x1E, 'A', 0}, {0x10, 'Q', 0}, {0x02, '1', 0}, {0x1D, 163, 0x2}, {0x39, ' ', 0}};
    constexpr uint16_t kButtonPairs[][2] = {{0x1, 0x2}, {0x4, 0x8}, {0x10, 0x20}, {0x40, 0x80}, {0x100, 0x200}};
    constexpr uint16_t kWheel = 0x400;

    std::vector<RawInput> inputs;
    uint32_t tick = 0xFFFF0000u;
    for (size_t round = 0; inputs.size() < kInputs; ++round) {
        const Key& key = kKeys[round % std::size(kKeys)];
        inputs.push_back({false, {key.makeCode, key.flags, key.virtualKey}, 0, tick += 40});
        inputs.push_back({false, {key.makeCode, key.flags, key.virtualKey}, 0, tick += 33});  // auto-repeat
        inputs.push_back(
            {false, {key.makeCode, static_cast<uint16_t>(key.flags | kRawKeyBreak), key.virtualKey}, 0, tick += 90});
        const auto& buttons = kButtonPairs[round % std::size(kButtonPairs)];
        inputs.push_back({true, {}, buttons[0], tick += 120});
        inputs.push_back({true, {}, buttons[1], tick += 75});
        inputs.push_back({true, {}, kWheel, tick += 10});
    }
    inputs.resize(kInputs);
    return inputs;
}

size_t Record(CMacroRecorder& recorder, const std::vector<RawInput>& inputs)
{
    size_t appended = 0;
    for (const RawInput& input : inputs) {
        appended += input.mouse ? recorder.OnRawMouseButtons(input.buttonFlags, input.tick, false)
                                : recorder.OnRawKeyboard(input.key, input.tick);
    }
    return appended;
}

// A counter showing the time one of `count` items took.
benchmark::Counter TimePer(int count)
{
    return benchmark::Counter(static_cast<double>(count),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The English table the program ships, written as the language file the program reads.
CLangTable EnglishTable()
{
    std::ifstream source(VANTIX_SKINDATA_DIR "/lang/English.txt");
    std::u16string file = u"English\r\n-\r\n";
    for (std::string line; std::getline(source, line);) {
        const size_t equals = line.find(" = ");
        if (line.empty() || line.front() == '#' || line.front() == '@' || equals == std::string::npos)
            continue;
        for (const std::string& part : {line.substr(0, equals), line.substr(equals + 3)})
            file += platform::ToUtf16(platform::FromUtf8(part)) + u"\r\n";
    }
    file += u"END OF FILE\r\n";
    CLangTable table;
    table.Read(file.data(), file.size() * sizeof(char16_t));
    return table;
}

void BM_RecordTenThousandRawInputs(benchmark::State& state)
{
    const FakeKeyboard keyboard = FakeKeyboard::UnitedStates();
    const std::vector<RawInput> inputs = TypicalInputs();
    size_t appended = 0;
    for (auto _ : state) {
        CMacroRecorder recorder(keyboard);
        recorder.ToggleRecording();
        appended = Record(recorder, inputs);
        benchmark::DoNotOptimize(recorder.Events().data());
    }
    if (appended == 0)
        state.SkipWithError("nothing was recorded");
    state.counters["steps"] = static_cast<double>(appended);
    state.counters["per_input"] = TimePer(kInputs);
}
BENCHMARK(BM_RecordTenThousandRawInputs)->Unit(benchmark::kMicrosecond);

void BM_DescribeTenThousandSteps(benchmark::State& state)
{
    const FakeKeyboard keyboard = FakeKeyboard::UnitedStates();
    CMacroRecorder recorder(keyboard);
    recorder.ToggleRecording();
    std::vector<RawInput> inputs = TypicalInputs();
    while (recorder.Events().size() < kSteps)
        Record(recorder, inputs);
    std::vector<MacroEvent> steps = recorder.Events();
    steps.resize(kSteps);

    const CLangTable english = EnglishTable();
    const LanguageLookup translate = [&english](std::wstring_view key) { return english.Translate(key); };
    if (DescribeMacroStep(MacroEvent::Delay(1500), keyboard, translate).text == L"1.500 $secondsdelay")
        state.SkipWithError("the English table was not read");

    for (auto _ : state) {
        for (const MacroEvent& step : steps)
            benchmark::DoNotOptimize(DescribeMacroStep(step, keyboard, translate));
    }
    state.counters["per_step"] = TimePer(kSteps);
}
BENCHMARK(BM_DescribeTenThousandSteps)->Unit(benchmark::kMicrosecond);

}  // namespace
