#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace kiv::win32 {
namespace {

UniqueWindow MakeWindow(const char* className, DWORD style = WS_OVERLAPPEDWINDOW, int width = 300,
                        int height = 200, HWND parent = nullptr) {
    return UniqueWindow(::CreateWindowExA(0, className, "test", style, 10, 20, width, height,
                                          parent, nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

TEST(ComboBoxRoutines, SortedInsertItemDataAndSearches) {
    UniqueWindow owner = MakeWindow("STATIC");
    UniqueWindow combo =
        MakeWindow(WC_COMBOBOXA, WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 200, 200, owner.Get());
    ASSERT_TRUE(combo);
    EXPECT_EQ(AddItemDataComboBox(combo.Get(), "Letterbox", 2), 0);
    EXPECT_EQ(AddItemDataComboBox(combo.Get(), "Anamorphic", 1), 0);
    EXPECT_EQ(AddItemDataComboBox(combo.Get(), "4x3", 3), 0);
    EXPECT_EQ(AddItemDataComboBox(combo.Get(), "Wide", 12), 3);
    EXPECT_EQ(::SendMessageA(combo.Get(), CB_GETITEMDATA, 2, 0), 2);
    EXPECT_EQ(FindStringComboBox(combo.Get(), "letterbox", true), 2);
    EXPECT_EQ(FindStringComboBox(combo.Get(), "Letter", true), -1);
    EXPECT_EQ(FindStringComboBox(combo.Get(), "Letter", false), 2);
    EXPECT_EQ(FindStringComboBox(combo.Get(), "Nothing", false), -1);
    EXPECT_EQ(FindStringDriveList(combo.Get(), "WIDE", true), 3);
}

TEST(FormPlacement, CenterAndTopmost) {
    UniqueWindow form = MakeWindow("STATIC", WS_POPUP, 300, 200);
    CenterForm(form.Get());
    RECT rect{};
    ::GetWindowRect(form.Get(), &rect);
    EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    EXPECT_EQ(rect.right - rect.left, 300);

    FormOnTop(form.Get(), true);
    EXPECT_NE(::GetWindowLongPtrA(form.Get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT after{};
    ::GetWindowRect(form.Get(), &after);
    EXPECT_TRUE(::EqualRect(&rect, &after));
    EXPECT_FALSE(::IsWindowVisible(form.Get()));
    FormOnTop(form.Get(), false);
    EXPECT_EQ(::GetWindowLongPtrA(form.Get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

class FormUnderTest : public CWindow {
public:
    bool Make() { return Create(ClassSpec{"frmUnderTest"}, 0, WS_OVERLAPPED, "x", 0, 0, 50, 50); }
};

TEST(FormPlacement, IsFormLoadedFollowsTheWindowsLife) {
    EXPECT_FALSE(IsFormLoaded("frmUnderTest"));
    {
        FormUnderTest form;
        ASSERT_TRUE(form.Make());
        EXPECT_TRUE(IsFormLoaded("FRMUNDERTEST"));
        EXPECT_FALSE(IsFormLoaded("frmUnder"));
    }
    EXPECT_FALSE(IsFormLoaded("frmUnderTest"));
}

TEST(TextBoxes, SelectAllText) {
    UniqueWindow owner = MakeWindow("STATIC");
    UniqueWindow edit = MakeWindow("EDIT", WS_CHILD, 100, 20, owner.Get());
    ::SetWindowTextA(edit.Get(), "12345");
    SelectAllText(edit.Get());
    DWORD start = 99;
    DWORD end = 99;
    ::SendMessageA(edit.Get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST(EtchedLine, DrawsShadowThenHighlightIntoARealDeviceContext) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    UniqueGdiObject bitmap(::CreateCompatibleBitmap(screen, 20, 10));
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(dc, bitmap.Get());
    RECT all{0, 0, 20, 10};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    int ropBefore = ::GetROP2(dc);
    {
        CDeviceCanvas canvas(dc);
        CGDILine line;
        line.X1 = 0;
        line.X2 = 20;
        line.Y1 = 4;
        line.Y2 = 4;
        line.Draw3DLine(canvas, RGB(255, 0, 0), RGB(0, 0, 255));
    }
    EXPECT_EQ(::GetPixel(dc, 5, 4), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(dc, 5, 5), RGB(0, 0, 255));
    EXPECT_EQ(::GetPixel(dc, 5, 6), RGB(255, 255, 255));
    EXPECT_EQ(::GetROP2(dc), ropBefore);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
}

} // namespace
} // namespace kiv::win32
