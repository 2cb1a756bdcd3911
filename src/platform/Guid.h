#pragma once

#include <cstdint>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// A 16-byte identity laid out exactly like the Windows GUID, so that records holding it can be
// handed to COM on Windows and stored in binary blocks everywhere without translation.
struct Guid
{
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    uint8_t data4[8] = {};

    [[nodiscard]] bool IsNull() const noexcept;

    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hex.
    [[nodiscard]] std::wstring ToString() const;

    // Accepts the form ToString writes, braces optional; nullopt for anything else.
    [[nodiscard]] static std::optional<Guid> Parse(std::wstring_view text) noexcept;

    friend bool operator==(const Guid& a, const Guid& b) noexcept
    {
        return std::memcmp(&a, &b, sizeof(Guid)) == 0;
    }
};

static_assert(sizeof(Guid) == 16, "Guid must match the Windows GUID layout");
static_assert(offsetof(Guid, data2) == 4 && offsetof(Guid, data3) == 6 && offsetof(Guid, data4) == 8);

struct GuidHash
{
    size_t operator()(const Guid& guid) const noexcept;
};
