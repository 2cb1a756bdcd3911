#include <windows.h>

#include <dbt.h>

#include <cstring>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "VantixApp/CLightingPage.h"
#include "VantixVersion.h"
#include "device/DevicePath.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CTextItem.h"
#include "simulator/SimOperation.h"
#include "support/XInputScript.h"

namespace {

constexpr unsigned kAllPages[] = {PageBit::kAssignButtons, PageBit::kAssignKeys, PageBit::kPerformance,
                                  PageBit::kProfiles,      PageBit::kMacros,     PageBit::kLighting};

// A device-interface notice as the system sends it, with the device path in place.
std::vector<unsigned char> DeviceNotice(const std::wstring& path)
{
    std::vector<unsigned char> buffer(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + (path.size() + 1) * sizeof(wchar_t));
    auto* notice = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    notice->dbcc_size = static_cast<DWORD>(buffer.size());
    notice->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(notice->dbcc_name, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    return buffer;
}

std::wstring MousePath(uint32_t productId)
{
    wchar_t path[128] = {};
    std::swprintf(path, std::size(path), L"\\\\?\\HID#VID_%04X&PID_%04X#7&2f1a3b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                  DevicePath::kDunmoVendorId, productId);
    return path;
}

bool IsShown(HWND window)
{
    return window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Whether any window item of the list is shown, and whether all of them are.
struct Visibility
{
    bool any = false;
    bool all = true;
};
Visibility ListVisibility(const CItemList& list)
{
    Visibility visibility;
    for (const auto& item : list) {
        if (item->ItemWindow() == nullptr || item->ItemWindow() == CGUIItem::kNoWindow ||
            item->Kind() == ItemKind::PanelBitmap)
            continue;
        const bool shown = IsShown(item->ItemWindow());
        visibility.any = visibility.any || shown;
        visibility.all = visibility.all && shown;
    }
    return visibility;
}

}  // namespace

class MainWindowPagesTest : public MainWindowTest
{
};

TEST_F(MainWindowPagesTest, OpensOnTheAssignPageWithTheProfileReadFromTheMouse)
{
    Open();
    ASSERT_TRUE(IsOpen());
    EXPECT_EQ(window->CurrentPage(), window->PageItems(PageBit::kAssignButtons));
    EXPECT_TRUE(window->ProductFlag());
    EXPECT_FALSE(window->IsDeviceMissingTimerRunning());
    EXPECT_NE(config->GetActiveProfile(), nullptr);
    EXPECT_EQ(window->DirtyMask(), 0);
    EXPECT_FALSE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY)));
    EXPECT_TRUE(popups.requests.empty());
    wchar_t title[64] = {};
    GetWindowTextW(window->Handle(), title, 64);
    EXPECT_GT(std::wcslen(title), 0u);
}

TEST_F(MainWindowPagesTest, OpensCentredInTheWorkArea)
{
    Open();
    RECT frame{};
    GetWindowRect(window->Handle(), &frame);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_LT(frame.right - frame.left, work.right - work.left);
    EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
    EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);
}

TEST_F(MainWindowPagesTest, EachPageShowsItsItemsAndHidesTheOthers)
{
    Open();
    for (unsigned shown : kAllPages) {
        SCOPED_TRACE(shown);
        window->ShowPage(shown);
        EXPECT_EQ(window->CurrentPage(), window->PageItems(shown));
        for (unsigned page : kAllPages) {
            const Visibility visibility = ListVisibility(*window->PageItems(page));
            // The performance page shows one of its slider sets (next test), the macros page one
            // of its two event lists.
            if (page == shown)
                EXPECT_TRUE(visibility.any &&
                            (visibility.all || page == PageBit::kPerformance || page == PageBit::kMacros));
            else
                EXPECT_FALSE(visibility.any);
        }
        const bool selectorShown = shown != PageBit::kProfiles && shown != PageBit::kMacros;
        EXPECT_EQ(IsShown(ItemWindow(ItemId::LIST_GLOBALPROFILELIST)), selectorShown);
        EXPECT_EQ(IsShown(ItemWindow(ItemId::BITMAP_PROFILE_RECT)), selectorShown);
        EXPECT_EQ(IsShown(ItemWindow(ItemId::TEXT_CURRENTPROFILE)), selectorShown);
    }
}

