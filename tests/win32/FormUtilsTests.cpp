#include "platform/win32/UniqueHandle.h"
#include "util/win32/FormUtilsWin32.h"

#include <gtest/gtest.h>

namespace kiv::win32 {
namespace {

TEST(FormPlacement, CenterFormCentresOnThePrimaryScreenKeepingTheSize) {
    UniqueWindow form(::CreateWindowExA(0, "STATIC", "form", WS_POPUP, 10, 20, 300, 200, nullptr,
                                        nullptr, ::GetModuleHandleA(nullptr), nullptr));
    CenterForm(form.Get());
    RECT rect{};
    ::GetWindowRect(form.Get(), &rect);
    EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    EXPECT_EQ(rect.right - rect.left, 300);
}

} // namespace
} // namespace kiv::win32
