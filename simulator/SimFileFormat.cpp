#include "SimFileFormat.h"

#include <array>
#include <cstring>
#include <unordered_set>

#include "ByteReader.h"
#include "ByteWriter.h"
#include "Crc32.h"

namespace sim {
namespace {

constexpr uint32_t kLightBits = (1u << kLightTypes.size()) - 1;
constexpr uint32_t kValueHasPath = 0x1;

struct ProblemEntry
{
    FileProblem problem;
    std::string_view text;
};

constexpr std::array<ProblemEntry, 10> kProblemTexts = {{
    {FileProblem::None, "no problem"},
    {FileProblem::TooLarge, "larger than the format allows"},
    {FileProblem::Truncated, "truncated"},
    {FileProblem::BadMagic, "not a simulator file (wrong magic)"},
    {FileProblem::WrongKind, "a file of another kind"},
    {FileProblem::UnsupportedVersion, "an unsupported format version"},
    {FileProblem::BadHeader, "a malformed header"},
    {FileProblem::TrailingBytes, "longer than its payload size"},
    {FileProblem::ChecksumMismatch, "checksum mismatch"},
    {FileProblem::BadPayload, "malformed contents"},
}};

size_t LimitFor(FileKind kind) noexcept
{
    return kind == FileKind::Store ? kMaxStoreBytes : kMaxExchangeBytes;
}

std::string Wrap(FileKind kind, std::string_view payload)
{
    ByteWriter header;
    header.Bytes(kFileMagic, sizeof(kFileMagic));
    header.U16(static_cast<uint16_t>(kind));
    header.U16(kFormatVersion);
    header.U32(kHeaderBytes);
    header.U32(static_cast<uint32_t>(payload.size()));
    header.U32(Crc32(payload));
    header.U32(0);
    std::string file = header.Take();
    file.append(payload);
    return file;
}

// Checks the header and the checksum and gives the payload.
FileProblem Unwrap(std::string_view file, FileKind kind, std::string_view& payload)
{
    if (file.size() > LimitFor(kind))
        return FileProblem::TooLarge;
    if (file.size() < kHeaderBytes)
        return FileProblem::Truncated;
    ByteReader header(file.substr(0, kHeaderBytes));
    char magic[sizeof(kFileMagic)];
    header.Bytes(magic, sizeof(magic));
    const uint16_t fileKind = header.U16();
    const uint16_t version = header.U16();
    const uint32_t headerBytes = header.U32();
    const uint32_t payloadBytes = header.U32();
    const uint32_t checksum = header.U32();
    const uint32_t reserved = header.U32();
    if (std::memcmp(magic, kFileMagic, sizeof(magic)) != 0)
        return FileProblem::BadMagic;
    if (fileKind != static_cast<uint16_t>(kind))
        return FileProblem::WrongKind;
    if (version != kFormatVersion)
        return FileProblem::UnsupportedVersion;
    if (headerBytes != kHeaderBytes || reserved != 0)
        return FileProblem::BadHeader;
    const size_t available = file.size() - kHeaderBytes;
    if (payloadBytes > available)
        return FileProblem::Truncated;
    if (payloadBytes < available)
        return FileProblem::TrailingBytes;
    payload = file.substr(kHeaderBytes);
    return Crc32(payload) == checksum ? FileProblem::None : FileProblem::ChecksumMismatch;
}

void WriteProfile(ByteWriter& out, const StoredProfile& profile)
{
    out.Id(profile.id);
    out.U32(profile.resolutionX);
    out.U32(profile.resolutionY);
    out.U32(profile.sensitivityX);
    out.U32(profile.sensitivityY);
    uint32_t lights = 0;
    for (size_t i = 0; i < profile.lightsOn.size(); ++i)
        lights |= profile.lightsOn[i] ? 1u << i : 0u;
    out.U32(lights);
    out.U32(profile.applicationPath ? kValueHasPath : 0);
    out.U32(profile.switches);
    out.Text(profile.name);
    out.Text(profile.applicationPath.value_or(std::u16string()));
    out.U32(static_cast<uint32_t>(profile.buttons.size()));
    for (const auto& [index, record] : profile.buttons)
        out.Bytes(record.bytes, sizeof(record.bytes));
}

bool ReadButtons(ByteReader& in, StoredProfile& profile)
{
    const uint32_t count = in.U32();
    if (count > kButtonCount)
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        svc::ButtonRecord record;
        if (!in.Bytes(record.bytes, sizeof(record.bytes)))
            return false;
        const uint32_t index = record.Word(4);
        if (!IsAssignableButton(index) || !profile.buttons.emplace(index, record).second)
            return false;
    }
    return true;
}

bool ReadProfile(ByteReader& in, StoredProfile& profile)
{
    profile.id = in.Id();
    profile.resolutionX = in.U32();
    profile.resolutionY = in.U32();
    profile.sensitivityX = in.U32();
    profile.sensitivityY = in.U32();
    const uint32_t lights = in.U32();
    const uint32_t values = in.U32();
    const uint32_t switches = in.U32();
    profile.name = in.Text(kMaxNameUnits);
    std::u16string path = in.Text(kMaxApplicationPathUnits);
    if (!in.Ok() || !IsValidResolution(profile.resolutionX) || !IsValidResolution(profile.resolutionY) ||
        !IsValidSensitivity(profile.sensitivityX) || !IsValidSensitivity(profile.sensitivityY) ||
        (lights & ~kLightBits) != 0 || (values & ~kValueHasPath) != 0 || (switches & ~kSwitchBits) != 0 ||
        !IsValidName(profile.name) || !IsValidApplicationPath(path) || ((values & kValueHasPath) == 0 && !path.empty()))
        return false;
    for (size_t i = 0; i < profile.lightsOn.size(); ++i)
        profile.lightsOn[i] = (lights & (1u << i)) != 0;
    profile.switches = static_cast<uint16_t>(switches);
    if (values & kValueHasPath)
        profile.applicationPath = std::move(path);
    return ReadButtons(in, profile);
}

void WriteMacro(ByteWriter& out, const StoredMacro& macro)
{
    out.Id(macro.id);
    out.Text(macro.name);
    out.U32(static_cast<uint32_t>(macro.events.size()));
    for (const svc::MacroEventEntry& event : macro.events) {
        out.U32(event.type);
        out.Bytes(event.data, sizeof(event.data));
    }
}

bool ReadMacro(ByteReader& in, StoredMacro& macro)
{
    macro.id = in.Id();
    macro.name = in.Text(kMaxNameUnits);
    const uint32_t count = in.U32();
    if (!in.Ok() || !IsValidName(macro.name) || count > kMaxMacroEvents)
        return false;
    macro.events.resize(count);
    for (svc::MacroEventEntry& event : macro.events) {
        event.type = in.U32();
        if (!in.Bytes(event.data, sizeof(event.data)) || !IsValidEvent(event))
            return false;
    }
    return true;
}

// Stored ids must be unique (profiles and macros share one id space) and never all zero.
bool IdsAreUnique(const DeviceModel& model)
{
    std::unordered_set<Guid, GuidHash> seen;
    for (const StoredProfile& profile : model.profiles) {
        if (profile.id.IsNull() || !seen.insert(profile.id).second)
            return false;
    }
    for (const StoredMacro& macro : model.macros) {
        if (macro.id.IsNull() || !seen.insert(macro.id).second)
            return false;
    }
    return true;
}

bool ReadDeviceSettings(ByteReader& in, DeviceModel& model, uint32_t& profiles, uint32_t& active,
                        uint32_t& macros, uint32_t& zones)
{
    model.productId = in.U32();
    model.reportInterval = in.U32();
    const uint32_t acceleration = in.U32();
    model.accelerationLevel = static_cast<int32_t>(in.U32());
    profiles = in.U32();
    active = in.U32();
    macros = in.U32();
    zones = in.U32();
    model.accelerationEnabled = acceleration != 0;
    const bool activeFits = profiles == 0 ? active == kNoActiveProfile : active < profiles;
    return in.Ok() && model.productId <= kMaxProductId && IsValidReportInterval(model.reportInterval) &&
           acceleration <= 1 && IsValidAccelerationLevel(model.accelerationLevel) && profiles <= kMaxProfiles &&
           activeFits && macros <= kMaxMacros && zones <= kMaxZones;
}

bool ReadStore(ByteReader& in, DeviceModel& model)
{
    uint32_t profiles = 0, active = 0, macros = 0, zones = 0;
    if (!ReadDeviceSettings(in, model, profiles, active, macros, zones))
        return false;
    model.profiles.resize(profiles);
    for (StoredProfile& profile : model.profiles) {
        if (!ReadProfile(in, profile))
            return false;
    }
    if (profiles > 0)
        model.activeProfile = model.profiles[active].id;
    model.macros.resize(macros);
    for (StoredMacro& macro : model.macros) {
        if (!ReadMacro(in, macro))
            return false;
    }
    for (uint32_t i = 0; i < zones; ++i) {
        const uint32_t low = in.U32();
        const uint32_t high = in.U32();
        const uint32_t colour = in.U32();
        if (!in.Ok() || !IsValidZone(low, high, colour))
            return false;
        model.AddZone(low, high, colour);
    }
    return IdsAreUnique(model);
}

uint32_t ActiveIndex(const DeviceModel& model) noexcept
{
    for (size_t i = 0; i < model.profiles.size(); ++i) {
        if (model.activeProfile == model.profiles[i].id)
            return static_cast<uint32_t>(i);
    }
    return kNoActiveProfile;
}

// Unwraps a file of one kind and reads its whole payload with `read`; the payload must be
// used up exactly.
template <typename Value, typename Reader>
FileProblem Decode(std::string_view bytes, FileKind kind, Value& value, Reader read)
{
    std::string_view payload;
    const FileProblem problem = Unwrap(bytes, kind, payload);
    if (problem != FileProblem::None)
        return problem;
    ByteReader in(payload);
    Value decoded;
    if (!read(in, decoded) || !in.Ok() || !in.AtEnd())
        return FileProblem::BadPayload;
    value = std::move(decoded);
    return FileProblem::None;
}

}  // namespace

