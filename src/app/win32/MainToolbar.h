#pragma once

#include "app/SettingCommands.h"
#include "platform/win32/UniqueHandle.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// The main window's toolbar `tlbMain`: add, delete, rename, save, save as, a
// separator, options, play list and about, each with its picture and tip.
class CMainToolbar {
public:
    static constexpr int kFirstButtonId = 900;

    CMainToolbar() = default;
    ~CMainToolbar();
    CMainToolbar(const CMainToolbar&) = delete;
    CMainToolbar& operator=(const CMainToolbar&) = delete;

    // Creates the toolbar as a child of `owner` with control id `id`.
    bool Create(HWND owner, int id);
    // Pictures and button sizes for the window's DPI, in a bar `height` pixels high.
    void Layout(UINT dpi, int width, int height);
    HWND Hwnd() const noexcept { return mToolbar; }

    // The command of the button with this command id; nothing for others.
    static std::optional<MainCommand> CommandOf(int commandId);
    // The tip of a button by its command id; "" for others.
    static std::string_view TipOf(int commandId);
    // The toolbar's tip window, asking for a button's text; false for other notices.
    bool OnTipNotify(NMHDR& header);

    void SetEnabled(MainCommand command, bool enabled);

private:
    HWND mToolbar = nullptr; // a child: destroyed with its owner
    UniqueImageList mImages;
    UniqueImageList mDisabledImages;
    // The tip being shown, kept until the tip window has copied it.
    std::string mTipText;
    std::wstring mWideTipText;
};

} // namespace kiv::win32
