#include <gtest/gtest.h>

#include "TraySnapshots.h"
#include "tray/COsdPlanner.h"
#include "tray/CProfileSwitcher.h"
#include "tray/TrayMenu.h"
#include "tray/WindowsPath.h"

using namespace traytest;
using tray::CProfileSwitcher;

namespace {

constexpr wchar_t kEditor[] = L"C:\\Tools\\edit.exe";

// Default (1, active), Racing tied to the game, Office tied to the editor.
tray::MouseSnapshot ThreeProfiles(uint32_t active)
{
    return Mouse(active, {{1, L"Default"}, {2, L"Racing", kGame, true, 1800}, {3, L"Office", kEditor, true}});
}

}  // namespace

TEST(WindowsPathTest, ComparesAsWindowsDoes)
{
    const std::pair<const wchar_t*, const wchar_t*> same[] = {
        {L"C:\\Games\\Racer.exe", L"c:\\GAMES\\racer.EXE"},
        {L"C:/Games/Racer.exe", L"C:\\Games\\Racer.exe"},
        {L"C:\\Games\\\\Racer.exe", L"C:\\Games\\Racer.exe"},
        {L"C:\\Games\\", L"C:\\Games"},
        {L"\\\\?\\C:\\Games\\Racer.exe", L"C:\\Games\\Racer.exe"},
        {L"\\\\?\\UNC\\server\\share\\a.exe", L"//server/share/a.exe"},
        {L"C:\\Программы\\Игра.exe", L"c:\\программы\\ИГРА.EXE"},
    };
    for (const auto& [a, b] : same)
        EXPECT_TRUE(tray::SameWindowsPath(a, b)) << a << " / " << b;
    const std::pair<const wchar_t*, const wchar_t*> different[] = {
        {L"C:\\Games\\Racer.exe", L"D:\\Games\\Racer.exe"},
        {L"C:\\Games\\Racer.exe", L"C:\\Games\\Racer.exe.bak"},
        {L"C:\\", L"C:"},
        {L"\\\\server\\share", L"\\server\\share"},
    };
    for (const auto& [a, b] : different)
        EXPECT_FALSE(tray::SameWindowsPath(a, b)) << a << " / " << b;
}

TEST(ProfileSwitcherTest, TiedProgramSwitchesAndThePreviousProfileComesBack)
{
    CProfileSwitcher switcher;
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(1), L"C:\\other.exe"), std::nullopt);
    // Spelled differently from the stored path, as Windows may report it.
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(1), L"c:/games/RACER/Racer.EXE"), IdOf(2));
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(2), L"c:/games/RACER/Racer.EXE"), std::nullopt);
    // From one tied program to another: the profile from before both comes back at the end.
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(2), kEditor), IdOf(3));
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(3), L"C:\\Windows\\explorer.exe"), IdOf(1));
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(1), L"C:\\Windows\\explorer.exe"), std::nullopt);
    EXPECT_FALSE(switcher.IsFollowing());
}

TEST(ProfileSwitcherTest, AProgramWithoutItsSwitchOrAnEmptyPathTiesNothing)
{
    CProfileSwitcher switcher;
    const auto mouse = Mouse(1, {{1, L"Default", L"", true}, {2, L"Racing", kGame, false}});
    EXPECT_EQ(switcher.Evaluate(mouse, kGame), std::nullopt);
    EXPECT_EQ(switcher.Evaluate(mouse, L""), std::nullopt);
    EXPECT_FALSE(switcher.IsFollowing());
}

TEST(ProfileSwitcherTest, TwoProfilesTiedToOneProgramTheFirstInTheMousesOrderWins)
{
    const auto mouse = Mouse(
        1,
        {{1, L"Default"}, {4, L"Second", kGame, false}, {2, L"Racing", kGame, true}, {3, L"Racing too", kGame, true}});
    EXPECT_EQ(CProfileSwitcher::TiedProfile(mouse, kGame)->name, L"Racing");
}

TEST(ProfileSwitcherTest, LosingTheProgramOrSwitchWhileInFrontBringsThePreviousBack)
{
    CProfileSwitcher switcher;
    ASSERT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
    const auto untied = Mouse(2, {{1, L"Default"}, {2, L"Racing", kGame, false}});
    EXPECT_EQ(switcher.Evaluate(untied, kGame), IdOf(1));

    ASSERT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
    const auto noProgram = Mouse(2, {{1, L"Default"}, {2, L"Racing", L"", true}});
    EXPECT_EQ(switcher.Evaluate(noProgram, kGame), IdOf(1));

    // The tied profile deleted: the mouse chose another, the previous one still comes back.
    ASSERT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
    EXPECT_EQ(switcher.Evaluate(Mouse(3, {{1, L"Default"}, {3, L"Office"}}), kGame), IdOf(1));
}

