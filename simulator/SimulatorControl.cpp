#include "SimulatorControl.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Utf16.h"
#include "SimLimits.h"

namespace sim {
namespace {

constexpr std::string_view kWhitespace = " \t";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

// Words separated by blanks or commas.
std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = text.find_first_not_of(" \t,", pos);
        if (start == std::string_view::npos)
            break;
        const size_t end = std::min(text.find_first_of(" \t,", start), text.size());
        words.push_back(text.substr(start, end - start));
        pos = end;
    }
    return words;
}

// Decimal, or hexadecimal after "0x".
std::optional<uint32_t> ParseNumber(std::string_view word)
{
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
        base = 16;
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (error != std::errc() || end != word.data() + word.size() || word.empty())
        return std::nullopt;
    return value;
}

bool ParseNumbers(std::string_view args, uint32_t maximum, const char* what, std::vector<uint32_t>& into,
                  std::string& error)
{
    const std::vector<std::string_view> words = Words(args);
    if (words.empty()) {
        error = std::string("expected one or more ") + what;
        return false;
    }
    for (std::string_view word : words) {
        const std::optional<uint32_t> value = ParseNumber(word);
        if (!value || *value > maximum) {
            error = std::string("not a valid ") + what + ": '" + std::string(word) + "'";
            return false;
        }
        into.push_back(*value);
    }
    return true;
}

bool ExpectNoArguments(std::string_view args, std::string& error)
{
    if (args.empty())
        return true;
    error = "takes no arguments";
    return false;
}

// "<Interface.Operation> <n>[+] [<hresult>]"
bool ParseFault(std::string_view args, SimulatorOptions& options, std::string& error)
{
    const std::vector<std::string_view> words = Words(args);
    if (words.size() < 2 || words.size() > 3) {
        error = "expected '<Interface.Operation> <call>[+] [<failure result>]'";
        return false;
    }
    FaultRule rule;
    const std::optional<SimOperation> operation = FindOperation(words[0]);
    if (!operation) {
        error = "unknown operation '" + std::string(words[0]) + "'";
        return false;
    }
    rule.operation = *operation;
    std::string_view call = words[1];
    if (!call.empty() && call.back() == '+') {
        rule.andLater = true;
        call.remove_suffix(1);
    }
    const std::optional<uint32_t> number = ParseNumber(call);
    if (!number || *number == 0) {
        error = "the call number must be 1 or more: '" + std::string(words[1]) + "'";
        return false;
    }
    rule.call = *number;
    if (words.size() == 3) {
        const std::optional<uint32_t> result = ParseNumber(words[2]);
        if (!result || svc::Succeeded(static_cast<svc::HRESULT>(*result))) {
            error = "the result of a fault must be a failure HRESULT: '" + std::string(words[2]) + "'";
            return false;
        }
        rule.result = static_cast<svc::HRESULT>(*result);
    }
    options.faults.push_back(rule);
    return true;
}

bool ParseStore(std::string_view args, SimulatorOptions& options, std::string& error)
{
    if (args.empty()) {
        error = "expected a folder";
        return false;
    }
    options.storeFolder = platform::FromUtf8(args);
    return true;
}

bool ParseDevicesBefore(std::string_view args, SimulatorOptions& options, std::string& error)
{
    return ParseNumbers(args, kMaxProductId, "product id", options.devicesBefore, error);
}

bool ParseDevicesAfter(std::string_view args, SimulatorOptions& options, std::string& error)
{
    return ParseNumbers(args, kMaxProductId, "product id", options.devicesAfter, error);
}

bool ParseFailInfo(std::string_view args, SimulatorOptions& options, std::string& error)
{
    return ParseNumbers(args, UINT32_MAX, "device index", options.failingInfo, error);
}

bool ParseNoMouse(std::string_view args, SimulatorOptions& options, std::string& error)
{
    options.mouseAbsent = true;
    return ExpectNoArguments(args, error);
}

bool ParseRefuseService(std::string_view args, SimulatorOptions& options, std::string& error)
{
    options.refuseService = true;
    return ExpectNoArguments(args, error);
}

using LineParser = bool (*)(std::string_view args, SimulatorOptions& options, std::string& error);

struct Keyword
{
    std::string_view name;
    LineParser parse;
};

constexpr std::array<Keyword, 7> kKeywords = {{
    {"store", ParseStore},
    {"devices-before", ParseDevicesBefore},
    {"devices-after", ParseDevicesAfter},
    {"no-mouse", ParseNoMouse},
    {"fail-info", ParseFailInfo},
    {"fail", ParseFault},
    {"refuse-service", ParseRefuseService},
}};

bool ApplyLine(std::string_view line, SimulatorOptions& options, std::string& error)
{
    const size_t end = std::min(line.find_first_of(kWhitespace), line.size());
    const std::string_view name = line.substr(0, end);
    const std::string_view args = Trim(line.substr(end));
    for (const Keyword& keyword : kKeywords) {
        if (keyword.name == name)
            return keyword.parse(args, options, error);
    }
    error = "unknown setting '" + std::string(name) + "'";
    return false;
}

