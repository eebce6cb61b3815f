// The blanking windows and the taskbar as real windows, observed from outside.
#include "blanking/win32/BlankingWin32.h"
#include "blanking/win32/frmBlank.h"
#include "support/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <tuple>
#include <vector>

namespace kiv::win32 {
namespace {

using namespace kiv::test;

// Whether `upper` comes before `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower) {
    HWND w = ::GetWindow(lower, GW_HWNDPREV);
    while (w != nullptr && w != upper) {
        w = ::GetWindow(w, GW_HWNDPREV);
    }
    return w != nullptr;
}

struct BlankWindowFixture : ::testing::Test, IBlankWindowEvents {
    frmBlank window{*this};
    std::tuple<int16_t, int32_t, int32_t> mouseUp{};

    void BlankingFormKeyDown(int16_t&, int16_t&) override {}
    void BlankingFormMouseUp(int16_t button, int32_t x, int32_t y) override {
        mouseUp = {button, x, y};
    }
    void SetUp() override { ASSERT_TRUE(window.Load()); }
    bool HasExStyle(LONG_PTR style) const {
        return (::GetWindowLongPtrA(window.Hwnd(), GWL_EXSTYLE) & style) != 0;
    }
    // The pointer the strip asks for when the mouse rests on it.
    HCURSOR Pointer() const {
        ::SendMessageA(window.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.Hwnd()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    }
    COLORREF PixelColour() const { return ::GetPixel(WindowDc(window.Hwnd()).Get(), 10, 10); }
};

TEST_F(BlankWindowFixture, ShowingMovingAndRaisingNeverTakeTheFocus) {
    EXPECT_FALSE(::IsWindowVisible(window.Hwnd()));
    EXPECT_TRUE(HasExStyle(WS_EX_TOOLWINDOW)); // out of the taskbar
    UniqueWindow other(::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300,
                                         300, 200, 100, nullptr, nullptr, nullptr, nullptr));
    ::SetForegroundWindow(other.Get());
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == other.Get(); }));

    window.SetOnTop(true);
    window.SetVisible(true);
    window.Move(0, 0, 120, 768);
    window.SetOnTop(true);
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_TRUE(::IsWindowVisible(window.Hwnd()));
    EXPECT_EQ(::GetActiveWindow(), other.Get());

    // Topmost: a strip skips the raises that change nothing, never one that
    // puts it back above another topmost window.
    UniqueWindow topmost(::CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "STATIC", "",
                                           WS_POPUP | WS_VISIBLE, 0, 0, 30, 30, nullptr, nullptr,
                                           nullptr, nullptr));
    ASSERT_FALSE(IsAbove(window.Hwnd(), topmost.Get()));
    window.SetOnTop(true);
    EXPECT_TRUE(IsAbove(window.Hwnd(), topmost.Get()));
    window.SetOnTop(false);
    EXPECT_FALSE(HasExStyle(WS_EX_TOPMOST));
}

TEST_F(BlankWindowFixture, CloseRequestsLeaveItAloneAndClicksReachTheController) {
    ::SendMessageA(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(window.Hwnd()));
    window.Move(200, 100, 50, 50);
    ::SendMessageA(window.Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 7));
    EXPECT_EQ(mouseUp, std::make_tuple(int16_t{2}, 205, 107));
}

// Hidden, it is a pointer that leaves every pixel under it as it was.
TEST_F(BlankWindowFixture, ThePointerHidesAfterTwoSecondsAndShowsOnMovement) {
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_EQ(Pointer(), arrow);
    ASSERT_TRUE(PumpUntil([&] { return Pointer() != arrow; }));
    const HCURSOR hidden = Pointer();
    ASSERT_NE(hidden, nullptr);
    const int size = ::GetSystemMetrics(SM_CXCURSOR);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    UniqueBitmap canvas(::CreateBitmap(size, size, 1, 32, nullptr));
    ScopedSelectObject selected(dc.Get(), canvas.Get());
    ::PatBlt(dc.Get(), 0, 0, size, size, WHITENESS);
    ::DrawIconEx(dc.Get(), 0, 0, hidden, size, size, 0, nullptr, DI_NORMAL);
    std::vector<DWORD> pixels(static_cast<size_t>(size * size));
    ::GetBitmapBits(canvas.Get(), size * size * 4, pixels.data());
    EXPECT_EQ(std::ranges::count_if(pixels, [](DWORD p) { return (p & 0xFFFFFF) != 0xFFFFFF; }), 0);
    ::SendMessageA(window.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(Pointer(), arrow);
}

// The fade's colours are its state's (BlankingTests); here its timer runs and
// the window paints them.
TEST_F(BlankWindowFixture, TheFadeShowsItsColoursBackToBlack) {
    window.SetOnTop(true);
    window.SetVisible(true);
    window.Move(0, 0, 50, 50);
    window.Animate();
    ASSERT_TRUE(PumpUntil([&] { return PixelColour() != RGB(0, 0, 0); }));
    EXPECT_TRUE(PumpUntil([&] { return PixelColour() == RGB(0, 0, 0); }));
}

// Hiding and showing, and the taskbar back however KIV ends, are checked end
// to end; here, what the end-to-end tests cannot see: a taskbar shown again is
// back on top of its band of the z-order.
TEST(TaskbarTest, AShownTaskbarIsBackOnTopOfItsBand) {
    HWND bar = CWin32Taskbar::Find();
    if (bar == nullptr) {
        GTEST_SKIP() << "no shell taskbar on this desktop";
    }
    CWin32Taskbar window;
    // Asked of the shell, which carries it out when it next runs its messages.
    auto shown = [bar] { return ::IsWindowVisible(bar) != FALSE; };
    DWORD band = ::GetWindowLongPtrA(bar, GWL_EXSTYLE) & WS_EX_TOPMOST;
    UniqueWindow above(::CreateWindowExA(band | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, 0, 0, 10,
                                         10, nullptr, nullptr, nullptr, nullptr));
    ::SetWindowPos(above.Get(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ASSERT_TRUE(IsAbove(above.Get(), bar)) << "the test's window must start above the taskbar";
    const WindowHandle handle = reinterpret_cast<WindowHandle>(bar);
    window.Hide(handle);
    ASSERT_TRUE(PumpUntil([&] { return !shown(); }));
    window.Show(handle);
    ASSERT_TRUE(PumpUntil(shown));
    EXPECT_FALSE(IsAbove(above.Get(), bar)) << "a window stays above the shown taskbar";
}

} // namespace
} // namespace kiv::win32
