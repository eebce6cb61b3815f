// The WindowPos control's wiring on a real window: its value rules are the
// portable core's.
#include "app/win32/pages/WindowPos.h"

#include "platform/win32/Controls.h"
#include "platform/win32/UniqueHandle.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace kiv::win32 {
namespace {

TEST(WindowPosWiring, ArrowsAndLeavingTheBoxTellTheParentAndTheBoxTakesOnlyNumberKeys) {
    UniqueWindow parent(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr,
                                          nullptr, nullptr, nullptr));
    std::vector<int32_t> told;
    SubclassControl(parent.Get(), [&](HWND, UINT message, WPARAM&, LPARAM lParam) {
        const auto* notice = reinterpret_cast<CWindowPos::NMValueIncremented*>(lParam);
        if (message == WM_NOTIFY && notice->header.code == CWindowPos::kValueIncremented &&
            notice->header.idFrom == 77) {
            told.push_back(notice->newValue);
        }
        return std::optional<LRESULT>();
    });
    CWindowPos control;
    ASSERT_TRUE(control.CreateControl(parent.Get(), 77, "Top"));
    ::MoveWindow(control.Hwnd(), 5, 5, 170, 23, TRUE);
    HWND box = control.Child(CWindowPos::kValue);

    ::SendMessageA(control.Child(CWindowPos::kIncrease), BM_CLICK, 0, 0);
    ::SendMessageA(control.Child(CWindowPos::kDecrease), BM_CLICK, 0, 0);

    ::SetWindowTextA(box, "");
    for (char typed : std::string_view("1x.5")) {
        ::SendMessageA(box, WM_CHAR, static_cast<BYTE>(typed), 0);
    }
    EXPECT_EQ(WindowText(box), "1.5");
    ::SendMessageA(control.Hwnd(), WM_COMMAND, MAKEWPARAM(CWindowPos::kValue, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(told, (std::vector<int32_t>{1, 0, 2}));
}

} // namespace
} // namespace kiv::win32
