#include "config/AssignmentTables.h"
#include "device/CDeviceSession.h"
#include "device/MouseTestSupport.h"
#include "macro/CMacro.h"
#include "platform/FileSystem.h"

namespace {

using std::chrono::milliseconds;

std::vector<MacroEvent> Burst()
{
    return {MacroEvent::MouseButton(1, kKeyPressed), MacroEvent::Delay(30), MacroEvent::MouseButton(1, kKeyReleased),
            MacroEvent::Key(30, 0, kKeyPressed, 0), MacroEvent::Key(30, 0, kKeyReleased, 0)};
}

TEST_F(SimulatedMouseTest, InitializeLoadsTheStoredProfilesAndCapabilities)
{
    Started started = Start();
    ASSERT_TRUE(started.initialized);
    EXPECT_TRUE(started.read);
    EXPECT_TRUE(started.mouse->IsConnected());
    ASSERT_EQ(started.config->GetProfileCount(), 1u);
    IMouseProfile* profile = started.config->GetProfileAt(0);
    EXPECT_EQ(profile->GetName(), L"Default");
    EXPECT_FALSE(profile->GetGuid().IsNull());
    EXPECT_EQ(started.config->GetActiveProfile(), profile) << "the read marks the stored active profile";
    EXPECT_EQ(profile->GetResolution(), 800);
    uint32_t min = 0, max = 0, step = 0;
    profile->GetSensitivityRange(min, max, step);
    EXPECT_EQ(min, 110u);
    EXPECT_EQ(max, 800u);
    EXPECT_EQ(started.mouse->GetAssignableButtons().size(), 21u);
    EXPECT_EQ(started.mouse->GetPollingRateCount(), 3u);
    EXPECT_EQ(started.config->GetPollingRateCount(), 3) << "attaching reads the count";
    EXPECT_EQ(started.config->GetAccelerationMax(), 10);

    std::wstring firmware, secondary;
    started.mouse->GetFirmwareVersion(firmware);
    started.mouse->GetSecondaryVersion(secondary);
    EXPECT_NE(firmware, L"0.00");
    EXPECT_EQ(firmware.size(), 4u) << "formatted %d.%02d";
    EXPECT_EQ(firmware[1], L'.');
    EXPECT_NE(secondary, firmware);
}

TEST_F(SimulatedMouseTest, TheMouseIsFoundAfterOtherDevicesAndFailingOnes)
{
    options.devicesBefore = {0x0011, 0x0030};
    options.devicesAfter = {0x0040};
    options.failingInfo = {0};
    Started started = Start();
    EXPECT_TRUE(started.initialized);
    EXPECT_TRUE(started.mouse->IsConnected());
    EXPECT_EQ(started.config->GetProfileCount(), 1u);
}

TEST_F(SimulatedMouseTest, AnAbsentMouseFailsInitializeAndEveryOperation)
{
    options.mouseAbsent = true;
    options.devicesBefore = {0x0019};
    Started started = Start();
    EXPECT_FALSE(started.initialized);
    EXPECT_FALSE(started.read);
    EXPECT_FALSE(started.mouse->IsConnected());
    std::wstring firmware;
    started.mouse->GetFirmwareVersion(firmware);
    EXPECT_EQ(firmware, L"0.00");
    EXPECT_EQ(started.mouse->GetProfileCount(), 0u);
    EXPECT_FALSE(started.mouse->Transfer(started.config.get(), TransferDirection::Write, TransferFlag::kAll));
    EXPECT_FALSE(started.mouse->IsTransferring());
}

TEST_F(SimulatedMouseTest, DirectionsOtherThanReadAndWriteAreRefused)
{
    Started started = Start();
    EXPECT_FALSE(started.mouse->Transfer(started.config.get(), static_cast<TransferDirection>(2), TransferFlag::kAll));
    EXPECT_FALSE(started.mouse->Transfer(nullptr, TransferDirection::Read, TransferFlag::kAll));
    EXPECT_EQ(started.mouse->GetProfileCount(), 1u) << "the refused transfers left no connection open";
}

TEST_F(SimulatedMouseTest, ProfileSettingsSurviveAWriteAndAFreshStart)
{
    {
        Started started = Start();
        CVantixConfig& config = *started.config;
        config.SetResolution(1800);
        config.SetSensitivityRange(220, 1800, 20);
        config.SetSensitivitySeparateXY(true);
        config.SetSensitivityX(400);
        config.SetSensitivityY(1800);
        config.SetGlowLight(false);
        config.SetAuxLight(true);
        config.SetProgramPath(nullptr, L"C:\\Games\\Arena\\arena.exe");
        config.SetAutoSwitch(nullptr, true);
        config.SetDpiOsd(false);
        config.SetProfileOsd(true);
        config.SetPollingRateIndex(2);
        config.SetAccelerationLevel(7);
        config.SetAccelerationEnabled(true);
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));
    }
    Started again = Start();
    ASSERT_TRUE(again.read);
    CVantixConfig& config = *again.config;
    EXPECT_EQ(config.GetResolution(), 1800);
    EXPECT_TRUE(config.GetSensitivitySeparateXY());
    EXPECT_EQ(config.GetSensitivityX(), 400) << "travels as 222 per mille, back on the slider's step";
    EXPECT_EQ(config.GetSensitivityY(), 1800);
    EXPECT_EQ(config.GetSensitivity(), 400);
    EXPECT_FALSE(config.GetGlowLight());
    EXPECT_TRUE(config.GetAuxLight());
    EXPECT_EQ(config.GetProgramPath(), L"C:\\Games\\Arena\\arena.exe");
    EXPECT_TRUE(config.GetAutoSwitch());
    EXPECT_FALSE(config.GetDpiOsd());
    EXPECT_TRUE(config.GetProfileOsd());
    EXPECT_EQ(config.GetPollingRateIndex(), 2);
    EXPECT_EQ(config.GetAccelerationLevel(), 7);
    EXPECT_TRUE(config.GetAccelerationEnabled());
}

