// Every operation of the service made to fail, in turn, while the program starts, reads,
// writes, exports and imports: nothing crashes or leaks, and the store stays loadable.
#include <thread>

#include "device/MouseTestSupport.h"
#include "macro/CMacro.h"
#include "simulator/SimOperation.h"

namespace {

struct FaultCase
{
    sim::SimOperation operation;
    uint32_t call;
};

std::string CaseName(const ::testing::TestParamInfo<FaultCase>& info)
{
    std::string name(sim::OperationName(info.param.operation));
    for (char& c : name) {
        if (c == '.')
            c = '_';
    }
    return name + "_call" + std::to_string(info.param.call);
}

std::vector<FaultCase> AllCases()
{
    std::vector<FaultCase> cases;
    for (size_t i = 0; i < sim::kOperationCount; ++i) {
        cases.push_back({static_cast<sim::SimOperation>(i), 1});
        cases.push_back({static_cast<sim::SimOperation>(i), 3});
    }
    return cases;
}

class MouseFaultTest : public SimulatedMouseTest, public ::testing::WithParamInterface<FaultCase>
{
protected:
    // Start-up, a change of everything, a write, an export and an import, against a service
    // that fails the operation under test once.
    void RunEverything()
    {
        Started started = Start();
        CVantixConfig& config = *started.config;
        if (config.GetActiveProfile() == nullptr)
            config.SetActiveProfile(config.CreateProfile(L"Fallback"));
        config.CreateProfile(L"Second");
        CMacro* macro = config.AddMacro(L"Macro");
        macro->SetEvents({MacroEvent::Key(30, 0, kKeyPressed, 0), MacroEvent::Delay(5)});
        config.SetButtonAssignment(3, AssignmentInfo::MacroByName(L"Macro"));
        config.SetButtonAssignment(2, AssignmentInfo::ProfileByName(L"Second"));
        config.SetPollingRateIndex(1);
        config.SetGlowLight(false);
        WriteAndWait(started, TransferFlag::kAll);
        started.mouse->Transfer(&config, TransferDirection::Read, TransferFlag::kAll);
        const std::wstring profileFile = program.File(L"p.dnp");
        const std::wstring macroFile = program.File(L"m.dnm");
        started.mouse->ExportProfile(profileFile, config.GetActiveProfile());
        started.mouse->ExportMacro(macroFile, config.FindMacroByName(L"Macro"));
        started.mouse->ImportProfile(profileFile, &config);
        started.mouse->ImportMacro(macroFile, &config);
        started.mouse->GetProfileCount();
    }
};

TEST_P(MouseFaultTest, AFailingOperationLeavesAStoreThatLoads)
{
    options.faults.push_back({GetParam().operation, GetParam().call, false, svc::kFail});
    RunEverything();
    EXPECT_EQ(sim::SimulatorLiveObjectCount(), 0u) << "every service object was released";

    options.faults.clear();
    Started clean = Start();
    EXPECT_TRUE(clean.initialized);
    EXPECT_TRUE(clean.read);
    EXPECT_GE(clean.config->GetProfileCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, MouseFaultTest, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
