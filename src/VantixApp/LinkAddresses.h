#pragma once

#include <cstdint>
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
inline constexpr wchar_t kManualFormat[] = L"%sManuals\\index.html";
