#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/CVantixConfig.h"
#include "config/IniFile.h"
#include "config/ProfileFileNames.h"
#include "platform/Utf16.h"
#include "support/TempFolder.h"

namespace {

// A program folder with its save folder, and the configuration manager over it.
class ProfileFileTest : public ::testing::Test
{
protected:
    ProfileFileTest()
    {
        std::filesystem::create_directories(m_program.FsPath() / "save");
    }

    [[nodiscard]] std::wstring SaveFolder() const { return m_config.GetProfileFolder(); }
    [[nodiscard]] std::wstring ProfilePath(const std::wstring& baseName) const { return SaveFolder() + baseName + L".dnp"; }
    [[nodiscard]] bool Exists(const std::wstring& path) const
    {
        return std::filesystem::exists(platform::ToFsPath(path));
    }
    void WriteProfileFile(const std::wstring& baseName, const std::wstring& name)
    {
        IniFile file;
        file.Set(L"PROPERTIES", L"name", name);
        ASSERT_TRUE(file.Save(ProfilePath(baseName)));
    }

    // Files of other profiles under every numbered name a long name starting with prefix can take.
    void TakeEveryNumberedName(const std::wstring& prefix)
    {
        for (int i = 0; i < ProfileFileNames::kNumberedCandidates; ++i) {
            wchar_t digits[8];
            swprintf(digits, 8, L"%04d", i);
            WriteProfileFile(prefix + digits, L"owner " + std::to_wstring(i));
        }
    }

