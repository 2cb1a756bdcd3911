#pragma once

#include <windows.h>

#include <cstdint>

#include "device/DeviceTerms.h"

class CGUIItem;
class CVantixConfig;
class IFileDialogs;
class IMouseDevice;
class IPopupPresenter;

// What the pages of the main window may ask of it.
class IPageHost
{
public:
    virtual ~IPageHost() = default;

    [[nodiscard]] virtual CVantixConfig& Config() = 0;
    [[nodiscard]] virtual IMouseDevice& Device() = 0;
    // Where the pages show their pop-ups; each runs modally over the main window.
    [[nodiscard]] virtual IPopupPresenter& Popups() = 0;
    // Where the pages ask for files to open or save (the common dialogs in the program).
    [[nodiscard]] virtual IFileDialogs& FileDialogs() = 0;
    // The main window, the owner of every pop-up.
    [[nodiscard]] virtual HWND Window() const = 0;
    // Shows the active profile again on every page (after a reset, say).
    virtual void RefreshPages() = 0;
    // Records a change in the dirty mask (see CVantixAppDlg::MarkDirty) and enables Apply.
    virtual void MarkDirty(TransferFlags mask) = 0;
    // True while changes wait for Apply (the dirty mask is not empty).
    [[nodiscard]] virtual bool HasUnappliedChanges() const = 0;
    // True when the page of this bit is the one shown.
    [[nodiscard]] virtual bool IsPageShown(unsigned pageBit) const = 0;
    // An item the window bound after loading the layouts (the page table's bindings); null
    // when the layouts lack it or it has another kind.
    [[nodiscard]] virtual CGUIItem* Bound(int32_t identifier) const noexcept = 0;

    // The bound item as its class; null as above.
    template <typename Item>
    [[nodiscard]] Item* BoundAs(int32_t identifier) const noexcept
    {
        return dynamic_cast<Item*>(Bound(identifier));
    }
};
