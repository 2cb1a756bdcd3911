#pragma once

#include "device/ServiceFactory.h"

// The program's way to the device service: CoCreateInstance of the service's class id with
// context 23, asking for IMouseService. COM must be initialised on the calling thread.
[[nodiscard]] ServiceFactory MakeComServiceFactory();
