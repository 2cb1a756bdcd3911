#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzTargets.h"
#include "platform/FileSystem.h"
#include "platform/Utf16.h"

namespace {

const std::filesystem::path kFuzzFolder = platform::ToFsPath(platform::FromUtf8(VANTIX_FUZZ_DIR));

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> Bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzRegressionTest : public testing::TestWithParam<FuzzTarget>
{
};

// A failing input ends the test program (FUZZ_CHECK, or a sanitizer in the sanitizer trees);
// the trace names the target and the file.
TEST_P(FuzzRegressionTest, SeedsAndFormerFailuresRunCleanly)
{
    const FuzzTarget& target = GetParam();
    const std::vector<std::filesystem::path> seeds = FilesIn(kFuzzFolder / "corpus" / target.name);
    EXPECT_FALSE(seeds.empty()) << "every target has seeds";
    std::vector<std::filesystem::path> inputs = FilesIn(kFuzzFolder / "regressions" / target.name);
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    for (const std::filesystem::path& input : inputs) {
        SCOPED_TRACE(input.string());
        const std::vector<uint8_t> bytes = Bytes(input);
        target.run(bytes);
    }
}

// "language_file" is named LanguageFile (test names hold no underscores).
std::string TestName(const testing::TestParamInfo<FuzzTarget>& info)
{
    std::string name;
    bool upper = true;
    for (const char* c = info.param.name; *c != '\0'; ++c) {
        if (*c == '_') {
            upper = true;
            continue;
        }
        name.push_back(upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c);
        upper = false;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, FuzzRegressionTest, testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         TestName);

TEST(FuzzFolderTest, EveryFolderNamesATarget)
{
    for (const char* kind : {"corpus", "regressions"}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(kFuzzFolder / kind, error))
            EXPECT_NE(FindFuzzTarget(entry.path().filename().string()), nullptr) << entry.path().string();
    }
}

}  // namespace
