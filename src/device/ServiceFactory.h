#pragma once

#include <functional>

#include "device/service/ComPtr.h"
#include "device/service/MouseService.h"

// Makes a new device service object (one reference) or null. On Windows the program's factory
// creates the registered COM component; tests hand in their own.
using ServiceFactory = std::function<svc::ComPtr<svc::IMouseService>()>;
