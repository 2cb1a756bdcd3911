#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "config/CMouseProfile.h"
#include "platform/FileSystem.h"

namespace {

// A folder of this process's own (its name drawn once), emptied for each input.
std::filesystem::path ScratchFolder()
{
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vantix-fuzz-profile-" + std::to_string(std::random_device{}()));
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder / "out");
    return folder;
}

}  // namespace

void FuzzProfileFile(std::span<const uint8_t> data)
{
    const std::filesystem::path folder = ScratchFolder();
    std::ofstream(folder / "in.dnp", std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                                             static_cast<std::streamsize>(data.size()));
    const std::wstring inFolder = platform::FromFsPath(folder) + platform::kPathSeparator;
    CMouseProfile loaded;
    if (!loaded.LoadFromFile(L"in", inFolder, L"dnp"))
        return;
    FUZZ_CHECK(!loaded.GetName().empty());

    // Saved under the name it holds and read again, the profile is the same.
    const std::wstring outFolder = platform::FromFsPath(folder / "out") + platform::kPathSeparator;
    std::wstring baseName;
    if (!loaded.SaveToFile(baseName, outFolder, L"dnp"))
        return;
    FUZZ_CHECK(std::filesystem::path(platform::ToFsPath(loaded.GetStorageFilePath())).parent_path() ==
               folder / "out");
    CMouseProfile again;
    FUZZ_CHECK(again.LoadFromFile(baseName, outFolder, L"dnp"));
    FUZZ_CHECK(again.GetName() == loaded.GetName());
    FUZZ_CHECK(again.GetProgramPath() == loaded.GetProgramPath());
    FUZZ_CHECK(again.GetAutoSwitch() == loaded.GetAutoSwitch());
}
