#pragma once

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::win32 {

// --- Controls ---------------------------------------------------------------

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

// A tip window owned by `owner`, which destroys it; null when none can be made.
HWND CreateToolTips(HWND owner);
// Shows `text` in `tips` while the mouse rests over `control`.
void AddToolTip(HWND tips, HWND control, std::string_view text);
// A window's tool tip table: the child control `id` shows `text`.
struct ControlTip {
    int id;
    std::string_view text;
};
// Adds the tips of `table` in `tips`, each control found by its id; with
// `overParts`, a control made of parts shows its tip over each part too.
void AddToolTips(HWND tips, std::span<const ControlTip> table,
                 const std::function<HWND(int id)>& controlOf, bool overParts = false);

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

// --- DPI --------------------------------------------------------------------

// Device-independent pixels (96 per inch) to a window's pixels.
class CDpiScale {
public:
    explicit CDpiScale(UINT dpi = 96) : mDpi(dpi == 0 ? 96 : dpi) {}
    int operator()(int dips) const { return ::MulDiv(dips, static_cast<int>(mDpi), 96); }
    UINT Dpi() const noexcept { return mDpi; }

private:
    UINT mDpi;
};

// The DPI a window is shown at; 96 for no window.
UINT WindowDpi(HWND window);
// Gives `font` to every direct child of `parent`.
void SetChildrenFont(HWND parent, HFONT font);
// Sizes the frame of `window` (its style, its menu) so that its client area
// is `clientWidth` × `clientHeight` device-independent pixels; it stays where it is.
void SizeFrameToClient(HWND window, const CDpiScale& scale, int clientWidth, int clientHeight);

// A window's scale and the system's message font at its DPI, for its controls.
class CDpiFont {
public:
    // Takes `dpi` (0 reads as 96), makes the font for it and gives it to
    // every child of `window`.
    void Apply(HWND window, UINT dpi);
    const CDpiScale& Scale() const noexcept { return mScale; }
    HFONT Font() const noexcept { return mFont.Get(); }

private:
    CDpiScale mScale;
    UniqueFont mFont;
};

// The answer to a page control's WM_CTLCOLORSTATIC or WM_CTLCOLORBTN: text
// on the window colour, as a tab page shows it.
LRESULT PageControlColours(HDC dc);

// --- Dialog keyboard ----------------------------------------------------------

// The keys a dialog answers, for any top-level window holding controls: Tab
// and the arrows move between them, Enter presses the focused push button or
// else the default button, Esc presses the cancel button, Alt+letter reaches
// the control whose caption (or label) has that access key, and the focus
// comes back to where it was when the window is activated again. Its buttons
// must not use the ids IDOK and IDCANCEL, which stand for Enter and Esc.
class CDialogKeyboard {
public:
    struct Buttons {
        int defaultButton = 0; // 0: Enter presses only a focused push button
        int cancelButton = 0;  // 0: Esc does nothing
    };

    void SetButtons(const Buttons& buttons) noexcept { mButtons = buttons; }
    // The control that takes the focus when the window is activated the first
    // time, or when the one that had it has gone.
    void SetFirstFocus(HWND control) noexcept { mFirstFocus = control; }
    // Puts the focus back where it was, or on the first control.
    void RestoreFocus() const;
    // A tab strip the keys turn: Ctrl+Tab and Ctrl+PgDn the next page,
    // Ctrl+Shift+Tab and Ctrl+PgUp the previous one, Alt and a tab's access
    // key, when no control took it, that tab. `showPage` shows the page of the
    // tab just selected.
    void UseTabStrip(HWND tabStrip, std::function<void(size_t index)> showPage);

    // In the message loop, before TranslateMessage: true when the message
    // was a dialog key for the window and has been handled.
    bool PreTranslate(MSG& message) const;
    // Called by the window first for every message; true when answered.
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    void Press(int buttonId) const;
    void SelectTab(int index) const;
    bool SelectTabByAccessKey(char key) const;

    HWND mWindow = nullptr;
    HWND mTabStrip = nullptr;
    std::function<void(size_t index)> mShowPage;
    Buttons mButtons;
    HWND mFirstFocus = nullptr;
    HWND mLastFocus = nullptr;
};

// --- Windows ------------------------------------------------------------------

// The program's one window idiom: a C++ object bound to its HWND from
// WM_NCCREATE to WM_NCDESTROY, messages dispatched to typed member handlers.
// Nothing a handler throws leaves the window procedure.
class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    HWND Hwnd() const noexcept { return mHwnd; }
    // Destroys the window now; a no-op when it is already gone.
    void Destroy() noexcept;

    // A child control's notifications are handled where the control lives:
    // WM_COMMAND `code` from child `id` runs `handler`, before OnCommand.
    using CommandHandler = std::function<void(HWND control)>;
    void HandleCommand(int id, int code, CommandHandler handler);
    // WM_NOTIFY `code` from child `id` runs `handler`, whose return is the
    // message's result, before OnNotify.
    using NotifyHandler = std::function<LRESULT(NMHDR& header)>;
    void HandleNotify(int id, UINT code, NotifyHandler handler);

protected:
    // A window class. One name stands for one spec: a second, different spec
    // under a name already registered fails Create rather than borrowing the
    // first one's look.
    struct ClassSpec {
        const char* name;
        HICON icon = nullptr;
        HICON smallIcon = nullptr;
        HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        HCURSOR cursor = nullptr; // the arrow when null
        UINT style = 0;
    };

    // Registers the class the first time and creates the window.
    bool Create(const ClassSpec& spec, DWORD exStyle, DWORD style, const char* caption, int x,
                int y, int width, int height, HWND parent = nullptr, HMENU menu = nullptr);
    // Gives the window the dialog keys; `keyboard` outlives the window.
    void UseDialogKeyboard(CDialogKeyboard& keyboard) noexcept { mKeyboard = &keyboard; }

    // Typed handlers; each returns true when it handled the message.
    virtual bool OnCreate() { return true; }
    virtual void OnDestroy() {}
    virtual bool OnClose() { return false; }
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    virtual bool OnPaint(HDC /*dc*/, const PAINTSTRUCT& /*paint*/) { return false; }
    virtual bool OnSize(int /*width*/, int /*height*/) { return false; }
    virtual bool OnDpiChanged(UINT /*dpi*/, const RECT& /*suggested*/) { return false; }
    // Every other message; the default leaves it to DefWindowProc.
    virtual bool OnOtherMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) {
        return false;
    }

