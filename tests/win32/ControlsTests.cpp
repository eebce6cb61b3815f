// The wiring of the "Setting Name" dialog on a real window; its rules are
// the portable core's, its keys (Esc cancelling among them) the dialog
// keyboard's (DialogKeyboardTests).
// The hot key control is wired in the Options dialog (OptionsDialogTests).
#include "dialogs/win32/frmSettingName.h"
#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

std::optional<std::string> AskTyping(std::vector<MSG> keys) {
    return test::RunModalWith([] { return ::FindWindowA("frmSettingName", "Setting Name"); },
                              {[keys](HWND) {
                                  for (const MSG& key : keys) {
                                      ::PostMessageA(::GetFocus(), key.message, key.wParam, 0);
                                  }
                              }},
                              [] { return frmSettingName::Ask(nullptr, "Player"); });
}

TEST(SettingNameDialog, EnterAnswersWithTheNameShownOrTyped) {
    const MSG enter{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(AskTyping({enter}), "Player");
    EXPECT_EQ(AskTyping({{nullptr, WM_CHAR, 'X', 0, 0, {}}, enter}), "X"); // over the selection
}

} // namespace
} // namespace kiv::win32