TEST_F(MainWindowPagesTest, PerformancePageShowsTheSliderSetOfTheActiveProfile)
{
    Open();
    config->SetResolution(1800);
    config->SetSensitivitySeparateXY(true);
    config->SetAccelerationEnabled(false);
    window->ShowPage(PageBit::kPerformance);
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_X_1800)));
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_Y_1800)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_XY_1800)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_XY)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_X)));
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::TEXT_DPI2)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::TEXT_DPI1)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::TEXT_HEADING_X)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLACCLTRK)));
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::BITMAP_SLACCLTRKDISB)));

    // The tab shows the views again for the profile as it is now; nothing is stored or marked.
    window->ShowPage(PageBit::kLighting);
    config->SetResolution(800);
    config->SetSensitivitySeparateXY(false);
    config->SetAccelerationEnabled(true);
    Click(ItemId::BUTTON_ADJUSTPERFORMANCE);
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_XY)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_X)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLSENSTRK_X_1800)));
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::TEXT_DPI1)));
    EXPECT_TRUE(IsShown(ItemWindow(ItemId::BITMAP_SLACCLTRK)));
    EXPECT_FALSE(IsShown(ItemWindow(ItemId::BITMAP_SLACCLTRKDISB)));
    EXPECT_EQ(config->GetResolution(), 800);
    EXPECT_EQ(window->DirtyMask(), 0);
}

TEST_F(MainWindowPagesTest, TabButtonsSwitchPagesAndShowWhichIsSelected)
{
    Open();
    struct Tab
    {
        int32_t button;
        unsigned page;
    };
    const Tab tabs[] = {{ItemId::BUTTON_ADJUSTPERFORMANCE, PageBit::kPerformance},
                        {ItemId::BUTTON_MANAGEPROFILES, PageBit::kProfiles},
                        {ItemId::BUTTON_MANAGEMACROS, PageBit::kMacros},
                        {ItemId::BUTTON_LIGHTINGMAINTENANCE, PageBit::kLighting},
                        {ItemId::BUTTON_ASSIGNBUTTONS, PageBit::kAssignButtons}};
    for (const Tab& tab : tabs) {
        SCOPED_TRACE(tab.button);
        Click(tab.button);
        EXPECT_EQ(window->CurrentPage(), window->PageItems(tab.page));
        for (const Tab& other : tabs) {
            auto* button = dynamic_cast<CBitmapBtn*>(window->Bound(other.button));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->IsChecked(), other.button == tab.button);
        }
    }
}

TEST_F(MainWindowPagesTest, ThumbGridViewKeepsTheAssignTabSelected)
{
    Open();
    window->ShowPage(PageBit::kAssignKeys);
    EXPECT_EQ(window->CurrentPage(), window->PageItems(PageBit::kAssignKeys));
    EXPECT_TRUE(dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::BUTTON_ASSIGNBUTTONS))->IsChecked());
    // Several bits: the lowest one is shown.
    window->ShowPage(PageBit::kLighting | PageBit::kPerformance);
    EXPECT_EQ(window->CurrentPage(), window->PageItems(PageBit::kPerformance));
}

TEST_F(MainWindowPagesTest, ChoosingTheShownPageDoesNotRedraw)
{
    Open();
    window->ShowPage(PageBit::kPerformance);
    ASSERT_TRUE(PumpUntil([this] { return GetUpdateRect(window->Handle(), nullptr, FALSE) == FALSE; }));
    window->ShowPage(PageBit::kPerformance);
    Click(ItemId::BUTTON_ADJUSTPERFORMANCE);
    EXPECT_FALSE(GetUpdateRect(window->Handle(), nullptr, FALSE));
    window->ShowPage(PageBit::kLighting);
    EXPECT_TRUE(GetUpdateRect(window->Handle(), nullptr, FALSE));
}