TEST(ProfileSwitcherTest, AChoiceMadeWhileATiedProgramIsInFrontStands)
{
    CProfileSwitcher switcher;
    ASSERT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
    // The user picks Office from the menu (or in the configurator) while the game stays.
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(3), kGame), std::nullopt);
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(3), L"C:\\other.exe"), std::nullopt);
    // Next time the game comes to the front, Office is what comes back afterwards.
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(3), kGame), IdOf(2));
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(2), L"C:\\other.exe"), IdOf(3));
}

TEST(ProfileSwitcherTest, APreviousProfileDeletedMeanwhileIsNotBroughtBack)
{
    CProfileSwitcher switcher;
    ASSERT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
    const auto withoutDefault = Mouse(2, {{2, L"Racing", kGame, true}, {3, L"Office", kEditor, true}});
    EXPECT_EQ(switcher.Evaluate(withoutDefault, L"C:\\other.exe"), std::nullopt);
    EXPECT_FALSE(switcher.IsFollowing());
}

TEST(ProfileSwitcherTest, AnAbsentMouseOrAFailedSwitchStartsAfresh)
{
    CProfileSwitcher switcher;
    tray::MouseSnapshot absent;
    EXPECT_EQ(switcher.Evaluate(absent, kGame), std::nullopt);
    ASSERT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
    EXPECT_EQ(switcher.Evaluate(absent, L"C:\\other.exe"), std::nullopt);
    EXPECT_TRUE(switcher.IsFollowing());
    switcher.Forget();
    // Asked again with the game in front, as if the first switch never happened.
    EXPECT_EQ(switcher.Evaluate(ThreeProfiles(1), kGame), IdOf(2));
}

TEST(OsdPlannerTest, ShowsProfileAndResolutionChangesAsTheirSwitchesSay)
{
    tray::COsdPlanner planner;
    const tray::CTrayTexts texts;  // no language file: headings show their keys
    EXPECT_EQ(planner.Observe(ThreeProfiles(1), texts), std::nullopt) << "the first read shows nothing";
    EXPECT_EQ(planner.Observe(ThreeProfiles(1), texts), std::nullopt);
    EXPECT_EQ(planner.Observe(ThreeProfiles(2), texts),
              (tray::OsdMessage{L"$TrayDisplayProfile", L"Racing", L"1800 DPI"}));
    EXPECT_EQ(planner.Observe(ThreeProfiles(3), texts),
              (tray::OsdMessage{L"$TrayDisplayProfile", L"Office", L"800 DPI"}));
    EXPECT_EQ(planner.Observe(Mouse(3, {{3, L"Office", L"", false, 1800}}), texts),
              (tray::OsdMessage{L"$TrayDisplayResolution", L"1800 DPI", L""}));
    // Switches off: a profile change without its display, a resolution change without its.
    EXPECT_EQ(planner.Observe(Mouse(1, {{1, L"Default", L"", false, 1800, false, true}}), texts), std::nullopt);
    EXPECT_EQ(planner.Observe(Mouse(1, {{1, L"Default", L"", false, 800, false, false}}), texts), std::nullopt);
    EXPECT_EQ(planner.Observe(Mouse(2, {{2, L"Racing", L"", false, 800, true, false}}), texts),
              (tray::OsdMessage{L"$TrayDisplayProfile", L"Racing", L""}));
    // The mouse gone and back: nothing to announce.
    EXPECT_EQ(planner.Observe(tray::MouseSnapshot{}, texts), std::nullopt);
    EXPECT_EQ(planner.Observe(ThreeProfiles(3), texts), std::nullopt);
    EXPECT_EQ(tray::COsdPlanner::kShowTime, std::chrono::milliseconds(1500));
}

TEST(TrayMenuTest, ListsTheProfilesWithTheActiveOneChecked)
{
    const tray::CTrayTexts texts;
    const auto menu = tray::BuildTrayMenu(ThreeProfiles(2), texts, false);
    std::wstring layout;
    for (const tray::TrayMenuEntry& entry : menu)
        layout += entry.separator ? L"-|" : entry.text + (entry.checked ? L"*" : L"") + L"|";
    EXPECT_EQ(layout, L"$TrayOpenConfigurator|-|Default|Racing*|Office|-|$TrayDisplays|-|$TrayExit|");
    EXPECT_EQ(tray::ProfileIndexOf(menu[3].command), 1);
    EXPECT_EQ(tray::ProfileIndexOf(tray::TrayCommand::kExit), -1);
    EXPECT_EQ(tray::ProfileIndexOf(tray::TrayCommand::kFirstProfile + 10), -1);

    const auto absent = tray::BuildTrayMenu(tray::MouseSnapshot{}, texts, true);
    ASSERT_EQ(absent.size(), 7u);
    EXPECT_EQ(absent[2].text, L"$TrayNoMouse");
    EXPECT_FALSE(absent[2].enabled);
    EXPECT_TRUE(absent[4].checked);
}
