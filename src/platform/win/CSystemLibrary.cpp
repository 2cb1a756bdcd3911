#include "platform/win/CSystemLibrary.h"

#include "platform/DebugTrace.h"

CSystemLibrary::CSystemLibrary(const wchar_t* name) noexcept
    : m_module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
{
    // The caller tells the user what could not be done; this says why.
    if (!m_module)
        platform::DebugTrace("Vantix: a system library could not be loaded");
}