    TempFolder m_program;
    CVantixConfig m_config{m_program.Path()};
};

TEST_F(ProfileFileTest, PathsLieInTheSaveFolder)
{
    const std::wstring save = m_program.Path() + L"save" + platform::kPathSeparator;
    EXPECT_EQ(m_config.GetProfileFolder(), save);
    EXPECT_EQ(m_config.GetMacroFolder(), save);
    EXPECT_EQ(m_config.GetConfigFilePath(), save + L"Vantix.dnc");
    std::wstring noSeparator = m_program.Path();
    noSeparator.pop_back();
    EXPECT_EQ(CVantixConfig(noSeparator).GetProfileFolder(), save);
}

TEST_F(ProfileFileTest, DefaultProfileIsSavedAsDefaultDnp)
{
    IMouseProfile* profile = m_config.CreateProfile(L"Default");
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    EXPECT_EQ(profile->GetStorageFilePath(), ProfilePath(L"Default"));

    const IniFile file = IniFile::Load(ProfilePath(L"Default"));
    EXPECT_EQ(file.Find(L"PROPERTIES", L"name"), L"Default");
    EXPECT_EQ(file.Find(L"PROPERTIES", L"exe"), L"");
    EXPECT_EQ(file.Find(L"PROPERTIES", L"auto"), L"0");
    EXPECT_EQ(file.GetSectionLines(L"ASSIGNMENTS"),
              (std::vector<std::wstring>{L"1=0", L"2=1", L"3=2", L"10=39", L"11=40"}));
}

TEST_F(ProfileFileTest, UnassignedButtonsAreNotWritten)
{
    IMouseProfile* profile = m_config.CreateProfile(L"P");
    profile->GetButtonAssignment(7);  // creates an unassigned entry
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    EXPECT_EQ(IniFile::Load(ProfilePath(L"P")).GetSectionLines(L"ASSIGNMENTS").size(), 5u);
}

TEST_F(ProfileFileTest, NameProgramAndSwitchRoundTrip)
{
    IMouseProfile* profile = m_config.CreateProfile(L"Ünïcødé 游戏 Профиль");
    profile->SetProgramPath(L"C:\\Games\\Ärena\\arena.exe");
    profile->SetAutoSwitch(true);
    std::wstring baseName;
    ASSERT_TRUE(profile->SaveToFile(baseName, SaveFolder(), L"dnp"));
    EXPECT_EQ(baseName, L"Ünïcødé 游戏 Профиль");

    CMouseProfile loaded;
    ASSERT_TRUE(loaded.LoadFromFile(baseName, SaveFolder(), L"dnp"));
    EXPECT_EQ(loaded.GetName(), L"Ünïcødé 游戏 Профиль");
    EXPECT_EQ(loaded.GetProgramPath(), L"C:\\Games\\Ärena\\arena.exe");
    EXPECT_EQ(loaded.GetProgramFileName(), L"arena.exe");
    EXPECT_TRUE(loaded.GetAutoSwitch());
    EXPECT_EQ(loaded.GetStorageFilePath(), ProfilePath(baseName));
}

TEST_F(ProfileFileTest, AnyNonZeroAutoValueMeansOn)
{
    IniFile file;
    file.Set(L"PROPERTIES", L"name", L"Five");
    file.Set(L"PROPERTIES", L"auto", L"5");
    ASSERT_TRUE(file.Save(ProfilePath(L"five")));
    CMouseProfile profile;
    ASSERT_TRUE(profile.LoadFromFile(L"five", SaveFolder(), L"dnp"));
    EXPECT_TRUE(profile.GetAutoSwitch());
}

TEST_F(ProfileFileTest, AFileWithoutANameIsNotLoaded)
{
    IniFile file;
    file.Set(L"PROPERTIES", L"exe", L"C:\\x.exe");
    ASSERT_TRUE(file.Save(ProfilePath(L"nameless")));
    CMouseProfile profile(L"kept");
    EXPECT_FALSE(profile.LoadFromFile(L"nameless", SaveFolder(), L"dnp"));
    EXPECT_EQ(profile.GetName(), L"kept");
    EXPECT_FALSE(profile.HasStorageFile());
    EXPECT_FALSE(profile.LoadFromFile(L"absent", SaveFolder(), L"dnp"));
}

TEST_F(ProfileFileTest, LongNamesAreCutAndNumbered)
{
    const std::wstring name(130, L'L');
    const std::wstring prefix(123, L'L');
    IMouseProfile* profile = m_config.CreateProfile(name);
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    EXPECT_EQ(profile->GetStorageFilePath(), ProfilePath(prefix + L"0000"));

    // Saving again finds its own file and keeps it.
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    EXPECT_EQ(profile->GetStorageFilePath(), ProfilePath(prefix + L"0000"));

    // Another profile whose name starts the same way takes the next number.
    IMouseProfile* other = m_config.CreateProfile(prefix + L"-different-ending");
    ASSERT_TRUE(m_config.SaveProfileFile(other));
    EXPECT_EQ(other->GetStorageFilePath(), ProfilePath(prefix + L"0001"));
    EXPECT_EQ(IniFile::Load(ProfilePath(prefix + L"0000")).Find(L"PROPERTIES", L"name"), name);
}

TEST_F(ProfileFileTest, NoFileNameIsLeftWhenAllNumbersAreTaken)
{
    const std::wstring prefix(123, L'x');
    TakeEveryNumberedName(prefix);
    IMouseProfile* profile = m_config.CreateProfile(prefix + L"yyyyy");
    EXPECT_FALSE(m_config.SaveProfileFile(profile));
    EXPECT_FALSE(profile->HasStorageFile());
}

TEST_F(ProfileFileTest, GivenBaseNamesAreCutTo127Characters)
{
    CMouseProfile profile(L"short");
    std::wstring baseName(140, L'b');
    ASSERT_TRUE(profile.SaveToFile(baseName, SaveFolder(), L"dnp"));
    EXPECT_EQ(baseName.size(), 140u) << "a given base name is not written back";
    EXPECT_EQ(profile.GetStorageFilePath(), ProfilePath(std::wstring(127, L'b')));
}

TEST_F(ProfileFileTest, NamesThatAreNotFileNamesStayInsideTheSaveFolder)
{
    const std::wstring names[] = {L"..\\..\\evil", L"../../evil", L"C:\\Windows\\x", L"a:b*c?d\"e<f>g|h",
                                  L"tab\there", L"CON", L"nul.txt", L"trailing. ", L"", L".."};
    for (const std::wstring& name : names) {
        IMouseProfile* profile = m_config.CreateProfile(name);
        ASSERT_TRUE(m_config.SaveProfileFile(profile)) << platform::ToUtf8(name);
        const std::filesystem::path written = platform::ToFsPath(profile->GetStorageFilePath());
        EXPECT_EQ(written.parent_path(), platform::ToFsPath(SaveFolder()).parent_path()) << platform::ToUtf8(name);
        EXPECT_TRUE(Exists(profile->GetStorageFilePath())) << platform::ToUtf8(name);
        EXPECT_EQ(IniFile::Load(profile->GetStorageFilePath()).Find(L"PROPERTIES", L"name"), name)
            << "the name inside the file stays exact";
    }
    EXPECT_EQ(ProfileFileNames::Sanitize(L"..\\..\\evil"), L".._.._evil");
    EXPECT_EQ(ProfileFileNames::Sanitize(L"CON"), L"_CON");
    EXPECT_EQ(ProfileFileNames::Sanitize(L"com1.dnp"), L"_com1.dnp");
    EXPECT_EQ(ProfileFileNames::Sanitize(L"console"), L"console");
    EXPECT_EQ(ProfileFileNames::Sanitize(L"trailing. "), L"trailing__");
}

TEST_F(ProfileFileTest, NoProfileTakesTheFileOfAnother)
{
    // A mapped name meets a name written that way, in either order, and names meet in letter
    // case alone (one file on Windows).
    const std::wstring names[] = {L"AC/DC", L"AC:DC", L"a:b", L"a_b", L"Work", L"work"};
    std::vector<IMouseProfile*> profiles;
    for (const std::wstring& name : names) {
        profiles.push_back(m_config.CreateProfile(name));
        ASSERT_TRUE(m_config.SaveProfileFile(profiles.back())) << platform::ToUtf8(name);
    }
    ASSERT_TRUE(m_config.SaveProfileFile(nullptr)) << "each saves again into its own file";
    for (IMouseProfile* profile : profiles) {
        EXPECT_EQ(IniFile::Load(profile->GetStorageFilePath()).Find(L"PROPERTIES", L"name"), profile->GetName())
            << platform::ToUtf8(profile->GetName());
    }
    EXPECT_EQ(profiles[0]->GetStorageFilePath(), ProfilePath(L"AC_DC"));
    EXPECT_EQ(profiles[1]->GetStorageFilePath(), ProfilePath(L"AC_DC0000"));
    EXPECT_EQ(profiles[2]->GetStorageFilePath(), ProfilePath(L"a_b"));
    EXPECT_EQ(profiles[3]->GetStorageFilePath(), ProfilePath(L"a_b0000")) << "\"a:b\" holds a_b.dnp";
}

TEST_F(ProfileFileTest, FilesTooLargeToReadAreNeitherLoadedNorOverwritten)
{
    WriteProfileFile(L"Big", L"Big");
    std::ofstream(platform::ToFsPath(ProfilePath(L"Big")), std::ios::binary | std::ios::app)
        << std::string(IniFile::kMaxFileBytes, ';');
    CMouseProfile loaded;
    EXPECT_FALSE(loaded.LoadFromFile(L"Big", SaveFolder(), L"dnp"));
    IMouseProfile* profile = m_config.CreateProfile(L"Big");
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    EXPECT_EQ(profile->GetStorageFilePath(), ProfilePath(L"Big0000")) << "a file it cannot read is not its own";
    EXPECT_GT(std::filesystem::file_size(platform::ToFsPath(ProfilePath(L"Big"))), IniFile::kMaxFileBytes);
}

TEST_F(ProfileFileTest, SavingEveryProfileReportsOneThatFailed)
{
    const std::wstring prefix(123, L'x');
    TakeEveryNumberedName(prefix);
    m_config.CreateProfile(prefix + L"yyyyy");
    IMouseProfile* saved = m_config.CreateProfile(L"fine");
    m_config.SetActiveProfile(saved);
    EXPECT_FALSE(m_config.SaveProfileFile(nullptr));
    EXPECT_FALSE(m_config.SaveProfiles());
    EXPECT_TRUE(Exists(ProfilePath(L"fine"))) << "the others were saved all the same";
}

TEST_F(ProfileFileTest, LoadingAnEmptySaveFolderKeepsTheProfilesInMemory)
{
    m_config.CreateProfile(L"in memory");
    EXPECT_EQ(m_config.LoadProfileFiles(), 0u);
    EXPECT_EQ(m_config.GetProfileCount(), 1u);
    m_config.LoadProfiles();
    EXPECT_EQ(m_config.GetActiveProfile(), nullptr);
}

TEST_F(ProfileFileTest, LoadProfilesActivatesTheStoredNameOrTheFirst)
{
    WriteProfileFile(L"only", L"Only");
    IniFile settings;
    settings.Set(L"SETTINGS", L"ActiveProfileName", L"nobody");
    ASSERT_TRUE(settings.Save(m_config.GetConfigFilePath()));

    EXPECT_FALSE(m_config.LoadProfiles()) << "the result is always false";
    ASSERT_EQ(m_config.GetProfileCount(), 1u);
    EXPECT_EQ(m_config.GetActiveProfile(), m_config.GetProfileAt(0));
}

TEST_F(ProfileFileTest, SaveAndLoadTheWholeSet)
{
    IMouseProfile* first = m_config.CreateProfile(L"First");
    IMouseProfile* second = m_config.CreateProfile(L"Second");
    second->SetProgramPath(L"C:\\s.exe");
    m_config.SetActiveProfile(second);
    ASSERT_TRUE(m_config.SaveProfiles());
    EXPECT_TRUE(first->HasStorageFile());

    CVantixConfig reloaded(m_program.Path());
    reloaded.LoadProfiles();
    ASSERT_EQ(reloaded.GetProfileCount(), 2u);
    ASSERT_NE(reloaded.GetActiveProfile(), nullptr);
    EXPECT_EQ(reloaded.GetActiveProfile()->GetName(), L"Second");
    EXPECT_EQ(reloaded.GetActiveProfile()->GetProgramPath(), L"C:\\s.exe");
}

TEST_F(ProfileFileTest, SaveProfilesWithoutAnActiveProfileFails)
{
    m_config.CreateProfile(L"x");
    EXPECT_FALSE(m_config.SaveProfiles());
    EXPECT_TRUE(Exists(ProfilePath(L"x"))) << "the profiles were saved all the same";
    EXPECT_FALSE(Exists(m_config.GetConfigFilePath()));
}

TEST_F(ProfileFileTest, RenameMovesTheFileToTheNewName)
{
    IMouseProfile* profile = m_config.CreateProfile(L"Old");
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    IMouseProfile* renamed = m_config.RenameProfile(profile, L"New");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->GetStorageFilePath(), ProfilePath(L"New"));
    EXPECT_TRUE(Exists(ProfilePath(L"New")));
    EXPECT_FALSE(Exists(ProfilePath(L"Old")));
}