TEST_F(MainWindowPagesTest, PressingTheShownPagesTabKeepsItSelected)
{
    Open();
    window->ShowPage(PageBit::kPerformance);
    ASSERT_TRUE(PumpUntil([this] { return GetUpdateRect(window->Handle(), nullptr, FALSE) == FALSE; }));
    auto* tab = dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::BUTTON_ADJUSTPERFORMANCE));
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(tab->IsChecked());
    // The mouse's press on a check box toggles it before the window hears of it.
    SendMessageW(tab->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(tab->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(tab->IsChecked());
    EXPECT_EQ(window->CurrentPage(), window->PageItems(PageBit::kPerformance));
    EXPECT_FALSE(GetUpdateRect(window->Handle(), nullptr, FALSE));
}

TEST_F(MainWindowPagesTest, BackgroundDragsTheWindowAndItemsDoNot)
{
    Open();
    RECT frame{};
    GetWindowRect(window->Handle(), &frame);
    const LRESULT background =
        SendMessageW(window->Handle(), WM_NCHITTEST, 0, MAKELPARAM(frame.left + 1, frame.top + 1));
    EXPECT_EQ(background, HTCAPTION);
    EXPECT_EQ(SendMessageW(window->Handle(), WM_NCHITTEST, 0, MAKELPARAM(frame.right + 50, frame.bottom + 50)),
              HTNOWHERE);
}

class MainWindowApplyTest : public MainWindowTest
{
};

TEST_F(MainWindowApplyTest, MarkingSetsAllBitsOnlyWhenNoneIsSet)
{
    Open();
    window->MarkDirty(0x01);
    EXPECT_EQ(window->DirtyMask(), 0x01);
    EXPECT_TRUE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY)));
    window->MarkDirty(0x07);
    EXPECT_EQ(window->DirtyMask(), 0x01);
    window->MarkDirty(0x20);
    EXPECT_EQ(window->DirtyMask(), 0x21);
}

TEST_F(MainWindowApplyTest, LightButtonsWriteOnlyTheLights)
{
    Open();
    const Stored before = ReadStore();
    ASSERT_TRUE(before.glowLight);
    Click(ItemId::BUTTON_LIGHTINGMAINTENANCE);
    // A resolution change that is not marked must not reach the mouse.
    config->SetResolution(1800);
    Click(ItemId::GLOW_LEDOFF);
    EXPECT_EQ(window->DirtyMask(), TransferFlag::kLights);
    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    EXPECT_EQ(window->DirtyMask(), 0);
    EXPECT_FALSE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY)));
    const Stored after = ReadStore();
    EXPECT_FALSE(after.glowLight);
    EXPECT_EQ(after.resolution, before.resolution);
}

TEST_F(MainWindowApplyTest, AMarkedResolutionChangeWritesOnlyThatPart)
{
    Open();
    const Stored before = ReadStore();
    config->SetGlowLight(false);
    config->SetResolution(1800);
    window->MarkDirty(TransferFlag::kResolution);
    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    const Stored after = ReadStore();
    EXPECT_NE(before.resolution, 1800);
    EXPECT_EQ(after.resolution, 1800);
    EXPECT_EQ(after.glowLight, before.glowLight);
}

TEST_F(MainWindowApplyTest, OkWithNothingChangedDoesNotContactTheMouse)
{
    Open();
    const int creations = serviceCreations;
    Click(ItemId::BUTTON_OK);
    EXPECT_TRUE(WaitUntilClosed());
    EXPECT_EQ(serviceCreations, creations);
    EXPECT_TRUE(popups.requests.empty());
}

