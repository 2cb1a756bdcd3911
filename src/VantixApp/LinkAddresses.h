#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vocabulary/ItemIds.h"

// The web pages behind the link buttons of the main window, in one place.
struct LinkAddress
{
    int32_t item;
    std::wstring_view address;
};

inline constexpr LinkAddress kLinkAddresses[] = {
    {ItemId::BUTTON_FB, L"https://social.dunmo.example/peraxil"},
    {ItemId::BUTTON_TWITTER, L"https://short.dunmo.example/dunmogear"},
    {ItemId::BUTTON_VORN, L"https://community.dunmo.example/"},
    {ItemId::BUTTON_UPDATE, L"https://www.dunmo.example/support/drivers/peraxil-1800"},
    {ItemId::BUTTON_CHECKADDONS, L"https://addons.dunmo.example/"},
};

// The user manual below the program directory.
inline constexpr std::wstring_view kManualPath = L"Manuals\\index.html";

// The manual's full path for a program directory, with or without its closing backslash.
[[nodiscard]] inline std::wstring ManualPath(std::wstring_view directory)
{
    std::wstring path(directory);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    return path.append(kManualPath);
}