TEST_F(ProfileFileTest, RenameThatOnlyChangesCaseKeepsTheFile)
{
    IMouseProfile* profile = m_config.CreateProfile(L"gaming");
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    IMouseProfile* renamed = m_config.RenameProfile(profile, L"Gaming");
    ASSERT_NE(renamed, nullptr);
    ASSERT_TRUE(Exists(renamed->GetStorageFilePath()));
    EXPECT_EQ(IniFile::Load(renamed->GetStorageFilePath()).Find(L"PROPERTIES", L"name"), L"Gaming");
}

TEST_F(ProfileFileTest, RenameWithoutAFileWritesNone)
{
    IMouseProfile* profile = m_config.CreateProfile(L"memory only");
    IMouseProfile* renamed = m_config.RenameProfile(profile, L"still memory");
    ASSERT_NE(renamed, nullptr);
    EXPECT_FALSE(renamed->HasStorageFile());
    EXPECT_EQ(m_program.FileCount(), 1u) << "only the save folder";
}

// A copy that shared its source's file would take that file along when deleted.
TEST_F(ProfileFileTest, ACopyHasAFileOfItsOwnAndDeletingItKeepsTheOriginal)
{
    IMouseProfile* original = m_config.CreateProfile(L"Game");
    original->SetSensitivity(650);
    ASSERT_TRUE(m_config.SaveProfileFile(original));
    const std::wstring originalFile = original->GetStorageFilePath();

    IMouseProfile* copy = m_config.DuplicateProfile(original, L"Game(2)");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetStorageFilePath(), ProfilePath(L"Game(2)"));
    EXPECT_EQ(IniFile::Load(copy->GetStorageFilePath()).Find(L"PROPERTIES", L"name"), L"Game(2)");

    m_config.DeleteProfile(copy);
    EXPECT_FALSE(Exists(ProfilePath(L"Game(2)")));
    ASSERT_TRUE(Exists(originalFile));
    EXPECT_EQ(IniFile::Load(originalFile).Find(L"PROPERTIES", L"name"), L"Game");
    ASSERT_EQ(m_config.GetProfileCount(), 1u);
    EXPECT_EQ(m_config.GetProfileAt(0)->GetName(), L"Game");
    EXPECT_EQ(m_config.GetProfileAt(0)->GetSensitivity(), 650);
    EXPECT_EQ(m_config.GetProfileAt(0)->GetStorageFilePath(), originalFile);
}

TEST_F(ProfileFileTest, DeleteRemovesTheFile)
{
    IMouseProfile* profile = m_config.CreateProfile(L"Doomed");
    ASSERT_TRUE(m_config.SaveProfileFile(profile));
    m_config.DeleteProfile(profile);
    EXPECT_FALSE(Exists(ProfilePath(L"Doomed")));
}

TEST_F(ProfileFileTest, LoadingPassesOverAFileWithoutANameAndNamesIt)
{
    WriteProfileFile(L"a", L"A");
    WriteProfileFile(L"b", L"B");
    IniFile broken;
    broken.Set(L"PROPERTIES", L"exe", L"x");
    ASSERT_TRUE(broken.Save(ProfilePath(L"c")));
    EXPECT_EQ(m_config.LoadProfileFiles(), 2u) << "whatever order the file system lists them in";
    EXPECT_EQ(m_config.RefusedProfileFiles(), std::vector<std::wstring>{L"c.dnp"});
}

}  // namespace
