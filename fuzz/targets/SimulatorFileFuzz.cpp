// The simulator's store, its exported profile and macro files, and its control files.
#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "simulator/ByteWriter.h"
#include "simulator/Crc32.h"
#include "simulator/SimFileFormat.h"
#include "simulator/SimulatorControl.h"

namespace {

// With bit 0 of the first byte set, the rest of the input is a payload wrapped in a sound
// header of the kind (its checksum too), so that the payload's own checks are reached.
std::string FileOf(std::span<const uint8_t> data, sim::FileKind kind)
{
    FuzzInput input(data);
    const auto mode = input.Take<uint8_t>();
    const std::string_view rest = AsChars(input.Rest());
    if ((mode & 1) == 0)
        return std::string(rest);
    sim::ByteWriter header;
    header.Bytes(sim::kFileMagic, sizeof(sim::kFileMagic));
    header.U16(static_cast<uint16_t>(kind));
    header.U16(sim::kFormatVersion);
    header.U32(sim::kHeaderBytes);
    header.U32(static_cast<uint32_t>(rest.size()));
    header.U32(sim::Crc32(rest));
    header.U32(0);
    return header.Take() + std::string(rest);
}

// A file that decodes encodes to a file that decodes to the same.
template <typename Model, typename Decode, typename Encode>
void RoundTrip(const std::string& file, Decode decode, Encode encode)
{
    Model model;
    if (decode(file, model) != sim::FileProblem::None)
        return;
    const std::string encoded = encode(model);
    Model again;
    FUZZ_CHECK(decode(encoded, again) == sim::FileProblem::None);
    FUZZ_CHECK(encode(again) == encoded);
}

}  // namespace

void FuzzSimulatorStore(std::span<const uint8_t> data)
{
    RoundTrip<sim::DeviceModel>(FileOf(data, sim::FileKind::Store), sim::DecodeStore, sim::EncodeStore);
}

void FuzzExchangeFile(std::span<const uint8_t> data)
{
    const bool macro = !data.empty() && (data[0] & 2) != 0;
    if (macro)
        RoundTrip<sim::StoredMacro>(FileOf(data, sim::FileKind::Macro), sim::DecodeMacro, sim::EncodeMacro);
    else
        RoundTrip<sim::StoredProfile>(FileOf(data, sim::FileKind::Profile), sim::DecodeProfile, sim::EncodeProfile);
}

void FuzzControlFile(std::span<const uint8_t> data)
{
    sim::SimulatorOptions options;
    std::string error;
    if (!sim::ApplyControlText(AsChars(data), "fuzz", options, error))
        FUZZ_CHECK(!error.empty());
}
