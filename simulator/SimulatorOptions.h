#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "SimOperation.h"
#include "device/service/ServiceTypes.h"

namespace sim {

class SimHold;

// Makes one operation fail: its call number `call` (counted from 1 per service object), and
// with `andLater` every call after it too.
struct FaultRule
{
    SimOperation operation = SimOperation::ServiceGetDevice;
    uint32_t call = 1;
    bool andLater = false;
    svc::HRESULT result = svc::kFail;
};

// What a service object presents; tests fill it directly, the COM server reads it from the
// environment and the control file (SimulatorControl).
struct SimulatorOptions
{
    std::wstring storeFolder;              // where the devices' stores live
    std::vector<uint32_t> devicesBefore;   // product ids enumerated before the mouse
    std::vector<uint32_t> devicesAfter;    // and after it
    bool mouseAbsent = false;              // leave the mouse out of the enumeration
    bool refuseService = false;            // creating the service object fails
    std::vector<uint32_t> failingInfo;     // enumeration indices whose GetInfo fails
    std::vector<FaultRule> faults;
    // Keep changes in memory and write the store once, when the last service object of the
    // device is released, instead of after every change. For measurements of the program's
    // side of a transfer; a crash loses the unwritten changes (the store is never torn).
    bool deferWrites = false;
    // Holds a chosen call until the test releases it (tests in the same process only).
    std::shared_ptr<SimHold> hold;
};

}  // namespace sim