TEST_F(SimulatedMouseTest, OnlyTheFlaggedPartsAreWritten)
{
    {
        Started started = Start();
        started.config->SetPollingRateIndex(1);
        started.config->SetGlowLight(false);
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kPollingRate));
    }
    Started again = Start();
    EXPECT_EQ(again.config->GetPollingRateIndex(), 1);
    EXPECT_TRUE(again.config->GetGlowLight()) << "lights were not flagged";
}

TEST_F(SimulatedMouseTest, ButtonsTravelWithKeysMacrosAndProfileSwitches)
{
    {
        Started started = Start();
        CVantixConfig& config = *started.config;
        IMouseProfile* second = config.CreateProfile(L"Second");
        ASSERT_NE(second, nullptr);
        CMacro* macro = config.AddMacro(L"Burst");
        macro->SetEvents(Burst());
        ASSERT_TRUE(config.SetButtonAssignment(2, AssignmentInfo::SingleKey(0x45, 19, 0)));
        ASSERT_TRUE(config.SetButtonAssignment(3, AssignmentInfo::MacroByName(L"burst")));
        ASSERT_TRUE(config.SetButtonAssignment(1, AssignmentInfo::ProfileByName(L"Second")));
        ASSERT_TRUE(config.SetButtonAssignment(10, AssignmentInfo::Function(FunctionCode::kButtonOff)));
        ASSERT_TRUE(config.SetButtonAssignment(2, AssignmentInfo::SingleKey(0x45, 144, kKeyFlagShift), second));
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));
        EXPECT_FALSE(macro->GetGuid().IsNull()) << "the macro's new id reached the live configuration";
        EXPECT_FALSE(second->GetGuid().IsNull());
    }
    Started again = Start();
    CVantixConfig& config = *again.config;
    ASSERT_EQ(config.GetProfileCount(), 2u);
    IMouseProfile* second = config.FindProfileByName(L"Second");
    CMacro* macro = config.FindMacroByName(L"Burst");
    ASSERT_NE(second, nullptr);
    ASSERT_NE(macro, nullptr);
    EXPECT_EQ(macro->GetEvents(), Burst());
    EXPECT_EQ(config.GetButtonAssignment(2), AssignmentInfo::SingleKey(0x45, 19, 0));
    EXPECT_EQ(config.GetButtonAssignment(3), AssignmentInfo::Macro(macro->GetGuid()));
    EXPECT_EQ(config.GetButtonAssignment(1), AssignmentInfo::Profile(second->GetGuid()));
    EXPECT_EQ(config.GetButtonAssignment(10).functionCode, FunctionCode::kButtonOff);
    EXPECT_EQ(config.GetButtonAssignment(11).functionCode, FunctionCode::kScrollDown);
    EXPECT_EQ(config.GetButtonAssignment(2, second), AssignmentInfo::SingleKey(0x45, 144, kKeyFlagShift));
}

