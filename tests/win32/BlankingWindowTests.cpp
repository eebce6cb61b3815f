// The blanking windows, the taskbar and the WindowPos control as real windows.
#include "Win32TestSupport.h"
#include "app/win32/pages/WindowPos.h"
#include "blanking/Taskbar.h"
#include "blanking/win32/BlankingWin32.h"
#include "blanking/win32/frmBlank.h"
#include "util/FileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

namespace kiv::win32 {
namespace {

struct Events : IBlankWindowEvents {
    void BlankingFormKeyDown(int16_t& keyCode, int16_t& shift) override {
        keys.emplace_back(keyCode, shift);
    }
    void BlankingFormMouseUp(int16_t button, int32_t x, int32_t y) override {
        mouseUps.push_back({button, x, y});
    }
    struct MouseUp {
        int16_t button;
        int32_t x;
        int32_t y;
    };
    std::vector<std::pair<int16_t, int16_t>> keys;
    std::vector<MouseUp> mouseUps;
};

struct BlankWindowFixture : ::testing::Test {
    Events events;
    frmBlank window{events};
    void SetUp() override { ASSERT_TRUE(window.Load()); }
    LONG_PTR ExStyle() const { return ::GetWindowLongPtrA(window.Hwnd(), GWL_EXSTYLE); }
};

TEST_F(BlankWindowFixture, ABorderlessToolWindowOutOfTheTaskbarLoadedHidden) {
    EXPECT_FALSE(::IsWindowVisible(window.Hwnd()));
    EXPECT_NE(ExStyle() & WS_EX_TOOLWINDOW, 0);
    LONG_PTR style = ::GetWindowLongPtrA(window.Hwnd(), GWL_STYLE);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
    EXPECT_EQ(window.Background(), 0u);
}

TEST_F(BlankWindowFixture, ShowingMovingAndRaisingNeverTakeTheFocus) {
    HWND other = ::CreateWindowExA(0, "STATIC", "focus keeper", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   300, 300, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    ::SetForegroundWindow(other);
    ::SetActiveWindow(other);
    PumpUntil([&] { return ::GetActiveWindow() == other; });
    ASSERT_EQ(::GetActiveWindow(), other);

    window.SetOnTop(true);
    window.SetVisible(true);
    window.Move(0, 0, 120, 768);
    window.SetOnTop(true);
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_TRUE(::IsWindowVisible(window.Hwnd()));
    EXPECT_NE(ExStyle() & WS_EX_TOPMOST, 0);
    RECT rect{};
    ::GetWindowRect(window.Hwnd(), &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, 120);
    EXPECT_EQ(rect.bottom, 768);
    EXPECT_EQ(::GetActiveWindow(), other);

    window.SetOnTop(false);
    EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0);
    window.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(window.Hwnd()));
    ::DestroyWindow(other);
}

TEST_F(BlankWindowFixture, KeysAndMouseButtonsGoToTheController) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    BYTE saved[256];
    std::copy(std::begin(keys), std::end(keys), saved);
    keys[VK_SHIFT] = 0x80;
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageA(window.Hwnd(), WM_KEYDOWN, VK_F7, 0);
    ::SetKeyboardState(saved);
    ::SendMessageA(window.Hwnd(), WM_KEYDOWN, 'A', 0);
    ASSERT_EQ(events.keys.size(), 2u);
    EXPECT_EQ(events.keys[0], (std::pair<int16_t, int16_t>{VK_F7, 3}));
    EXPECT_EQ(events.keys[1], (std::pair<int16_t, int16_t>{'A', 0}));

    window.Move(200, 100, 50, 50);
    ::SendMessageA(window.Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 7));
    ::SendMessageA(window.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    ASSERT_EQ(events.mouseUps.size(), 2u);
    EXPECT_EQ(events.mouseUps[0].button, 2);
    EXPECT_EQ(events.mouseUps[0].x, 205);
    EXPECT_EQ(events.mouseUps[0].y, 107);
    EXPECT_EQ(events.mouseUps[1].button, 1);
}

TEST_F(BlankWindowFixture, CloseRequestsLeaveTheWindowAlone) {
    ::SendMessageA(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(window.Hwnd()));
}

