#include "controls/CEditItemSingleKeyInput.h"

#include "controls/LanguageKeyboard.h"
#include "macro/win/CWinRawInputDevices.h"
#include "macro/win/WinKeyInput.h"
#include "skin/layout/ItemDescriptions.h"

namespace {

bool IsKeyMessage(UINT message) noexcept
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

// What would type into the field, or edit it behind the field's back.
bool IsTyping(UINT message) noexcept
{
    return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR ||
           message == WM_PASTE || message == WM_CUT || message == WM_CLEAR || message == WM_UNDO ||
           message == WM_CONTEXTMENU;
}

}  // namespace

std::unique_ptr<CEditItemSingleKeyInput> CEditItemSingleKeyInput::Create(const SingleKeyEditDescription& description,
                                                                         HWND parent, CFontItem* font)
{
    auto field = std::make_unique<CEditItemSingleKeyInput>();
    return field->Build(description, parent, font) ? std::move(field) : nullptr;
}

CEditItemSingleKeyInput::~CEditItemSingleKeyInput()
{
    StopCapture();
}

bool CEditItemSingleKeyInput::IsCapturing() const noexcept
{
    const CRawInputRegistry& registry = CWinRawInputDevices::ProgramRegistry();
    return Handle() != nullptr && registry.Target() == reinterpret_cast<uintptr_t>(Handle());
}

void CEditItemSingleKeyInput::StartCapture()
{
    CRawInputRegistry& registry = CWinRawInputDevices::ProgramRegistry();
    if (registry.IsRegistered())
        return;  // someone else (a macro recording) has the keyboard
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    if (!registry.Register(reinterpret_cast<uintptr_t>(Handle())))
        registry.Unregister();
}

void CEditItemSingleKeyInput::StopCapture()
{
    // Only the field's own registration is taken back.
    if (IsCapturing())
        CWinRawInputDevices::ProgramRegistry().Unregister();
}

void CEditItemSingleKeyInput::OnRawInput(LPARAM input)
{
    const std::optional<RawKeyboard> raw = CWinRawInputDevices::ReadKeyboard(input);
    if (raw && FromRawKeyboard(m_key, *raw, LanguageKeyboard()))
        ShowKeyName();
}

void CEditItemSingleKeyInput::ShowKeyName()
{
    const HWND field = Handle();
    const LRESULT limit = SendMessageW(field, EM_GETLIMITTEXT, 0, 0);
    SendMessageW(field, EM_SETLIMITTEXT, m_key.name.size(), 0);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_SCROLLCARET, 0, 0);
    SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(m_key.name.c_str()));
    SendMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
}

bool CEditItemSingleKeyInput::FilterInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    if (IsTyping(message))
        return true;
    if (!IsKeyMessage(message))
        return false;
    // Keys the conversion leaves to the system (auto-repeats, Backspace, the arrows, ...) and
    // keys it names alike are the field's: neither moves the caret nor acts elsewhere.
    if (!FromKeyMessage(m_key, ToKeyMessage(message, wParam, lParam), LanguageKeyboard()))
        ShowKeyName();
    return true;
}

LRESULT CEditItemSingleKeyInput::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTTAB;
    case WM_SETFOCUS: StartCapture(); break;
    case WM_KILLFOCUS:
    case WM_DESTROY: StopCapture(); break;
    case WM_INPUT:
        OnRawInput(lParam);
        // The system frees the record in the default handling.
        return Default();
    default: break;
    }
    return CEditItem::OnMessage(message, wParam, lParam);
}