TEST_F(SimulatedMouseTest, AMacroThatIsAlreadyStoredIsReferencedById)
{
    Started started = Start();
    CMacro* macro = started.config->AddMacro(L"Stored");
    macro->SetEvents(Burst());
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kMacros));
    ASSERT_FALSE(macro->GetGuid().IsNull());
    ASSERT_TRUE(started.config->SetButtonAssignment(3, AssignmentInfo::MacroByName(L"Stored")));
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kButtons));

    Started again = Start();
    EXPECT_EQ(again.config->GetButtonAssignment(3), AssignmentInfo::Macro(macro->GetGuid()));
}

TEST_F(SimulatedMouseTest, ChangedMacrosAreUpdatedAndRemovedOnesPruned)
{
    {
        Started started = Start();
        started.config->AddMacro(L"Keep")->SetEvents(Burst());
        started.config->AddMacro(L"Drop")->SetEvents(Burst());
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kMacros));
        CMacro* keep = started.config->FindMacroByName(L"keep");
        keep->Events().push_back(MacroEvent::Delay(999));
        ASSERT_TRUE(keep->SetName(L"Kept"));
        started.config->DeleteMacro(started.config->FindMacroByName(L"Drop"));
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kMacros));
    }
    Started again = Start();
    ASSERT_EQ(again.config->GetMacroCount(), 1u);
    const CMacro* kept = again.config->GetMacroAt(0);
    EXPECT_EQ(kept->GetName(), L"Kept");
    ASSERT_EQ(kept->GetEvents().size(), Burst().size() + 1);
    EXPECT_EQ(kept->GetEvents().back(), MacroEvent::Delay(999));
}

TEST_F(SimulatedMouseTest, AMacroWithoutEventsIsNotStored)
{
    Started started = Start();
    CMacro* empty = started.config->AddMacro(L"Empty");
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kMacros));
    EXPECT_TRUE(empty->GetGuid().IsNull());
    EXPECT_FALSE(started.mouse->HasMacro(empty));
}

TEST_F(SimulatedMouseTest, DeletedProfilesArePrunedFromTheDevice)
{
    Started started = Start();
    started.config->CreateProfile(L"Two");
    started.config->CreateProfile(L"Three");
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kProfileParts));
    EXPECT_EQ(started.mouse->GetProfileCount(), 3u);
    started.config->DeleteProfile(started.config->FindProfileByName(L"Two"));
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kProfileParts));
    EXPECT_EQ(started.mouse->GetProfileCount(), 2u);
    EXPECT_FALSE(started.mouse->HasProfile(nullptr));
    EXPECT_TRUE(started.mouse->HasProfile(started.config->FindProfileByName(L"Three")));
}

TEST_F(SimulatedMouseTest, ProfilesWhoseNamesDifferInCaseStayApartAcrossAStart)
{
    {
        Started started = Start();
        started.config->CreateProfile(L"Work");
        IMouseProfile* second = started.config->CreateProfile(L"Second");
        ASSERT_NE(started.config->RenameProfile(second, L"work"), nullptr);
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kProfileParts));
        ASSERT_EQ(started.mouse->GetProfileCount(), 3u);
    }
    Started again = Start();
    ASSERT_EQ(again.config->GetProfileCount(), 3u) << "start-up read every stored profile";
    EXPECT_EQ(again.config->GetProfileAt(1)->GetName(), L"Work");
    EXPECT_EQ(again.config->GetProfileAt(2)->GetName(), L"work");
    ASSERT_TRUE(WriteAndWait(again, TransferFlag::kProfileParts));
    EXPECT_EQ(again.mouse->GetProfileCount(), 3u) << "the next write pruned none of them";
}

TEST_F(SimulatedMouseTest, WritingWithoutAnActiveProfileStillStoresItsProfiles)
{
    Started started = Start();
    started.config->SetActiveProfile(nullptr);
    ASSERT_TRUE(started.mouse->Transfer(started.config.get(), TransferDirection::Write, TransferFlag::kAll))
        << "the worker starts";
    ASSERT_TRUE(WaitForWorker(*started.mouse));
    EXPECT_EQ(started.mouse->GetProfileCount(), 1u) << "the profile was written all the same";
}

