#pragma once

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <span>
#include <string>

// Takes values from the front of a fuzz input; past its end every value is zero or empty.
class FuzzInput
{
public:
    explicit FuzzInput(std::span<const uint8_t> data) noexcept : m_data(data) {}

    template <typename T>
    [[nodiscard]] T Take() noexcept
    {
        T value{};
        const size_t count = std::min(sizeof(T), m_data.size());
        std::memcpy(&value, m_data.data(), count);
        m_data = m_data.subspan(count);
        return value;
    }

    // UTF-16 text of at most maxUnits units, its length taken first.
    [[nodiscard]] std::wstring TakeText(size_t maxUnits)
    {
        const size_t units = std::min<size_t>(Take<uint8_t>(), maxUnits);
        std::wstring text;
        for (size_t i = 0; i < units && !m_data.empty(); ++i)
            text.push_back(static_cast<wchar_t>(Take<uint16_t>()));
        return text;
    }

    [[nodiscard]] std::span<const uint8_t> Rest() const noexcept { return m_data; }
    [[nodiscard]] bool Empty() const noexcept { return m_data.empty(); }

private:
    std::span<const uint8_t> m_data;
};

[[nodiscard]] inline std::string_view AsChars(std::span<const uint8_t> data) noexcept
{
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}
