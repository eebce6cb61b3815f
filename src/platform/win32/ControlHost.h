#pragma once

#include "platform/win32/Window.h"

namespace kiv::win32 {

// A child window that holds controls of its own (a tab page, a control made
// of parts): the font it is lent reaches every part, and it answers their
// colour questions, with the page colour or as its own parent does.
class CControlHost : public CWindow {
public:
    HWND AddControl(const char* className, const char* text, DWORD style, int id,
                    DWORD exStyle = 0);
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }

protected:
    enum class PartColours { Page, Parent };
    explicit CControlHost(PartColours colours) : mColours(colours) {}

    // Derived windows that answer other messages pass the rest on here.
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    PartColours mColours;
    HFONT mFont = nullptr; // lent by the parent, as WM_SETFONT lends it
};

} // namespace kiv::win32
