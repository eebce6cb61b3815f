#pragma once

#include "platform/Desktop.h"

#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The application the selection wizard's user named and picked.
struct ApplicationChoice {
    std::string appName;
    // How the window is found: "Class:" + its class name, or its caption.
    std::string windowItem;
};

// What the application selection wizard shows on its buttons.
struct WindowSelectButtons {
    bool backEnabled = false;
    bool nextEnabled = false;
    std::string_view nextCaption;
};

// The application selection wizard apart from its window: the page, the
// listed windows' class names and the result. Page 1 names the application,
// page 2 picks its window from the running programs' top-level windows.
class CWindowSelect {
public:
    static constexpr std::string_view kInstructions =
        "Enter a descriptive name for the application (for example 'WinDVD'.) \r\n\r\n If the "
        "application you wish to control with KIV is not running, launch it now, and press "
        "[Next] to continue.";

    // Whether a window belongs in the list: visible, unowned, with a caption,
    // neither the shell's nor KIV's own main window.
    static bool IsListed(const TopLevelWindow& window);

    int Page() const noexcept { return mPage; }
    WindowSelectButtons Buttons() const;

    // Every change of the application name.
    void AppNameChanged(std::string_view text) { mAppName = text; }
    // Next on page 1: the captions to list, in the desktop's order, front to
    // back; nothing is selected yet.
    std::vector<std::string> FillListBoxWithWindows(const std::vector<TopLevelWindow>& windows);
    // An entry of the list was chosen (-1: none).
    void ListClicked(int index) { mSelected = index; }
    // Back on page 2.
    void Back();
    // Finish: "Class:" + the chosen window's class name, or its caption when
    // `useCaption`; empty when nothing valid is chosen.
    std::string WindowItem(bool useCaption) const;

private:
    int mPage = 1;
    std::string mAppName;
    std::vector<std::string> mCaptions;
    std::vector<std::string> mClassNames;
    int mSelected = -1;
};

} // namespace kiv
