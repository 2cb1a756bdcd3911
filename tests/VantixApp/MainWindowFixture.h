#pragma once

#include <memory>

#include "AppTestSupport.h"
#include "VantixApp/CVantixAppDlg.h"
#include "VantixApp/PageTable.h"
#include "config/CVantixConfig.h"
#include "device/CMouse.h"
#include "simulator/SimHold.h"
#include "simulator/SimulatedService.h"
#include "support/FileDialogScript.h"
#include "support/TempFolder.h"
#include "vocabulary/ItemIds.h"

// The main window made modeless over a simulated mouse, with the configuration and device
// object made as start-up makes them. Pop-ups are recorded, not shown, unless a test says so.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { options.storeFolder = store.Path(); }

    void TearDown() override
    {
        if (options.hold)
            options.hold->Release();
        window.reset();
        mouse.reset();
        config.reset();
    }

    [[nodiscard]] ServiceFactory CountingFactory()
    {
        return [this] {
            ++serviceCreations;
            return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options));
        };
    }

    // Start-up up to the window: configuration, device object, window (not yet made).
    void Prepare()
    {
        config = std::make_unique<CVantixConfig>(program.Path());
        mouse = std::make_unique<CMouse>(CountingFactory());
        mouse->SetSettleTime(std::chrono::milliseconds(0));
        (void)mouse->Initialize(config.get(), ProductId::kPeraxil1800);
        config->AttachDevice(mouse->GetPollingRateCount());
        window = std::make_unique<CVantixAppDlg>(config.get(), mouse.get());
        window->SetPopupPresenter(&popups);
        window->SetFileDialogs(&fileDialogs);
    }

    void Open()
    {
        Prepare();
        ASSERT_TRUE(window->CreateModeless(nullptr));
        PumpFor(3);
    }

    // The program closed and started again over the same mouse and program folder.
    void Restart()
    {
        window.reset();
        mouse.reset();
        config.reset();
        Open();
    }

    [[nodiscard]] bool IsOpen() const { return window->Handle() != nullptr; }
    bool WaitUntilClosed() { return PumpUntil([this] { return !IsOpen(); }); }

    [[nodiscard]] HWND ItemWindow(int32_t identifier) const
    {
        CGUIItem* item = window->Bound(identifier);
        if (item == nullptr)
            item = window->Items().FindById(identifier);
        for (unsigned bit = 1; item == nullptr && bit <= PageBit::kLighting; bit <<= 1)
            item = window->PageItems(bit)->FindById(identifier);
        return item != nullptr ? item->ItemWindow() : nullptr;
    }

    // What a click on the item sends the window.
    void Click(int32_t identifier)
    {
        HWND item = ItemWindow(identifier);
        ASSERT_NE(item, nullptr) << "no item " << identifier;
        SendMessageW(window->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(item));
    }

    void WaitForTransfer()
    {
        ASSERT_TRUE(PumpUntil([this] { return !mouse->IsTransferring(); }));
    }
    void ApplyAndWait()
    {
        ASSERT_TRUE(window->Apply());
        WaitForTransfer();
    }

    // The layout of the last pop-up asked for, then forgets the pop-ups.
    std::wstring TakeWarning()
    {
        const std::wstring layout = popups.requests.empty() ? L"" : popups.requests.back().layoutFile;
        popups.requests.clear();
        return layout;
    }

    // What the mouse holds now, read by a device object of its own.
    struct Stored
    {
        bool glowLight = false;
        int32_t resolution = 0;
        int32_t sensitivity = 0;
    };
    [[nodiscard]] Stored ReadStore()
    {
        CVantixConfig readConfig(program.Path());
        CMouse reader([this] { return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options)); });
        (void)reader.Initialize(&readConfig, ProductId::kPeraxil1800);
        readConfig.AttachDevice(reader.GetPollingRateCount());
        (void)reader.Transfer(&readConfig, TransferDirection::Read, TransferFlag::kAll);
        Stored stored;
        stored.glowLight = readConfig.GetGlowLight();
        stored.resolution = readConfig.GetResolution();
        stored.sensitivity = readConfig.GetSensitivity();
        return stored;
    }
    // Everything the mouse holds now, read by a device object of its own into a configuration
    // of its own, the profile the mouse has active (else its first) active.
    [[nodiscard]] std::unique_ptr<CVantixConfig> ReadStoredConfig()
    {
        auto readConfig = std::make_unique<CVantixConfig>(program.Path());
        CMouse reader([this] { return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options)); });
        (void)reader.Initialize(readConfig.get(), ProductId::kPeraxil1800);
        readConfig->AttachDevice(reader.GetPollingRateCount());
        (void)reader.Transfer(readConfig.get(), TransferDirection::Read, TransferFlag::kAll);
        if (readConfig->GetActiveProfile() == nullptr)
            readConfig->SetActiveProfile(readConfig->GetProfileAt(0));
        return readConfig;
    }

    SkinEnvironmentScope skin;
    TempFolder store;
    TempFolder program;
    sim::SimulatorOptions options;
    int serviceCreations = 0;
    CPopupRecorder popups;
    CFileDialogScript fileDialogs;
    std::unique_ptr<CVantixConfig> config;
    std::unique_ptr<CMouse> mouse;
    std::unique_ptr<CVantixAppDlg> window;
};