TEST_F(MainWindowApplyTest, OkAfterAChangeAppliesFirst)
{
    Open();
    Click(ItemId::BUTTON_LIGHTINGMAINTENANCE);
    Click(ItemId::GLOW_LEDOFF);
    const int creations = serviceCreations;
    Click(ItemId::BUTTON_OK);
    EXPECT_TRUE(WaitUntilClosed());
    WaitForTransfer();
    EXPECT_GT(serviceCreations, creations);
    EXPECT_FALSE(ReadStore().glowLight);
}

TEST_F(MainWindowApplyTest, CancelClosesWithoutApplying)
{
    Open();
    Click(ItemId::BUTTON_LIGHTINGMAINTENANCE);
    Click(ItemId::GLOW_LEDOFF);
    const int creations = serviceCreations;
    Click(ItemId::BUTTON_CANCEL);
    EXPECT_TRUE(WaitUntilClosed());
    EXPECT_EQ(serviceCreations, creations);
    EXPECT_TRUE(ReadStore().glowLight);
}

TEST_F(MainWindowApplyTest, ApplyWhileATransferRunsSendsNothingAndStillClearsTheMask)
{
    Open();
    options.hold = std::make_shared<sim::SimHold>();
    options.hold->Arm(sim::SimOperation::ProfilesSetActive);
    Click(ItemId::BUTTON_LIGHTINGMAINTENANCE);
    Click(ItemId::GLOW_LEDOFF);
    Click(ItemId::BUTTON_APPLY);
    ASSERT_TRUE(options.hold->WaitHeld(std::chrono::seconds(30))) << "the first transfer is under way";
    ASSERT_TRUE(mouse->IsTransferring());
    Click(ItemId::GLOW_LEDON);
    Click(ItemId::BUTTON_APPLY);
    EXPECT_EQ(window->DirtyMask(), 0);
    options.hold->Release();
    WaitForTransfer();
    EXPECT_FALSE(ReadStore().glowLight);
}

TEST_F(MainWindowApplyTest, ApplyThatCannotReachTheMouseWarnsAndCloses)
{
    Open();
    options.refuseService = true;
    window->MarkDirty(TransferFlag::kLights);
    EXPECT_FALSE(window->Apply());
    ASSERT_EQ(popups.requests.size(), 1u);
    EXPECT_EQ(popups.requests[0].layoutFile, L"NoMousePopup.xml");
    EXPECT_TRUE(WaitUntilClosed());
}

// The window run modally, as the program runs it, and driven by real keys and clicks: the
// dialog manager's Enter, Escape and F1 need the focus inside the window.
class MainWindowKeyboardTest : public MainWindowTest
{
protected:
    static constexpr INT_PTR kTimedOut = 99;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        Prepare();
        window->SetShellOpener([this](const std::wstring& target) { opened.push_back(target); });
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

    [[nodiscard]] std::wstring ClickOn(int32_t identifier) const
    {
        HWND item = ItemWindow(identifier);
        RECT client{};
        GetClientRect(item, &client);
        return CXInputScript::MoveTo(item, client.right / 2, client.bottom / 2) + L" click 1";
    }