std::string_view ProblemText(FileProblem problem) noexcept
{
    for (const ProblemEntry& entry : kProblemTexts) {
        if (entry.problem == problem)
            return entry.text;
    }
    return "unknown problem";
}

std::string EncodeStore(const DeviceModel& model)
{
    ByteWriter out;
    out.U32(model.productId);
    out.U32(model.reportInterval);
    out.U32(model.accelerationEnabled ? 1 : 0);
    out.U32(static_cast<uint32_t>(model.accelerationLevel));
    out.U32(static_cast<uint32_t>(model.profiles.size()));
    out.U32(ActiveIndex(model));
    out.U32(static_cast<uint32_t>(model.macros.size()));
    out.U32(static_cast<uint32_t>(model.zones.size()));
    for (const StoredProfile& profile : model.profiles)
        WriteProfile(out, profile);
    for (const StoredMacro& macro : model.macros)
        WriteMacro(out, macro);
    for (const StoredZone& zone : model.zones) {
        out.U32(zone.low);
        out.U32(zone.high);
        out.U32(zone.colour);
    }
    return Wrap(FileKind::Store, out.Data());
}

FileProblem DecodeStore(std::string_view bytes, DeviceModel& model)
{
    return Decode(bytes, FileKind::Store, model, ReadStore);
}

std::string EncodeProfile(const StoredProfile& profile)
{
    ByteWriter out;
    WriteProfile(out, profile);
    return Wrap(FileKind::Profile, out.Data());
}

FileProblem DecodeProfile(std::string_view bytes, StoredProfile& profile)
{
    return Decode(bytes, FileKind::Profile, profile, ReadProfile);
}

std::string EncodeMacro(const StoredMacro& macro)
{
    ByteWriter out;
    WriteMacro(out, macro);
    return Wrap(FileKind::Macro, out.Data());
}

FileProblem DecodeMacro(std::string_view bytes, StoredMacro& macro)
{
    return Decode(bytes, FileKind::Macro, macro, ReadMacro);
}

}  // namespace sim
