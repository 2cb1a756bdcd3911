#pragma once

#include <string>

#include "config/AssignmentInfo.h"

class IKeyboardPlatform;
class IMouseConfig;

// What a button's function shows after its name: the key's name for a single key (nothing for
// key code 0), the macro's name for a macro, the profile's name for a profile switch, looked up
// by identity or by name. Empty for every other function and for a macro or profile that is
// not in the configuration.
[[nodiscard]] std::wstring AssignmentDetail(const IMouseConfig& config, const AssignmentInfo& info,
                                            const IKeyboardPlatform& keyboard);