    [[nodiscard]] bool ApplyDone() const
    {
        return !mouse->IsTransferring() && !IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY));
    }

    // Focuses the window, turns the light off and applies with the mouse, then runs `keys`.
    CXInputScript ApplyThenKeys(std::function<bool()> ready, const std::wstring& keys)
    {
        CXInputScript script;
        script.Then([this] { return IsWindowVisible(window->Handle()) != FALSE; },
                    [this] { return L"windowfocus --sync " + CXInputScript::XWindowOf(window->Handle()); })
            .Then([] { return true; }, [this] { return ClickOn(ItemId::BUTTON_LIGHTINGMAINTENANCE); })
            .Then([this] { return window->IsPageShown(PageBit::kLighting); },
                  [this] { return ClickOn(ItemId::GLOW_LEDOFF); })
            .Then([this] { return IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY)) != FALSE; },
                  [this] { return ClickOn(ItemId::BUTTON_APPLY); })
            .Then([this, ready] { return ApplyDone() && ready(); }, keys);
        return script;
    }

    // Runs the window modally while `script` drives it; kTimedOut when it did not close.
    INT_PTR RunModalWith(CXInputScript& script)
    {
        static CVantixAppDlg* s_dialog = nullptr;
        s_dialog = window.get();
        const UINT_PTR guard = SetTimer(nullptr, 0, 30000, [](HWND, UINT, UINT_PTR, DWORD) {
            if (s_dialog != nullptr && s_dialog->Handle() != nullptr)
                EndDialog(s_dialog->Handle(), kTimedOut);
        });
        script.Start();
        const INT_PTR result = window->RunModal();
        script.Stop();
        KillTimer(nullptr, guard);
        s_dialog = nullptr;
        return result;
    }

    std::vector<std::wstring> opened;
};

TEST_F(MainWindowKeyboardTest, HelpButtonOpensTheManualOfTheProgramFolder)
{
    ASSERT_TRUE(window->CreateModeless(nullptr));
    Click(ItemId::BUTTON_HELP);
    SendMessageW(window->Handle(), WM_HELP, 0, 0);
    const std::wstring manual = ProgramFolder() + L"Manuals\\index.html";
    EXPECT_EQ(opened, std::vector<std::wstring>({manual, manual}));
    EXPECT_NE(GetFileAttributesW(manual.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowKeyboardTest, AfterApplyF1StillOpensTheManualAndEscapeCloses)
{
    CXInputScript script = ApplyThenKeys([] { return true; }, L"key F1");
    script.Then([this] { return opened.size() == 1; }, L"key Escape");
    EXPECT_EQ(RunModalWith(script), IDCANCEL) << Narrow(script.Failure());
    EXPECT_TRUE(script.Finished());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], ProgramFolder() + L"Manuals\\index.html");
    EXPECT_FALSE(ReadStore().glowLight);
}

TEST_F(MainWindowKeyboardTest, AfterApplyEnterStillMeansOk)
{
    CXInputScript script = ApplyThenKeys([] { return true; }, L"key Return");
    EXPECT_EQ(RunModalWith(script), IDOK) << Narrow(script.Failure());
    EXPECT_TRUE(script.Finished());
}

// The mouse refuses part of an Apply: the user is told, and the window shows what it holds.
class MainWindowRefusedApplyTest : public MainWindowTest
{
protected:
    void ApplyLightOff()
    {
        Click(ItemId::BUTTON_LIGHTINGMAINTENANCE);
        Click(ItemId::GLOW_LEDOFF);
        Click(ItemId::BUTTON_APPLY);
    }
    [[nodiscard]] bool WaitForPopups(size_t count)
    {
        return PumpUntil([this, count] { return popups.requests.size() >= count; });
    }
    [[nodiscard]] bool OnShownPressed() const
    {
        return dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::GLOW_LEDON))->IsChecked();
    }
};

TEST_F(MainWindowRefusedApplyTest, ARefusedSensitivityWriteWarnsAndShowsTheMousesValue)
{
    Open();
    const int32_t held = config->GetSensitivity();
    const int32_t requested = held > 1 ? held - 1 : held + 1;
    options.faults = {{sim::SimOperation::SensitivitySet, 1, true, svc::kFail}};
    config->SetSensitivity(requested);
    window->MarkDirty(TransferFlag::kResolution);
    Click(ItemId::BUTTON_APPLY);
    ASSERT_TRUE(WaitForPopups(1));
    EXPECT_EQ(popups.requests[0].layoutFile, CVantixAppDlg::kApplyFailedPopup);
    options.faults.clear();
    EXPECT_EQ(ReadStore().sensitivity, held);
    EXPECT_EQ(config->GetSensitivity(), held);
    PumpFor(5);
    EXPECT_EQ(popups.requests.size(), 1u);
}

