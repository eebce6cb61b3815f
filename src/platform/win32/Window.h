#pragma once

#include "platform/win32/DialogKeyboard.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Win32.h"

#include <functional>
#include <vector>

namespace kiv::win32 {

// A timer of a window: its id, and how often it ticks while it runs.
struct WindowTimer {
    UINT_PTR id;
    UINT intervalMs;
};
// Starts `timer` on `window` (from now, when it runs already) or stops it.
void SetTimerEnabled(HWND window, const WindowTimer& timer, bool enabled);

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

    // Places the child control `id` at `x`, `y`, `width` × `height`
    // device-independent pixels.
    void Place(int id, const CDpiScale& scale, int x, int y, int width, int height) const;

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

} // namespace kiv::win32
