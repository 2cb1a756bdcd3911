#pragma once

#include <cstdint>
#include <string>

#include "SimulatorOptions.h"
#include "device/service/MouseService.h"

// The simulated mouse device service: a Dunmo Peraxil 1800 (and any other devices the options
// ask for) whose stored data lives in files, with the interfaces, reference counting and
// QueryInterface of the real COM component. Tests create it directly; the COM server
// (PeraxilSim.dll) creates it for CoCreateInstance.
namespace sim {

// A new service object holding one reference, presenting what the options say; null when the
// options refuse the service or name no store folder.
[[nodiscard]] svc::IMouseService* CreateSimulatedService(const SimulatorOptions& options) noexcept;

// The same with the options of the environment and the control file (SimulatorControl.h);
// null, with a line on stderr, when they are malformed.
[[nodiscard]] svc::IMouseService* CreateSimulatedService() noexcept;

// Objects of the simulator alive in this process (services, devices, features, items).
[[nodiscard]] uint32_t SimulatorLiveObjectCount() noexcept;

// The file in which a store folder keeps the data of the device with this product id.
[[nodiscard]] std::wstring SimulatorStorePath(const std::wstring& storeFolder, uint32_t productId);

}  // namespace sim
