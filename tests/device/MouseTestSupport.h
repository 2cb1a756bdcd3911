#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "config/CVantixConfig.h"
#include "device/CMouse.h"
#include "simulator/SimulatedService.h"
#include "support/TempFolder.h"

// A simulated mouse whose store lives in a fresh folder, and helpers to start configurations
// and device objects on it the way the program does at start-up.
class SimulatedMouseTest : public ::testing::Test
{
protected:
    SimulatedMouseTest() { options.storeFolder = store.Path(); }

    [[nodiscard]] ServiceFactory Factory()
    {
        return [this] { return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options)); };
    }

    // A device object, settling for `settle` after writes, not yet initialised.
    [[nodiscard]] std::unique_ptr<CMouse> NewMouse(std::chrono::milliseconds settle = std::chrono::milliseconds(0))
    {
        auto mouse = std::make_unique<CMouse>(Factory());
        mouse->SetSettleTime(settle);
        return mouse;
    }

    // Start-up: Initialize, attach, and the first read of everything.
    struct Started
    {
        std::unique_ptr<CVantixConfig> config;
        std::unique_ptr<CMouse> mouse;
        bool initialized = false;
        bool read = false;
    };
    [[nodiscard]] Started Start(std::chrono::milliseconds settle = std::chrono::milliseconds(0))
    {
        Started started;
        started.config = std::make_unique<CVantixConfig>(program.Path());
        started.mouse = NewMouse(settle);
        started.initialized = started.mouse->Initialize(started.config.get(), ProductId::kPeraxil1800);
        started.config->AttachDevice(started.mouse->GetPollingRateCount());
        started.read = started.mouse->Transfer(started.config.get(), TransferDirection::Read, TransferFlag::kAll);
        return started;
    }

    // Writes and waits for the worker to finish, as the window does by asking.
    static bool WriteAndWait(Started& started, uint32_t flags)
    {
        if (!started.mouse->Transfer(started.config.get(), TransferDirection::Write, flags))
            return false;
        while (started.mouse->IsTransferring())
            std::this_thread::yield();
        return true;
    }

    TempFolder store;
    TempFolder program;
    sim::SimulatorOptions options;
};
