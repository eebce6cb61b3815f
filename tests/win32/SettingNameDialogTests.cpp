// The "Setting Name" dialog's buttons, typed while it runs its own message
// loop; the keys themselves are the dialog keyboard's (DialogKeyboardTests).
#include "dialogs/win32/frmSettingName.h"
#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kiv::win32 {
namespace {

std::optional<std::string> AskTyping(std::vector<MSG> keys) {
    return test::RunModalWith([] { return ::FindWindowA("frmSettingName", "Setting Name"); },
                              {[keys](HWND) {
                                  for (const MSG& key : keys) {
                                      test::PostKey(::GetFocus(), key.message, key.wParam);
                                  }
                              }},
                              [] { return frmSettingName::Ask(nullptr, "Player"); });
}

TEST(SettingNameDialog, EnterAnswersWithTheNameShownOrTypedAndEscCancels) {
    const MSG enter{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(AskTyping({enter}), "Player");
    EXPECT_EQ(AskTyping({{nullptr, WM_CHAR, 'X', 0, 0, {}}, enter}), "X"); // over the selection
    EXPECT_EQ(AskTyping({{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}}}), std::nullopt);
}

} // namespace
} // namespace kiv::win32
