#pragma once

#include <windows.h>

#include <functional>

#include "controls/CEditItem.h"

// The report list's in-place edit field: an edit field over the cell being edited, in the
// list's colours. Enter ends the edit keeping the text and Escape ends it discarding the text
// (both are the field's, never the dialog's); losing the focus keeps the text.
class CXListEdit : public CEditItem
{
public:
    // Called with true to keep the text, false to discard it.
    using EndHandler = std::function<void(bool keep)>;

    // The most characters a cell takes.
    static constexpr int kMaxLength = 20;

    explicit CXListEdit(EndHandler onEnd) : m_onEnd(std::move(onEnd)) {}

    // Makes the (hidden) field in the list.
    bool CreateIn(HWND list);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FilterInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The list reports the cell's change itself.
    void OnUserChange() override {}

private:
    EndHandler m_onEnd;
};