TEST_F(MainWindowRefusedApplyTest, ARefusedLightWriteWarnsAndShowsTheLightOn)
{
    Open();
    options.faults = {{sim::SimOperation::LightTurnOff, 1, true, svc::kFail}};
    ApplyLightOff();
    ASSERT_TRUE(WaitForPopups(1));
    EXPECT_EQ(popups.requests[0].layoutFile, CVantixAppDlg::kApplyFailedPopup);
    EXPECT_TRUE(config->GetGlowLight());
    EXPECT_TRUE(OnShownPressed());
    const std::wstring& firmware = dynamic_cast<CTextItem*>(window->Bound(ItemId::TEXT_FIRMWAREVER))->Text();
    EXPECT_EQ(firmware.find(L':'), firmware.rfind(L':')) << "the version is not appended twice";
    options.faults.clear();
    EXPECT_TRUE(ReadStore().glowLight);
}

TEST_F(MainWindowRefusedApplyTest, ALightThatCannotBeReadBackIsToldToo)
{
    Open();
    options.faults = {{sim::SimOperation::LightTurnOff, 1, true, svc::kFail},
                      {sim::SimOperation::LightGetState, 1, true, svc::kFail}};
    ApplyLightOff();
    ASSERT_TRUE(WaitForPopups(2));
    EXPECT_EQ(popups.requests[0].layoutFile, CVantixAppDlg::kApplyFailedPopup);
    EXPECT_EQ(popups.requests[1].layoutFile, CVantixAppDlg::kReadFailedPopup);
    options.faults.clear();
    EXPECT_TRUE(ReadStore().glowLight);
}

class MainWindowLightingTest : public MainWindowTest
{
};

TEST_F(MainWindowLightingTest, LightButtonsShowAndStoreTheFlag)
{
    Open();
    auto* on = dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::GLOW_LEDON));
    auto* off = dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::GLOW_LEDOFF));
    ASSERT_NE(on, nullptr);
    ASSERT_NE(off, nullptr);
    EXPECT_TRUE(on->IsChecked());
    EXPECT_FALSE(off->IsChecked());
    Click(ItemId::BUTTON_LIGHTINGMAINTENANCE);
    Click(ItemId::GLOW_LEDOFF);
    EXPECT_FALSE(on->IsChecked());
    EXPECT_TRUE(off->IsChecked());
    EXPECT_FALSE(config->GetGlowLight());
    Click(ItemId::GLOW_LEDON);
    Click(ItemId::GLOW_LEDON);
    EXPECT_TRUE(on->IsChecked());
    EXPECT_FALSE(off->IsChecked());
    EXPECT_TRUE(config->GetGlowLight());
    EXPECT_EQ(window->DirtyMask(), TransferFlag::kLights);
}

TEST_F(MainWindowLightingTest, AProfileWithTheLightOffOpensWithLightOffPressed)
{
    {
        Prepare();
        (void)mouse->Transfer(config.get(), TransferDirection::Read, TransferFlag::kAll);
        config->SetGlowLight(false);
        ASSERT_TRUE(mouse->Transfer(config.get(), TransferDirection::Write, TransferFlag::kLights));
        WaitForTransfer();
        window.reset();
        mouse.reset();
        config.reset();
    }
    Open();
    EXPECT_FALSE(dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::GLOW_LEDON))->IsChecked());
    EXPECT_TRUE(dynamic_cast<CBitmapBtn*>(window->Bound(ItemId::GLOW_LEDOFF))->IsChecked());
}