// Acceleration comes before the polling rate and the macros: their success must not hide its
// failure, in either direction, and its failure must not stop them.
TEST_F(SimulatedMouseTest, AFailingMiddleStepFailsTheTransferInBothDirections)
{
    Started started = Start();
    ASSERT_TRUE(started.read);
    options.faults = {{sim::SimOperation::AccelerationIsEnabled, 1, false, svc::kFail}};
    EXPECT_FALSE(started.mouse->Transfer(started.config.get(), TransferDirection::Read, TransferFlag::kAll));

    started.config->SetPollingRateIndex(1);
    const auto write = [&] {
        svc::ComPtr<svc::IMouseService> service(sim::CreateSimulatedService(options));
        svc::ComPtr<svc::IServiceDevice> device;
        EXPECT_TRUE(svc::Succeeded(service->GetDevice(0, device.Put())));
        CDeviceSession::Capabilities capabilities;
        capabilities.productId = ProductId::kPeraxil1800;
        capabilities.buttons = started.mouse->GetAssignableButtons();
        return CDeviceSession(device.Get(), capabilities).Write(*started.config, TransferFlag::kAll);
    };
    options.faults = {{sim::SimOperation::AccelerationDisable, 1, false, svc::kFail}};
    EXPECT_FALSE(write());
    options.faults.clear();
    EXPECT_EQ(Start().config->GetPollingRateIndex(), 1) << "the steps after the failed one ran";
    EXPECT_TRUE(write());
}

TEST_F(SimulatedMouseTest, ProfilesAndMacrosRoundTripThroughFiles)
{
    Started started = Start();
    CVantixConfig& config = *started.config;
    IMouseProfile* profile = config.GetActiveProfile();
    config.SetButtonAssignment(2, AssignmentInfo::Function(FunctionCode::kDoubleClick));
    config.SetProgramPath(nullptr, L"C:\\x.exe");
    config.SetSensitivity(420);
    config.SetSensitivityX(420);
    config.SetSensitivityY(420);
    config.AddMacro(L"Combo")->SetEvents(Burst());
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));

    const std::wstring profileFile = program.File(L"exported.dnp");
    const std::wstring macroFile = program.File(L"exported.dnm");
    ASSERT_TRUE(started.mouse->ExportProfile(profileFile, profile));
    ASSERT_TRUE(started.mouse->ExportMacro(macroFile, config.FindMacroByName(L"Combo")));

    // Renamed copies arrive as new profiles and macros of the imported names.
    profile->SetName(L"Original");
    config.FindMacroByName(L"Combo")->SetName(L"Renamed");
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));
    ASSERT_TRUE(started.mouse->ImportProfile(profileFile, &config));
    ASSERT_TRUE(started.mouse->ImportMacro(macroFile, &config));

    IMouseProfile* imported = config.FindProfileByName(L"Default");
    ASSERT_NE(imported, nullptr);
    EXPECT_NE(imported->GetGuid(), profile->GetGuid());
    EXPECT_EQ(imported->GetProgramPath(), L"C:\\x.exe");
    EXPECT_EQ(config.GetButtonAssignment(2, imported).functionCode, FunctionCode::kDoubleClick);
    EXPECT_EQ(imported->GetSensitivity(), 420) << "a write after the import keeps the file's sensitivity";
    CMacro* macro = config.FindMacroByName(L"Combo");
    ASSERT_NE(macro, nullptr);
    EXPECT_EQ(macro->GetEvents(), Burst());
    EXPECT_EQ(macro->GetText(), macroFile);
    EXPECT_EQ(started.mouse->GetProfileCount(), 2u);
}

TEST_F(SimulatedMouseTest, ImportOfAMissingOrForeignFileFails)
{
    Started started = Start();
    EXPECT_FALSE(started.mouse->ImportProfile(program.File(L"absent.dnp"), started.config.get()));
    EXPECT_FALSE(started.mouse->ImportMacro(program.File(L"absent.dnm"), started.config.get()));
    EXPECT_EQ(started.config->GetProfileCount(), 1u);
    EXPECT_EQ(started.config->GetMacroCount(), 0u);

    CMacro unsaved(L"x", Burst());
    EXPECT_FALSE(started.mouse->ExportMacro(program.File(L"x.dnm"), &unsaved)) << "a macro without an id";
}

