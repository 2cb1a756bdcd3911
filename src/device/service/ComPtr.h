#pragma once

#include <utility>

#include "device/service/ServiceTypes.h"

namespace svc {

// Owns one reference to a service object and releases it once. Move-only, so a reference can
// neither leak nor be released twice.
template <typename T>
class ComPtr
{
public:
    ComPtr() noexcept = default;
    // Takes over a reference the caller already holds (an out-parameter just filled).
    explicit ComPtr(T* owned) noexcept : m_object(owned) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_object, nullptr));
        return *this;
    }
    ~ComPtr() { Reset(); }

    // A new owner of an extra reference to an object someone else holds.
    [[nodiscard]] static ComPtr Share(T* object) noexcept
    {
        if (object != nullptr)
            object->AddRef();
        return ComPtr(object);
    }

    void Reset(T* owned = nullptr) noexcept
    {
        T* old = std::exchange(m_object, owned);
        if (old != nullptr)
            old->Release();
    }

    // Releases what is held and gives the address to fill with a new reference.
    [[nodiscard]] T** Put() noexcept
    {
        Reset();
        return &m_object;
    }
    [[nodiscard]] void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    [[nodiscard]] T* Detach() noexcept { return std::exchange(m_object, nullptr); }
    [[nodiscard]] T* Get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};

// Frees a task-allocator block (strings and arrays the service returns) once.
template <typename T>
class TaskMemPtr
{
public:
    TaskMemPtr() noexcept = default;
    TaskMemPtr(const TaskMemPtr&) = delete;
    TaskMemPtr& operator=(const TaskMemPtr&) = delete;
    TaskMemPtr(TaskMemPtr&& other) noexcept : m_block(std::exchange(other.m_block, nullptr)) {}
    TaskMemPtr& operator=(TaskMemPtr&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_block, nullptr));
        return *this;
    }
    ~TaskMemPtr() { Reset(); }

    void Reset(T* block = nullptr) noexcept { TaskMemFree(std::exchange(m_block, block)); }
    [[nodiscard]] T** Put() noexcept
    {
        Reset();
        return &m_block;
    }
    [[nodiscard]] T* Get() const noexcept { return m_block; }
    explicit operator bool() const noexcept { return m_block != nullptr; }

private:
    T* m_block = nullptr;
};

}  // namespace svc
