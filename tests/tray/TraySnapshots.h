#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "tray/MouseSnapshot.h"

// Mice described in one line per profile, for the decision tests of the tray companion.
namespace traytest {

// A game the tests tie profiles to.
inline constexpr wchar_t kGame[] = L"C:\\Games\\Racer\\racer.exe";

inline Guid IdOf(uint32_t number)
{
    Guid id;
    id.data1 = number;
    return id;
}

struct ProfileLine
{
    uint32_t number;
    const wchar_t* name;
    const wchar_t* program = L"";
    bool autoSwitch = false;
    int32_t resolution = 800;
    bool profileOsd = true;
    bool dpiOsd = true;
};

inline tray::MouseSnapshot Mouse(uint32_t active, std::initializer_list<ProfileLine> lines)
{
    tray::MouseSnapshot mouse;
    mouse.present = true;
    mouse.active = IdOf(active);
    for (const ProfileLine& line : lines)
        mouse.profiles.push_back({IdOf(line.number), line.name, line.program, line.autoSwitch, line.dpiOsd,
                                  line.profileOsd, line.resolution});
    return mouse;
}

}  // namespace traytest
