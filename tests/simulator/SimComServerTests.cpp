// PeraxilSim.dll as the program meets it: registered in the Wine prefix (scripts/
// register-simulator.sh, which scripts/test.sh runs before these tests) and created by
// CoCreateInstance.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "device/service/ComPtr.h"
#include "device/service/MouseService.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace {

const std::wstring kServerKey = L"CLSID\\" + svc::kClsidMouseService.ToString() + L"\\InprocServer32";

const CLSID& ServiceClass() { return reinterpret_cast<const CLSID&>(svc::kClsidMouseService); }
const IID& ServiceInterface() { return reinterpret_cast<const IID&>(svc::kIidMouseService); }

class ScopedEnvironment
{
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : m_name(name)
    {
        if (const wchar_t* old = _wgetenv(name))
            m_old = old;
        _wputenv_s(name, value.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { _wputenv_s(m_name.c_str(), m_old.value_or(L"").c_str()); }

private:
    std::wstring m_name;
    std::optional<std::wstring> m_old;
};

class Library
{
public:
    explicit Library(const std::wstring& path) : m_module(LoadLibraryW(path.c_str())) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library()
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
    }
    [[nodiscard]] HMODULE Get() const noexcept { return m_module; }

private:
    HMODULE m_module;
};

std::wstring RegistryString(const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD bytes = sizeof(value);
    if (RegGetValueW(HKEY_CLASSES_ROOT, kServerKey.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

// A COM apartment and a store folder of its own for each test.
class ComServerTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override { CoUninitialize(); }

    svc::ComPtr<svc::IMouseService> Create(HRESULT* result = nullptr)
    {
        svc::ComPtr<svc::IMouseService> service;
        const HRESULT created = CoCreateInstance(ServiceClass(), nullptr, svc::kServiceContext, ServiceInterface(),
                                                 service.PutVoid());
        if (result != nullptr)
            *result = created;
        return service;
    }

    static uint32_t ProductAt(svc::IMouseService* service, uint32_t index)
    {
        svc::ComPtr<svc::IServiceDevice> device;
        if (FAILED(service->GetDevice(index, device.Put())))
            return 0;
        svc::DeviceInfo info;
        if (FAILED(device->GetInfo(&info)))
            return 0;
        CoTaskMemFree(info.text);
        return info.productId;
    }

    TempFolder m_folder;
    ScopedEnvironment m_store{L"PERAXIL_SIM_DIR", m_folder.Path()};
};

TEST_F(ComServerTest, TheRegistrationNamesTheDllWithThreadingModelBoth)
{
    const std::wstring path = RegistryString(nullptr);
    ASSERT_NE(path, L"<missing>") << "not registered: run scripts/register-simulator.sh";
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "no file at the registered path";
    EXPECT_EQ(_wcsicmp(platform::FileNameOf(path).c_str(), L"PeraxilSim.dll"), 0);
    EXPECT_EQ(RegistryString(L"ThreadingModel"), L"Both");
}

TEST_F(ComServerTest, CoCreateInstanceGivesTheSimulatedMouse)
{
    HRESULT result = E_FAIL;
    auto service = Create(&result);
    ASSERT_EQ(result, S_OK) << "not registered? run scripts/register-simulator.sh";
    svc::ComPtr<svc::IServiceDevice> device;
    ASSERT_EQ(service->GetDevice(0, device.Put()), S_OK);
    svc::DeviceInfo info;
    ASSERT_EQ(device->GetInfo(&info), S_OK);
    CoTaskMemFree(info.text);
    EXPECT_EQ(info.productId, 0x20u);
    EXPECT_EQ(info.versionBMajor, 1u);
    EXPECT_EQ(info.versionBMinor, 7u);
    svc::ComPtr<svc::IServiceDevice> none;
    EXPECT_TRUE(FAILED(service->GetDevice(1, none.Put())));

    svc::ComPtr<svc::IDeviceProfiles> profiles;
    ASSERT_EQ(device->GetFeature(svc::kIidDeviceProfiles, profiles.PutVoid()), S_OK);
    svc::ComPtr<svc::IDeviceProfile> profile;
    ASSERT_EQ(profiles->GetActive(profile.Put()), S_OK);
    svc::TaskMemPtr<char16_t> name;
    ASSERT_EQ(profile->GetName(name.Put()), S_OK);
    EXPECT_EQ(std::u16string(name.Get()), u"Default");
    EXPECT_TRUE(std::filesystem::exists(platform::ToFsPath(m_folder.File(L"device-0020.store"))));
}

TEST_F(ComServerTest, AServiceMadeOnOneThreadWorksOnAnother)
{
    auto service = Create();
    ASSERT_TRUE(service);
    uint32_t product = 0;
    std::thread worker([&] { product = ProductAt(service.Get(), 0); });
    worker.join();
    EXPECT_EQ(product, 0x20u);
}

TEST_F(ComServerTest, EachCreationReadsTheControlSettingsAgain)
{
    {
        ScopedEnvironment before(L"PERAXIL_SIM_DEVICES_BEFORE", L"0x30");
        auto service = Create();
        ASSERT_TRUE(service);
        EXPECT_EQ(ProductAt(service.Get(), 0), 0x30u);
        EXPECT_EQ(ProductAt(service.Get(), 1), 0x20u);
    }
    {
        const std::wstring control = m_folder.File(L"control.txt");
        ASSERT_TRUE(platform::WriteFileAtomically(control, "no-mouse\ndevices-after 25\n"));
        ScopedEnvironment file(L"PERAXIL_SIM_CONTROL", control);
        auto service = Create();
        ASSERT_TRUE(service);
        EXPECT_EQ(ProductAt(service.Get(), 0), 25u);
        EXPECT_EQ(ProductAt(service.Get(), 1), 0u);
    }
    {
        ScopedEnvironment fail(L"PERAXIL_SIM_FAIL", L"NoSuch.Operation 1");
        HRESULT result = S_OK;
        EXPECT_FALSE(Create(&result));
        EXPECT_TRUE(FAILED(result));
    }
    auto service = Create();
    ASSERT_TRUE(service);
    EXPECT_EQ(ProductAt(service.Get(), 0), 0x20u);
}

using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFunction = HRESULT(STDAPICALLTYPE*)();

TEST_F(ComServerTest, TheDllExportsItsEntryPointsAndUnloadsOnlyWhenIdle)
{
    Library library(RegistryString(nullptr));
    ASSERT_NE(library.Get(), nullptr);
    for (const char* name : {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer"})
        EXPECT_NE(GetProcAddress(library.Get(), name), nullptr) << name;
    const auto getClassObject =
        reinterpret_cast<GetClassObjectFunction>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "DllGetClassObject")));
    const auto canUnloadNow =
        reinterpret_cast<CanUnloadNowFunction>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "DllCanUnloadNow")));
    ASSERT_TRUE(getClassObject && canUnloadNow);

    void* object = nullptr;
    EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(canUnloadNow(), S_OK);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject(ServiceClass(), IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "a factory is alive";
    IUnknown* outer = factory;
    EXPECT_EQ(factory->CreateInstance(outer, ServiceInterface(), &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    IUnknown* service = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, ServiceInterface(), reinterpret_cast<void**>(&service)), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "a service object and a lock are alive";
    service->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the lock is held";
    ASSERT_EQ(getClassObject(ServiceClass(), IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

}  // namespace
