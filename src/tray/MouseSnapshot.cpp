#include "tray/MouseSnapshot.h"

namespace tray {

const TrayProfile* MouseSnapshot::Find(const Guid& id) const noexcept
{
    if (id.IsNull())
        return nullptr;
    for (const TrayProfile& profile : profiles)
        if (profile.id == id)
            return &profile;
    return nullptr;
}

}  // namespace tray
