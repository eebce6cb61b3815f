// The WindowPos control's wiring on a real window: its value rules are the
// portable core's.
#include "app/win32/pages/WindowPos.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kiv::win32 {
namespace {

class Parent : public CWindow {
public:
    bool Load() {
        return Create(ClassSpec{"KIVTestWindowPosParent"}, WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW,
                      "parent", 0, 0, 300, 100);
    }
    ~Parent() override { Destroy(); }
    std::vector<std::pair<UINT_PTR, int32_t>> notices;

private:
    bool OnNotify(NMHDR& header, LRESULT&) override {
        if (header.code != CWindowPos::kValueIncremented) {
            return false;
        }
        notices.emplace_back(header.idFrom,
                             reinterpret_cast<CWindowPos::NMValueIncremented&>(header).newValue);
        return true;
    }
};

TEST(WindowPosWiring, ArrowsAndLeavingTheBoxTellTheParentAndTheBoxTakesOnlyNumberKeys) {
    Parent parent;
    CWindowPos control;
    ASSERT_TRUE(parent.Load());
    ASSERT_TRUE(control.CreateControl(parent.Hwnd(), 77, "Top"));
    ::MoveWindow(control.Hwnd(), 5, 5, 170, 23, TRUE);
    EXPECT_EQ(control.Caption(), "Top");
    HWND box = control.Child(CWindowPos::kValue);

    BYTE saved[256] = {};
    ::GetKeyboardState(saved);
    BYTE shifted[256];
    std::copy(std::begin(saved), std::end(saved), shifted);
    shifted[VK_SHIFT] = shifted[VK_LSHIFT] = 0x80;
    ::SetKeyboardState(shifted);
    ::SendMessageA(control.Child(CWindowPos::kIncrease), BM_CLICK, 0, 0);
    ::SetKeyboardState(saved);
    ::SendMessageA(control.Child(CWindowPos::kDecrease), BM_CLICK, 0, 0);

    ::SetWindowTextA(box, "");
    for (char typed : std::string_view("1x.5")) {
        ::SendMessageA(box, WM_CHAR, static_cast<BYTE>(typed), 0);
    }
    EXPECT_EQ(WindowText(box), "1.5");
    ::SendMessageA(control.Hwnd(), WM_COMMAND, MAKEWPARAM(CWindowPos::kValue, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(parent.notices,
              (std::vector<std::pair<UINT_PTR, int32_t>>{{77, 10}, {77, 9}, {77, 2}}));
}

} // namespace
} // namespace kiv::win32
