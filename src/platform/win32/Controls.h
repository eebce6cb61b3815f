#pragma once

#include "platform/win32/Win32.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::win32 {

// The text of any window: a caption, a box's contents.
std::string WindowText(HWND window);
// Sets a control's text unless it already reads so: a change costs the window
// manager a round trip and the control a repaint, which selecting a setting
// pays for every box it shows.
void ShowText(HWND control, std::string_view text);

// Creates the visible child control `id` of `parent`, at 0, 0 with no size
// until laid out; the parent destroys it.
HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id,
                 DWORD exStyle = 0);
// A push button child of `parent` that Tab reaches; `style` adds to it (the
// default button, the first of a group).
HWND CreatePushButton(HWND parent, const char* caption, int id, DWORD style = 0);

// A tip window owned by `owner`, which destroys it; null when none can be made.
HWND CreateToolTips(HWND owner);
// Shows `text` in `tips` while the mouse rests over `control`.
void AddToolTip(HWND tips, HWND control, std::string_view text);
// A window's tool tips, each noted where its control is made and shown once the
// window has a tip window, which windows make late, after they first show.
class CToolTipTable {
public:
    // `control` is to show `text`; returns `control`.
    HWND Note(HWND control, std::string_view text);
    // Every noted tip, in `tips`; with `overParts`, a control made of parts
    // shows its tip over each part too.
    void AddTo(HWND tips, bool overParts = false) const;

private:
    struct Tip {
        HWND control;
        std::string_view text;
    };
    std::vector<Tip> mTips;
};

// Closes every visible captioned window of this thread that `owner` owns (the
// dialogs and message boxes over it), the topmost first, as their close boxes
// would: the close is posted, for the innermost loop to take.
void CloseOwnedWindows(HWND owner);

// A control's message, seen before the control's own procedure: a result
// answers it, nothing passes it on with `wParam` as the handler left it.
using SubclassHandler = std::function<std::optional<LRESULT>(HWND control, UINT message,
                                                             WPARAM& wParam, LPARAM lParam)>;
// Puts `handler` in front of the control's procedure until the control is
// destroyed. A message whose handler throws goes on as if unseen.
bool SubclassControl(HWND control, SubclassHandler handler);

} // namespace kiv::win32
