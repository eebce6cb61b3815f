// The About box on a real window: its version line, on top, and what
// "&System Info..." says where no System Information program is registered.
#include "Version.h"
#include "dialogs/win32/frmAbout.h"
#include "support/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

// What the timer saw, step by step, while the box ran its own loop.
std::vector<std::string> gSeen;
int gStep = 0;

void CALLBACK DriveAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = ::FindWindowA("frmAbout", "About KIV");
    HWND message = ::FindWindowA("#32770", "KIV");
    if (gStep == 0 && box != nullptr && ::IsWindowVisible(box)) {
        gSeen.push_back(test::TextOf(::GetDlgItem(box, frmAbout::lblVersion)));
        gSeen.push_back((::GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) ? "on top" : "");
        ++gStep;
        ::PostMessageA(::GetDlgItem(box, frmAbout::cmdSysInfo), BM_CLICK, 0, 0);
    } else if (gStep == 1 && message != nullptr && ::IsWindowVisible(message)) {
        HWND text = test::FindDescendant(message, [](HWND child) {
            char className[16] = {};
            ::GetClassNameA(child, className, sizeof className);
            return std::string_view(className) == "Static" && !test::TextOf(child).empty();
        });
        gSeen.push_back(text != nullptr ? test::TextOf(text) : "");
        ++gStep;
        ::PostMessageA(message, WM_COMMAND, IDOK, 0);
    } else if (gStep == 2 && message == nullptr && box != nullptr && ::IsChild(box, ::GetFocus())) {
        gSeen.push_back("still open");
        ++gStep;
        // Esc presses OK.
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (gStep == 3 && box == nullptr) {
        ::KillTimer(nullptr, timer);
    }
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    gSeen.push_back("gave up");
    ::PostMessageA(::FindWindowA("#32770", "KIV"), WM_COMMAND, IDOK, 0);
    ::PostMessageA(::FindWindowA("frmAbout", nullptr), WM_CLOSE, 0, 0);
}

TEST(AboutBox, ShowsTheBuildsVersionAndSaysSystemInformationIsUnavailable) {
    const UINT_PTR driving = ::SetTimer(nullptr, 0, 50, &DriveAboutBox);
    const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 10000, &GiveUp);
    frmAbout::Show(nullptr);
    ::KillTimer(nullptr, driving);
    ::KillTimer(nullptr, giveUp);
    EXPECT_EQ(gSeen, (std::vector<std::string>{"Version " KIV_VERSION_TEXT, "on top",
                                               "System Information Is Unavailable At This Time",
                                               "still open"}));
}

} // namespace
} // namespace kiv::win32
