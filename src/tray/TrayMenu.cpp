#include "tray/TrayMenu.h"

namespace tray {

namespace {

TrayMenuEntry Separator()
{
    TrayMenuEntry entry;
    entry.separator = true;
    return entry;
}

}  // namespace

std::vector<TrayMenuEntry> BuildTrayMenu(const MouseSnapshot& mouse, const CTrayTexts& texts, bool displaysOn)
{
    std::vector<TrayMenuEntry> menu;
    menu.push_back({TrayCommand::kOpenConfigurator, texts.Text(L"$TrayOpenConfigurator"), false, true, false, true});
    menu.push_back(Separator());
    if (!mouse.present) {
        menu.push_back({0, texts.Text(L"$TrayNoMouse"), false, false, false, false});
    } else {
        const size_t count = std::min<size_t>(mouse.profiles.size(), TrayCommand::kProfileLimit);
        for (size_t index = 0; index < count; ++index) {
            const TrayProfile& profile = mouse.profiles[index];
            menu.push_back({TrayCommand::kFirstProfile + static_cast<uint32_t>(index), profile.name,
                            profile.id == mouse.active, true, false, false});
        }
    }
    menu.push_back(Separator());
    menu.push_back({TrayCommand::kToggleDisplays, texts.Text(L"$TrayDisplays"), displaysOn, true, false, false});
    menu.push_back(Separator());
    menu.push_back({TrayCommand::kExit, texts.Text(L"$TrayExit"), false, true, false, false});
    return menu;
}

int32_t ProfileIndexOf(uint32_t command) noexcept
{
    if (command < TrayCommand::kFirstProfile || command >= TrayCommand::kFirstProfile + TrayCommand::kProfileLimit)
        return -1;
    return static_cast<int32_t>(command - TrayCommand::kFirstProfile);
}

std::wstring TrayToolTip(const MouseSnapshot& mouse, const CTrayTexts& texts)
{
    std::wstring tip = texts.Text(L"$TrayTitle");
    if (!mouse.present)
        return tip + L"\n" + texts.Text(L"$TrayNoMouse");
    if (const TrayProfile* active = mouse.Active())
        tip += L"\n" + texts.Text(L"$TrayActiveProfile") + L": " + active->name;
    return tip;
}

}  // namespace tray
