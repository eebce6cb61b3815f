#pragma once

#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/win32/Win32.h"
#include "util/ErrorReport.h"

namespace kiv::win32 {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// Other programs' windows through user32.
class CWin32Desktop : public IDesktop {
public:
    WindowHandle FindTopLevelWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& caption) override;
    bool MoveWindow(WindowHandle window, int32_t left, int32_t top, int32_t width,
                    int32_t height) override;
    bool WindowAnswers(WindowHandle window) override;
    std::optional<Rect> WindowRect(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;
    uint32_t WindowThreadId(WindowHandle window) override;
    Size PrimaryScreenSize() override;
    MonitorLayout Monitors() override;
    bool ForceForegroundWindow(WindowHandle window) override;
    std::vector<TopLevelWindow> TopLevelWindows() override;
};

// The user-interface thread's queue.
class CWin32MessagePump : public IMessagePump {
public:
    void TakeOneMessage() override;
    void DoEvents() override;
};

// Message boxes with only an OK button, owned by `owner` when it is set.
class CMessageBoxReporter : public IErrorReporter {
public:
    void SetOwner(HWND owner) noexcept { mOwner = owner; }
    void ShowMessage(std::string_view text, std::string_view title) override;
    void ShowCriticalMessage(std::string_view text, std::string_view title) override;

private:
    HWND mOwner = nullptr;
};

} // namespace kiv::win32
