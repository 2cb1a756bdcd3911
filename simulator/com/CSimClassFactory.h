#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

// Makes simulated service objects for CoCreateInstance. Each object reads the environment and
// the control file afresh, so a test can change them between creations.
class CSimClassFactory final : public IClassFactory
{
public:
    CSimClassFactory() noexcept;
    CSimClassFactory(const CSimClassFactory&) = delete;
    CSimClassFactory& operator=(const CSimClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ~CSimClassFactory();

    std::atomic<ULONG> m_references{1};
};
