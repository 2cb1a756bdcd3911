#pragma once

#include "device/service/ServiceTypes.h"
#include "platform/ComPtr.h"
#include "platform/UniqueResource.h"

namespace svc {

// Owns one reference to a service object and releases it once.
template <typename T>
using ComPtr = platform::ComPtr<T>;

// A block of the task allocator (strings and arrays the service returns).
template <typename T>
struct TaskMemTraits
{
    using Handle = T*;
    static constexpr T* Invalid() noexcept { return nullptr; }
    static void Close(T* block) noexcept { TaskMemFree(block); }
};

// Frees a task-allocator block once.
template <typename T>
using TaskMemPtr = platform::UniqueResource<TaskMemTraits<T>>;

}  // namespace svc
