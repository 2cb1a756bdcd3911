#include "platform/win/ScopedComInit.h"

#include <objbase.h>

ScopedComInit::ScopedComInit() noexcept : m_initialized(SUCCEEDED(CoInitialize(nullptr))) {}

ScopedComInit::~ScopedComInit()
{
    if (m_initialized)
        CoUninitialize();
}