TEST_F(BlankWindowFixture, ThePointerHidesAfterTwoSecondsAndShowsOnMovement) {
    EXPECT_TRUE(window.PointerShown());
    EXPECT_TRUE(PumpUntil([&] { return !window.PointerShown(); }));
    ::SendMessageA(window.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(window.PointerShown());
    EXPECT_TRUE(PumpUntil([&] { return !window.PointerShown(); }));
}

TEST_F(BlankWindowFixture, TheFadeGoesThroughGreyBackToBlack) {
    window.SetVisible(true);
    window.Move(0, 0, 50, 50);
    window.Animate();
    ASSERT_TRUE(PumpUntil([&] { return window.Background() != 0; }));
    uint32_t grey = window.Background();
    EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
    EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
    EXPECT_TRUE(PumpUntil([&] { return window.Background() == 0; }));
    // The strip's pixels are black again.
    HDC dc = ::GetDC(window.Hwnd());
    EXPECT_EQ(::GetPixel(dc, 10, 10), RGB(0, 0, 0));
    ::ReleaseDC(window.Hwnd(), dc);
}

TEST(TransparentCursorTest, EveryPixelLeavesTheScreenAsItIs) {
    UniqueCursor cursor = CreateTransparentCursor();
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor.Get(), &info));
    UniqueGdiObject mask(info.hbmMask);
    UniqueGdiObject colour(info.hbmColor);
    BITMAP bitmap{};
    ASSERT_NE(::GetObjectA(mask.Get(), sizeof bitmap, &bitmap), 0);
    // A monochrome cursor: the AND half then the XOR half, stacked.
    const int width = bitmap.bmWidth;
    const int height = colour ? bitmap.bmHeight : bitmap.bmHeight / 2;
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, mask.Get());
    int andBlack = 0;
    int xorWhite = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            andBlack += ::GetPixel(dc, x, y) == RGB(0, 0, 0) ? 1 : 0;
            if (!colour) {
                xorWhite += ::GetPixel(dc, x, y + height) != RGB(0, 0, 0) ? 1 : 0;
            }
        }
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(andBlack, 0);
    EXPECT_EQ(xorWhite, 0);
}

// --- The taskbar --------------------------------------------------------------

TEST(TaskbarTest, HidesAndShowsTheShellsTaskbar) {
    HWND bar = CWin32Taskbar::Find();
    if (bar == nullptr) {
        GTEST_SKIP() << "no shell taskbar on this desktop";
    }
    CWin32Taskbar taskbar;
    ASSERT_TRUE(taskbar.IsVisible());
    taskbar.Hide();
    EXPECT_FALSE(::IsWindowVisible(bar));
    EXPECT_FALSE(taskbar.IsVisible());
    taskbar.Show();
    EXPECT_TRUE(::IsWindowVisible(bar));

    // Shown again, it is back on top of its band of the z-order.
    DWORD band = ::GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST;
    UniqueWindow above(::CreateWindowExA(band | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, 0, 0, 10,
                                         10, nullptr, nullptr, nullptr, nullptr));
    ::SetWindowPos(above.Get(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    taskbar.Hide();
    taskbar.Show();
    for (HWND w = bar; w != nullptr; w = ::GetWindow(w, GW_HWNDPREV)) {
        EXPECT_NE(w, above.Get()) << "a window stays above the shown taskbar";
    }
}

TEST(TaskbarTest, TheCrashHandlerShowsAHiddenTaskbarAndRemovesTheMarker) {
    HWND bar = CWin32Taskbar::Find();
    if (bar == nullptr) {
        GTEST_SKIP() << "no shell taskbar on this desktop";
    }
    CWin32Taskbar window;
    std::string marker = AppPath() + std::string(kTaskbarMarkerName);
    {
        CTaskbar taskbar(window, marker);
        taskbar.HideTaskbar();
        ASSERT_TRUE(std::filesystem::exists(marker));
        ShowTaskbarAtCrash();
        // Posted to the shell, which shows it when it next runs its messages.
        EXPECT_TRUE(PumpUntil([bar] { return ::IsWindowVisible(bar) != FALSE; }));
        EXPECT_FALSE(std::filesystem::exists(marker));
    }
    EXPECT_TRUE(::IsWindowVisible(bar));
}

// --- The WindowPos control ---------------------------------------------------

class Parent : public CWindow {
public:
    bool Load() {
        ClassSpec spec{"KIVTestWindowPosParent"};
        return Create(spec, WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW, "parent", 0, 0, 300, 100);
    }
    ~Parent() override { Destroy(); }
    std::vector<std::pair<UINT_PTR, int32_t>> notices;

private:
    bool OnNotify(NMHDR& header, LRESULT&) override {
        if (header.code == CWindowPos::kValueIncremented) {
            notices.emplace_back(
                header.idFrom, reinterpret_cast<CWindowPos::NMValueIncremented&>(header).newValue);
            return true;
        }
        return false;
    }
};

struct WindowPosFixture : ::testing::Test {
    Parent parent;
    CWindowPos control;
    BYTE savedKeys[256] = {};

    void SetUp() override {
        ASSERT_TRUE(parent.Load());
        ASSERT_TRUE(control.CreateControl(parent.Hwnd(), 77, "Top"));
        ::MoveWindow(control.Hwnd(), 5, 5, 170, 23, TRUE);
        ::GetKeyboardState(savedKeys);
    }
    void TearDown() override { ::SetKeyboardState(savedKeys); }
    void Hold(std::initializer_list<int> virtualKeys) {
        BYTE keys[256];
        std::copy(std::begin(savedKeys), std::end(savedKeys), keys);
        for (int key : virtualKeys) {
            keys[key] = 0x80;
        }
        ::SetKeyboardState(keys);
    }
    void Click(int id) { ::SendMessageA(control.Child(id), BM_CLICK, 0, 0); }
    std::string BoxText() {
        char text[64] = {};
        ::GetWindowTextA(control.Child(CWindowPos::kValue), text, sizeof text);
        return text;
    }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c) {
            ::SendMessageA(control.Child(CWindowPos::kValue), WM_CHAR, static_cast<BYTE>(*c), 0);
        }
    }
};