TEST_F(MainWindowLightingTest, VersionTextsFollowTheirLabels)
{
    Open();
    auto* firmware = dynamic_cast<CTextItem*>(window->Bound(ItemId::TEXT_FIRMWAREVER));
    auto* program = dynamic_cast<CTextItem*>(window->Bound(ItemId::TEXT_DRIVERVER));
    ASSERT_NE(firmware, nullptr);
    ASSERT_NE(program, nullptr);
    std::wstring firmwareVersion;
    mouse->GetFirmwareVersion(firmwareVersion);
    ASSERT_FALSE(firmwareVersion.empty());
    const std::wstring firmwareTail = L": " + firmwareVersion;
    ASSERT_GT(firmware->Text().size(), firmwareTail.size());
    EXPECT_EQ(firmware->Text().substr(firmware->Text().size() - firmwareTail.size()), firmwareTail);

    wchar_t programTail[32] = {};
    std::swprintf(programTail, std::size(programTail), L": %d.%02d", VANTIX_VERSION_MAJOR, VANTIX_VERSION_MINOR);
    const std::wstring tail = programTail;
    ASSERT_GT(program->Text().size(), tail.size());
    EXPECT_EQ(program->Text().substr(program->Text().size() - tail.size()), tail);
}

TEST(LightingPageTextTest, VersionsAreWrittenWithTwoMinorDigits)
{
    EXPECT_EQ(CLightingPage::ProgramVersionText(L"Driver", L"1", 2), L"Driver: 1.02");
    EXPECT_EQ(CLightingPage::ProgramVersionText(L"Driver", L"2", 5), L"Driver: 2.05");
    EXPECT_EQ(CLightingPage::ProgramVersionText(L"Driver", L"2", 15), L"Driver: 2.15");
    EXPECT_EQ(CLightingPage::FirmwareText(L"Firmware", L"1.07"), L"Firmware: 1.07");
}

class MainWindowPresenceTest : public MainWindowTest
{
};

TEST_F(MainWindowPresenceTest, RemovalOfTheMouseWarnsAndCloses)
{
    Open();
    auto notice = DeviceNotice(MousePath(ProductId::kPeraxil1800));
    EXPECT_EQ(SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                           reinterpret_cast<LPARAM>(notice.data())),
              TRUE);
    EXPECT_TRUE(window->IsDeviceMissingTimerRunning());
    // A second notice while the first is pending changes nothing.
    SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(notice.data()));
    EXPECT_TRUE(window->IsDeviceMissingTimerRunning());
    EXPECT_TRUE(WaitUntilClosed());
    ASSERT_EQ(popups.requests.size(), 1u);
    EXPECT_EQ(popups.requests[0].layoutFile, L"NoMousePopup.xml");
}

TEST_F(MainWindowPresenceTest, LowerCasePathIsTheMouseToo)
{
    Open();
    std::wstring path = MousePath(ProductId::kPeraxil1800);
    for (wchar_t& c : path)
        c = static_cast<wchar_t>(towlower(c));
    auto notice = DeviceNotice(path);
    SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(notice.data()));
    EXPECT_TRUE(window->IsDeviceMissingTimerRunning());
}

TEST_F(MainWindowPresenceTest, OtherDevicesAndArrivalsAreIgnored)
{
    Open();
    auto other = DeviceNotice(MousePath(0x0021));
    auto noProduct = DeviceNotice(L"\\\\?\\HID#VID_3A7E#7&2f1a3b&0&0000");
    auto mouseNotice = DeviceNotice(MousePath(ProductId::kPeraxil1800));
    EXPECT_EQ(SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                           reinterpret_cast<LPARAM>(other.data())),
              TRUE);
    SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(noProduct.data()));
    EXPECT_EQ(SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                           reinterpret_cast<LPARAM>(mouseNotice.data())),
              TRUE);
    SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    EXPECT_FALSE(window->IsDeviceMissingTimerRunning());
    PumpFor(20);
    EXPECT_TRUE(IsOpen());
    EXPECT_TRUE(popups.requests.empty());
}

