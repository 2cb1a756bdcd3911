#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "config/CVantixConfig.h"
#include "device/CMouse.h"
#include "simulator/SimHold.h"
#include "simulator/SimulatedService.h"
#include "support/TempFolder.h"

// A simulated mouse whose store lives in a fresh folder, and helpers to start configurations
// and device objects on it the way the program does at start-up.
class SimulatedMouseTest : public ::testing::Test
{
protected:
    static constexpr std::chrono::seconds kDeadline{30};

    SimulatedMouseTest() { options.storeFolder = store.Path(); }
    // A worker a failed test left held goes on, so that its device object can end.
    ~SimulatedMouseTest() override
    {
        if (options.hold)
            options.hold->Release();
    }

    // From now on the next call of `operation` waits until options.hold->Release().
    sim::SimHold& HoldAt(sim::SimOperation operation)
    {
        options.hold = std::make_shared<sim::SimHold>();
        options.hold->Arm(operation);
        return *options.hold;
    }

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

    // Asks, as the window does, until the worker has finished; false when it is still busy
    // after the deadline.
    static bool WaitForWorker(CMouse& mouse)
    {
        const auto deadline = std::chrono::steady_clock::now() + kDeadline;
        while (mouse.IsTransferring()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::yield();
        }
        return true;
    }

    // Writes and waits for the worker to finish.
    static bool WriteAndWait(Started& started, TransferFlags flags)
    {
        return started.mouse->Transfer(started.config.get(), TransferDirection::Write, flags) &&
               WaitForWorker(*started.mouse);
    }

    TempFolder store;
    TempFolder program;
    sim::SimulatorOptions options;
};