TEST_F(WindowPosFixture, ShowsItsCaptionAndStartsAtZero) {
    EXPECT_EQ(control.Caption(), "Top");
    EXPECT_EQ(control.Value(), "0");
}

TEST_F(WindowPosFixture, ShiftStepsByTenAndShiftCtrlByAHundred) {
    control.SetValue("5");
    Hold({VK_SHIFT, VK_LSHIFT});
    Click(CWindowPos::kIncrease);
    EXPECT_EQ(control.Value(), "15");
    control.SetValue("5");
    Hold({VK_SHIFT, VK_LSHIFT, VK_CONTROL, VK_LCONTROL});
    Click(CWindowPos::kIncrease);
    EXPECT_EQ(control.Value(), "105");
    // The right-hand keys do not count.
    control.SetValue("5");
    Hold({VK_SHIFT, VK_RSHIFT});
    Click(CWindowPos::kIncrease);
    EXPECT_EQ(control.Value(), "6");
    ASSERT_EQ(parent.notices.size(), 3u);
    EXPECT_EQ(parent.notices[0], (std::pair<UINT_PTR, int32_t>{77, 15}));
    EXPECT_EQ(parent.notices[1].second, 105);
    EXPECT_EQ(parent.notices[2].second, 6);
}

TEST_F(WindowPosFixture, TheLowerArrowGoesBelowZeroAndTellsTheParent) {
    Click(CWindowPos::kDecrease);
    EXPECT_EQ(BoxText(), "-1");
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0].second, -1);
}

TEST_F(WindowPosFixture, SettingAValueTakesOnlyNumbersAndTellsNobody) {
    control.SetValue("12");
    control.SetValue("abc");
    EXPECT_EQ(BoxText(), "12");
    EXPECT_TRUE(parent.notices.empty());
}

TEST_F(WindowPosFixture, TheBoxTakesOnlyNumberKeysAndLeavingItRoundsHalvesToEven) {
    ::SetWindowTextA(control.Child(CWindowPos::kValue), "");
    Type("1x.5");
    EXPECT_EQ(BoxText(), "1.5");
    ::SendMessageA(control.Hwnd(), WM_COMMAND, MAKEWPARAM(CWindowPos::kValue, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(control.Child(CWindowPos::kValue)));
    ::SetWindowTextA(control.Child(CWindowPos::kValue), "2.5");
    ::SendMessageA(control.Hwnd(), WM_COMMAND, MAKEWPARAM(CWindowPos::kValue, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(control.Child(CWindowPos::kValue)));
    ASSERT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[0].second, 2);
    EXPECT_EQ(parent.notices[1].second, 2);
}

TEST_F(WindowPosFixture, AnEmptyBoxReadsAsZeroAndAStrayCharacterAsTheNumberBefore) {
    ::SetWindowTextA(control.Child(CWindowPos::kValue), "");
    EXPECT_EQ(control.Value(), "0");
    EXPECT_EQ(BoxText(), "0");
    ::SetWindowTextA(control.Child(CWindowPos::kValue), "");
    Type("12-");
    EXPECT_EQ(control.Value(), "12");
}

TEST_F(WindowPosFixture, ANumberBeyond32BitsIsNotPassedOn) {
    control.SetValue("99999999999");
    Click(CWindowPos::kIncrease);
    EXPECT_TRUE(parent.notices.empty());
    EXPECT_TRUE(::IsWindow(control.Hwnd()));
}

} // namespace
} // namespace kiv::win32
