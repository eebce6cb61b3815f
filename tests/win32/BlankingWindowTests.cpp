// The blanking windows and the taskbar as real windows.
#include "Win32TestSupport.h"
#include "blanking/Taskbar.h"
#include "blanking/win32/BlankingWin32.h"
#include "blanking/win32/frmBlank.h"
#include "util/FileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <tuple>

namespace kiv::win32 {
namespace {

struct Events : IBlankWindowEvents {
    void BlankingFormKeyDown(int16_t&, int16_t&) override {}
    void BlankingFormMouseUp(int16_t button, int32_t x, int32_t y) override {
        mouseUp = {button, x, y};
    }
    std::tuple<int16_t, int32_t, int32_t> mouseUp{};
};

struct BlankWindowFixture : ::testing::Test {
    Events events;
    frmBlank window{events};
    void SetUp() override { ASSERT_TRUE(window.Load()); }
    LONG_PTR ExStyle() const { return ::GetWindowLongPtrA(window.Hwnd(), GWL_EXSTYLE); }
    // The pointer the strip asks for when the mouse rests on it.
    HCURSOR Pointer() const {
        ::SendMessageA(window.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.Hwnd()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    }
    COLORREF PixelColour() const {
        WindowDc dc(window.Hwnd());
        return ::GetPixel(dc.Get(), 10, 10);
    }
};

TEST_F(BlankWindowFixture, ShowingMovingAndRaisingNeverTakeTheFocus) {
    EXPECT_FALSE(::IsWindowVisible(window.Hwnd()));
    EXPECT_NE(ExStyle() & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(::GetWindowLongPtrA(window.Hwnd(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    UniqueWindow other(::CreateWindowExA(0, "STATIC", "focus keeper",
                                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100,
                                         nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(other);
    ::SetForegroundWindow(other.Get());
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == other.Get(); }));

    window.SetOnTop(true);
    window.SetVisible(true);
    window.Move(0, 0, 120, 768);
    window.SetOnTop(true);
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_TRUE(::IsWindowVisible(window.Hwnd()));
    EXPECT_NE(ExStyle() & WS_EX_TOPMOST, 0);
    RECT rect{};
    ::GetWindowRect(window.Hwnd(), &rect);
    EXPECT_EQ(rect.right, 120);
    EXPECT_EQ(rect.bottom, 768);
    EXPECT_EQ(::GetActiveWindow(), other.Get());

    window.SetOnTop(false);
    EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0);
    window.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(window.Hwnd()));
}

TEST_F(BlankWindowFixture, CloseRequestsLeaveItAloneAndClicksReachTheController) {
    ::SendMessageA(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(window.Hwnd()));
    window.Move(200, 100, 50, 50);
    ::SendMessageA(window.Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 7));
    EXPECT_EQ(events.mouseUp, std::make_tuple(int16_t{2}, 205, 107));
}

TEST_F(BlankWindowFixture, ThePointerHidesAfterTwoSecondsAndShowsOnMovement) {
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_EQ(Pointer(), arrow);
    EXPECT_TRUE(PumpUntil([&] { return Pointer() != arrow; }));
    ::SendMessageA(window.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(Pointer(), arrow);
}

TEST_F(BlankWindowFixture, TheFadeGoesThroughGreyBackToBlack) {
    window.SetOnTop(true);
    window.SetVisible(true);
    window.Move(0, 0, 50, 50);
    window.Animate();
    COLORREF grey = 0;
    ASSERT_TRUE(PumpUntil([&] { return (grey = PixelColour()) != RGB(0, 0, 0); }));
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetRValue(grey), GetBValue(grey));
    EXPECT_TRUE(PumpUntil([&] { return PixelColour() == RGB(0, 0, 0); }));
}

TEST(TransparentCursorTest, EveryPixelLeavesTheScreenAsItIs) {
    UniqueCursor cursor = CreateTransparentCursor();
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor.Get(), &info));
    UniqueBitmap mask(info.hbmMask);
    UniqueBitmap colour(info.hbmColor);
    BITMAP bitmap{};
    ASSERT_NE(::GetObjectA(mask.Get(), sizeof bitmap, &bitmap), 0);
    // A monochrome cursor: the AND half then the XOR half, stacked.
    const int width = bitmap.bmWidth;
    const int height = colour ? bitmap.bmHeight : bitmap.bmHeight / 2;
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ScopedSelectObject selected(dc.Get(), mask.Get());
    int andBlack = 0;
    int xorWhite = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            andBlack += ::GetPixel(dc.Get(), x, y) == RGB(0, 0, 0) ? 1 : 0;
            if (!colour) {
                xorWhite += ::GetPixel(dc.Get(), x, y + height) != RGB(0, 0, 0) ? 1 : 0;
            }
        }
    }
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

} // namespace
} // namespace kiv::win32