TEST_F(MainWindowPresenceTest, WithoutAMouseApplyIsOffAndOnlyTheFirmwareVersionIsMissing)
{
    options.mouseAbsent = true;
    Open();
    EXPECT_FALSE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY)));
    const std::wstring& program = dynamic_cast<CTextItem*>(window->Bound(ItemId::TEXT_DRIVERVER))->Text();
    const std::wstring& firmware = dynamic_cast<CTextItem*>(window->Bound(ItemId::TEXT_FIRMWAREVER))->Text();
    wchar_t version[32] = {};
    std::swprintf(version, std::size(version), L": %d.%02d", VANTIX_VERSION_MAJOR, VANTIX_VERSION_MINOR);
    EXPECT_TRUE(program.ends_with(version)) << std::string(program.begin(), program.end());
    EXPECT_EQ(firmware.find(L':'), std::wstring::npos);
}

TEST_F(MainWindowPresenceTest, AbsentMouseAtStartWarnsAndCloses)
{
    options.mouseAbsent = true;
    Open();
    EXPECT_TRUE(window->IsDeviceMissingTimerRunning());
    EXPECT_TRUE(WaitUntilClosed());
    ASSERT_EQ(popups.requests.size(), 1u);
    EXPECT_EQ(popups.requests[0].layoutFile, L"NoMousePopup.xml");
}

TEST_F(MainWindowPresenceTest, RealPopupClosedByItsOkButtonEndsTheWindow)
{
    options.mouseAbsent = true;
    Prepare();
    window->SetPopupPresenter(nullptr);
    // Clicks OK on the pop-up once it is open; the main window is disabled meanwhile.
    static HWND mainWindow = nullptr;
    static bool clicked = false;
    static bool ownerDisabled = false;
    mainWindow = nullptr;
    clicked = false;
    ownerDisabled = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (clicked)
            return;
        HWND popup = GetLastActivePopup(mainWindow);
        auto* panel = popup != nullptr && popup != mainWindow ? dynamic_cast<CGUIPanel*>(CWindow::FromHandle(popup)) : nullptr;
        if (panel == nullptr)
            return;
        CGUIItem* ok = panel->Items().FindById(ItemId::BUTTON_POPUP_OK);
        if (ok == nullptr)
            return;
        ownerDisabled = !IsWindowEnabled(mainWindow);
        clicked = true;
        SendMessageW(ok->ItemWindow(), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(window->CreateModeless(nullptr));
    mainWindow = window->Handle();
    EXPECT_TRUE(WaitUntilClosed());
    KillTimer(nullptr, timer);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(ownerDisabled);
}

class MainWindowBadInputTest : public MainWindowTest
{
};

TEST_F(MainWindowBadInputTest, MessagesFromUnknownSendersChangeNothing)
{
    Open();
    HWND stranger = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(stranger, nullptr);
    SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(stranger));
    SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
    for (UINT message : {Notification::kEntryChosen, Notification::kDropdownOpening, Notification::kEditChanged,
                         Notification::kMacroEventsEdited})
        SendMessageW(window->Handle(), message, 3, reinterpret_cast<LPARAM>(stranger));
    for (UINT message : {Notification::kProfileNameEdited, Notification::kProfileOptionsOpening})
        SendMessageW(window->Handle(), message, reinterpret_cast<WPARAM>(stranger), 0);
    SendMessageW(window->Handle(), Notification::kSliderMoved, 40, ItemId::SLIDER_DPI_MULTI_STAGE1);
    SendMessageW(window->Handle(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0);
    SendMessageW(window->Handle(), WM_TIMER, 77, 0);
    DestroyWindow(stranger);
    PumpFor(5);
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(window->DirtyMask(), 0);
    EXPECT_EQ(window->CurrentPage(), window->PageItems(PageBit::kAssignButtons));
    EXPECT_TRUE(popups.requests.empty());
}

TEST_F(MainWindowBadInputTest, AnItemOfAHiddenPageIsNotDispatched)
{
    Open();
    // The light buttons belong to the lighting page, which is not shown.
    Click(ItemId::GLOW_LEDOFF);
    EXPECT_TRUE(config->GetGlowLight());
    EXPECT_EQ(window->DirtyMask(), 0);
}
