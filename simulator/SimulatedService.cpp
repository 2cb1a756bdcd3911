#include "SimulatedService.h"

#include <memory>
#include <new>

#include "CSimService.h"
#include "SimDiagnostics.h"
#include "SimulatorControl.h"

namespace sim {

svc::IMouseService* CreateSimulatedService(const SimulatorOptions& options) noexcept
{
    if (options.refuseService)
        return nullptr;
    if (options.storeFolder.empty()) {
        ReportDiagnostic("no store folder: set PERAXIL_SIM_DIR");
        return nullptr;
    }
    try {
        return new CSimService(std::make_shared<SimSession>(options));
    } catch (const std::exception& error) {
        ReportDiagnostic(std::string("cannot create the service: ") + error.what());
        return nullptr;
    } catch (...) {
        return nullptr;
    }
}

svc::IMouseService* CreateSimulatedService() noexcept
{
    try {
        SimulatorOptions options;
        std::string error;
        if (!OptionsFromEnvironment(options, error)) {
            ReportDiagnostic(error);
            return nullptr;
        }
        return CreateSimulatedService(options);
    } catch (const std::exception& error) {
        ReportDiagnostic(std::string("cannot read the control settings: ") + error.what());
        return nullptr;
    } catch (...) {
        return nullptr;
    }
}

uint32_t SimulatorLiveObjectCount() noexcept
{
    return LiveObjects().load();
}

std::wstring SimulatorStorePath(const std::wstring& storeFolder, uint32_t productId)
{
    return SimDeviceState::StorePathFor(storeFolder, productId);
}

}  // namespace sim
