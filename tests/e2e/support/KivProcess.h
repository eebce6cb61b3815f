#pragma once

// kiv.exe as a real process in a folder of its own, as a user installs it.

#include "E2eSupport.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kiv::e2e {

// A fresh folder holding kiv.exe and its two libraries; removed afterwards.
class KivFolder {
public:
    KivFolder();
    ~KivFolder();
    KivFolder(const KivFolder&) = delete;
    KivFolder& operator=(const KivFolder&) = delete;

    const std::filesystem::path& Path() const noexcept { return mPath; }
    std::filesystem::path File(std::string_view name) const { return mPath / name; }
    void Write(std::string_view name, std::string_view bytes) const;
    std::optional<std::string> Read(std::string_view name) const;
    void Remove(std::string_view name) const;

private:
    std::filesystem::path mPath;
};

// One settings file line with every field, as the program writes it.
std::string SettingLine(std::string_view name, std::string_view locator, int left, int top,
                        int width, int height, int lock = 0);

struct MessageBoxSeen {
    std::string title;
    std::string text;
};

class KivProcess {
public:
    // Waits first, within the deadline, for an earlier copy of KIV to be gone
    // (its instance mutex can outlive the process by a moment under Wine);
    // `waitForEarlierCopy` false starts at once.
    KivProcess(const KivFolder& folder, std::string_view arguments, bool waitForEarlierCopy = true);
    ~KivProcess();
    KivProcess(const KivProcess&) = delete;
    KivProcess& operator=(const KivProcess&) = delete;

    bool Started() const noexcept { return mProcess.IsValid(); }
    DWORD ProcessId() const noexcept { return mProcessId; }
    // The main window once start-up has shown it; null if it never appears.
    HWND WaitForMainWindow();
    HWND MainWindow() const;
    std::string Caption() const;
    // A message box the process shows; nothing if none appears in time.
    std::optional<MessageBoxSeen> WaitForMessageBox();
    // Presses OK on the process's message box.
    void DismissMessageBox();
    bool WaitForExit(std::chrono::milliseconds deadline = kEventDeadline);
    DWORD ExitCode() const;
    bool HasExited() const;
    // Closes the main window as the user would and waits for the process to end.
    bool Close();

private:
    HWND FindOwnWindow(const char* className) const;

    win32::UniqueKernelHandle mProcess;
    DWORD mProcessId = 0;
};

// Text of every control of `window` (pages included) in creation order.
std::vector<std::string> ControlTexts(HWND window);
RECT WindowRectOf(HWND window);
// True while a copy of KIV holds its single-instance mutex.
bool KivInstanceExists();
bool SameRect(const RECT& a, const RECT& b);

} // namespace kiv::e2e