TEST_F(SimulatedMouseTest, AMacroFileWhoseStepsCannotBeReadLeavesTheMacroOfItsNameAlone)
{
    Started started = Start();
    CVantixConfig& config = *started.config;
    config.AddMacro(L"Combo")->SetEvents(Burst());
    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));
    const std::wstring macroFile = program.File(L"combo.dnm");
    ASSERT_TRUE(started.mouse->ExportMacro(macroFile, config.FindMacroByName(L"Combo")));

    options.faults.push_back({sim::SimOperation::MacroGetEvents, 1, true, svc::kFail});
    EXPECT_FALSE(started.mouse->ImportMacro(macroFile, &config));
    const CMacro* kept = config.FindMacroByName(L"Combo");
    ASSERT_NE(kept, nullptr) << "the macro that had the file's name is still there";
    EXPECT_EQ(kept->GetEvents(), Burst());
    EXPECT_EQ(config.GetMacroCount(), 1u);
}

TEST_F(SimulatedMouseTest, AWorkerRefusesConnectionsAndASecondTransfer)
{
    Started started = Start();
    sim::SimHold& hold = HoldAt(sim::SimOperation::ProfilesSetActive);
    ASSERT_TRUE(started.mouse->Transfer(started.config.get(), TransferDirection::Write, TransferFlag::kAll));
    ASSERT_TRUE(hold.WaitHeld(kDeadline)) << "the worker reached the end of its write";
    EXPECT_TRUE(started.mouse->IsTransferring());
    EXPECT_FALSE(started.mouse->Transfer(started.config.get(), TransferDirection::Write, TransferFlag::kAll));
    EXPECT_FALSE(started.mouse->Transfer(started.config.get(), TransferDirection::Read, TransferFlag::kAll));
    EXPECT_EQ(started.mouse->GetProfileCount(), 0u);
    EXPECT_FALSE(started.mouse->HasProfile(started.config->GetActiveProfile()));
    hold.Release();
    ASSERT_TRUE(WaitForWorker(*started.mouse));
    EXPECT_EQ(started.mouse->GetProfileCount(), 1u);
}

TEST_F(SimulatedMouseTest, DestructionWaitsForTheWorkerToFinishItsWrite)
{
    {
        // The settling pause after the write keeps the worker busy while the object goes.
        Started started = Start(milliseconds(100));
        sim::SimHold& hold = HoldAt(sim::SimOperation::PollingRateSet);
        started.config->SetPollingRateIndex(1);
        ASSERT_TRUE(
            started.mouse->Transfer(started.config.get(), TransferDirection::Write, TransferFlag::kPollingRate));
        ASSERT_TRUE(hold.WaitHeld(kDeadline)) << "the write is under way";
        hold.Release();
        started.mouse.reset();
    }
    Started again = Start();
    EXPECT_EQ(again.config->GetPollingRateIndex(), 1);
}

TEST_F(SimulatedMouseTest, EditsDuringATransferStayAndReachTheMouseLater)
{
    Started started = Start();
    CVantixConfig& config = *started.config;
    config.CreateProfile(L"Before");
    sim::SimHold& hold = HoldAt(sim::SimOperation::ProfilesGetItem);
    ASSERT_TRUE(started.mouse->Transfer(&config, TransferDirection::Write, TransferFlag::kAll));
    ASSERT_TRUE(hold.WaitHeld(kDeadline)) << "the worker has begun its write";
    // The window thread goes on editing while the worker writes.
    for (int i = 0; i < 5; ++i) {
        IMouseProfile* temporary = config.CreateProfile(L"Temporary " + std::to_wstring(i));
        config.AddMacro(L"Macro " + std::to_wstring(i))->SetEvents(Burst());
        config.DeleteProfile(temporary);
    }
    IMouseProfile* during = config.CreateProfile(L"During");
    hold.Release();
    ASSERT_TRUE(WaitForWorker(*started.mouse));
    EXPECT_FALSE(config.FindProfileByName(L"Before")->GetGuid().IsNull()) << "its new id was merged";
    EXPECT_TRUE(during->GetGuid().IsNull()) << "not part of that transfer";
    EXPECT_EQ(config.GetMacroCount(), 5u);

    ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));
    EXPECT_FALSE(during->GetGuid().IsNull());
    EXPECT_EQ(started.mouse->GetProfileCount(), 3u);
}

}  // namespace
