#pragma once

#include <windows.h>

#include <memory>

#include "controls/CEditItem.h"
#include "macro/KeyStroke.h"

struct SingleKeyEditDescription;

// An EDITCTRLSK (kind 19): a field that shows the name of the last key pressed in it instead of
// taking typed text; where the user picks the key for a button. While it has the keyboard
// focus it holds the program's raw keyboard registration (shared with macro recording), so it
// sees every key, Enter, Escape and Tab included, without the keys acting anywhere else; it
// gives the registration back when it loses the focus. Keys are named in the keyboard layout of
// the current language. Pause, which the raw keyboard reports without a usable code, leaves the
// field as it was.
class CEditItemSingleKeyInput : public CEditItem
{
public:
    [[nodiscard]] static std::unique_ptr<CEditItemSingleKeyInput> Create(const SingleKeyEditDescription& description,
                                                                         HWND parent, CFontItem* font);

    CEditItemSingleKeyInput() = default;
    ~CEditItemSingleKeyInput() override;

    // The key shown: scan code, virtual key, flags and name.
    [[nodiscard]] const KeyStroke& Key() const noexcept { return m_key; }
    // True while the field holds the raw keyboard registration.
    [[nodiscard]] bool IsCapturing() const noexcept;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FilterInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void StartCapture();
    void StopCapture();
    void OnRawInput(LPARAM input);
    // Replaces the whole text with the key's name, even when the name is longer than the
    // field's limit.
    void ShowKeyName();

    KeyStroke m_key;
};