std::optional<std::wstring> Environment(const char* name)
{
#ifdef _WIN32
    // The wide environment, so that folders outside the ANSI code page survive.
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    if (value == nullptr)
        return std::nullopt;
    return std::wstring(value);
#else
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return platform::FromUtf8(value);
#endif
}

// Environment shortcuts, each turned into the control line it stands for. A list variable
// gives one line per ';'-separated item; a switch variable gives its line when it is on.
enum class ShortcutKind { List, Switch };

struct Shortcut
{
    const char* variable;
    std::string_view keyword;
    ShortcutKind kind;
};

constexpr std::array<Shortcut, 6> kShortcuts = {{
    {"PERAXIL_SIM_DEVICES_BEFORE", "devices-before", ShortcutKind::List},
    {"PERAXIL_SIM_DEVICES_AFTER", "devices-after", ShortcutKind::List},
    {"PERAXIL_SIM_NO_MOUSE", "no-mouse", ShortcutKind::Switch},
    {"PERAXIL_SIM_FAIL_INFO", "fail-info", ShortcutKind::List},
    {"PERAXIL_SIM_FAIL", "fail", ShortcutKind::List},
    {"PERAXIL_SIM_REFUSE_SERVICE", "refuse-service", ShortcutKind::Switch},
}};

constexpr std::array<std::string_view, 4> kSwitchOn = {"1", "yes", "true", "on"};
constexpr std::array<std::string_view, 5> kSwitchOff = {"", "0", "no", "false", "off"};

bool IsOneOf(std::string_view value, const auto& words)
{
    for (std::string_view word : words) {
        if (word == value)
            return true;
    }
    return false;
}

bool ShortcutLines(const Shortcut& shortcut, std::string_view value, std::string& text, std::string& error)
{
    value = Trim(value);
    if (shortcut.kind == ShortcutKind::Switch) {
        if (IsOneOf(value, kSwitchOn))
            text += std::string(shortcut.keyword) + "\n";
        else if (!IsOneOf(value, kSwitchOff)) {
            error = std::string(shortcut.variable) + ": expected 1 or 0, not '" + std::string(value) + "'";
            return false;
        }
        return true;
    }
    size_t pos = 0;
    while (pos <= value.size()) {
        const size_t end = std::min(value.find(';', pos), value.size());
        const std::string_view item = Trim(value.substr(pos, end - pos));
        if (!item.empty())
            text += std::string(shortcut.keyword) + " " + std::string(item) + "\n";
        pos = end + 1;
    }
    return true;
}

bool ApplyShortcuts(SimulatorOptions& options, std::string& error)
{
    for (const Shortcut& shortcut : kShortcuts) {
        const std::optional<std::wstring> value = Environment(shortcut.variable);
        if (!value)
            continue;
        std::string text;
        if (!ShortcutLines(shortcut, platform::ToUtf8(*value), text, error))
            return false;
        if (!ApplyControlText(text, shortcut.variable, options, error))
            return false;
    }
    return true;
}

bool ApplyControlFile(SimulatorOptions& options, std::string& error)
{
    const std::optional<std::wstring> path = Environment("PERAXIL_SIM_CONTROL");
    if (!path || path->empty())
        return true;
    const std::string source = platform::ToUtf8(*path);
    const std::optional<std::string> bytes = platform::ReadFileBytes(*path);
    if (!bytes) {
        error = "cannot read the control file " + source;
        return false;
    }
    return ApplyControlText(*bytes, source, options, error);
}

}  // namespace

bool ApplyControlText(std::string_view text, std::string_view source, SimulatorOptions& options,
                      std::string& error)
{
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (text.starts_with(kUtf8Mark))
        text.remove_prefix(kUtf8Mark.size());
    size_t pos = 0;
    for (size_t number = 1; pos < text.size(); ++number) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line.front() == '#')
            continue;
        std::string problem;
        if (!ApplyLine(line, options, problem)) {
            error = std::string(source) + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    return true;
}

bool OptionsFromEnvironment(SimulatorOptions& options, std::string& error)
{
    const std::optional<std::wstring> folder = Environment("PERAXIL_SIM_DIR");
    options.storeFolder = folder && !folder->empty() ? *folder : DefaultStoreFolder();
    return ApplyShortcuts(options, error) && ApplyControlFile(options, error);
}

std::wstring DefaultStoreFolder()
{
#ifdef _WIN32
    const std::optional<std::wstring> local = Environment("LOCALAPPDATA");
    return local && !local->empty() ? *local + L"\\PeraxilSim" : std::wstring();
#else
    const std::optional<std::wstring> data = Environment("XDG_DATA_HOME");
    if (data && !data->empty())
        return *data + L"/peraxil-sim";
    const std::optional<std::wstring> home = Environment("HOME");
    return home && !home->empty() ? *home + L"/.local/share/peraxil-sim" : std::wstring();
#endif
}

}  // namespace sim