private:
    struct CommandRoute {
        int id;
        int code;
        CommandHandler handler;
    };
    struct NotifyRoute {
        int id;
        UINT code;
        NotifyHandler handler;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteCommand(WPARAM wParam, LPARAM lParam);
    bool RouteNotify(NMHDR& header, LRESULT& result);

    HWND mHwnd = nullptr;
    CDialogKeyboard* mKeyboard = nullptr;
    std::vector<CommandRoute> mCommandRoutes;
    std::vector<NotifyRoute> mNotifyRoutes;
};

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

// A modal dialog over an owner, which takes no input until the dialog ends,
// with the dialog keys. Derived dialogs build their controls in OnCreate,
// lay them out with ApplyOwnerDpi's scale and call EndDialog.
class CModalDialog : public CWindow {
protected:
    CModalDialog() { UseDialogKeyboard(mKeyboard); }

    // Creates the dialog centred on the screen, shows it and runs its messages
    // until EndDialog; whether it ended accepted. False when it could not be shown.
    bool RunModal(HWND owner, const ClassSpec& spec, const char* caption);
    void EndDialog(bool accepted) noexcept;

    CDialogKeyboard& Keyboard() noexcept { return mKeyboard; }
    // Gives every control made so far the message font at the owner's DPI;
    // the scale to lay them out with.
    const CDpiScale& ApplyOwnerDpi();
    // Closing the window cancels.
    bool OnClose() override;

private:
    CDialogKeyboard mKeyboard;
    CDpiFont mDpiFont;
    UINT mOwnerDpi = 96;
    bool mDone = false;
    bool mAccepted = false;
};

} // namespace kiv::win32
