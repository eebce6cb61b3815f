#pragma once

// kiv.exe as a real process in a folder of its own, as a user installs it.

#include "E2eSupport.h"
#include "store/WindowSetting.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // KIV.dat holding these settings, one a line, as the program writes it.
    void WriteSettings(const std::vector<CWindowSetting>& settings) const;
    std::optional<std::string> Read(std::string_view name) const;

private:
    std::filesystem::path mPath;
};

// A setting for the window `locator` finds, by default the stand-in player's.
CWindowSetting Setting(std::string name, int left, int top, int width, int height,
                       std::string locator = "Class:KivTestPlayer");

// KIV's visible blanking strips, sorted, as RectText shows them.
std::vector<std::string> VisibleStrips(DWORD processId);
// Waits for the strips to be those the blanking rules give a player at
// `player` on `monitor`, with the default options (the system's caption and
// frame) and no pads; false, saying on stderr which show instead, if never.
bool WaitForStrips(DWORD processId, const RECT& monitor, const RECT& player);

class KivProcess {
public:
    // Waits first, within the deadline, for an earlier copy of KIV to be gone
    // (its instance mutex can outlive the process by a moment under Wine);
    // `waitForEarlierCopy` false starts at once.
    KivProcess(const std::filesystem::path& folder, std::string_view arguments,
               bool waitForEarlierCopy = true);
    KivProcess(const KivFolder& folder, std::string_view arguments, bool waitForEarlierCopy = true)
        : KivProcess(folder.Path(), arguments, waitForEarlierCopy) {}
    ~KivProcess();
    KivProcess(const KivProcess&) = delete;
    KivProcess& operator=(const KivProcess&) = delete;

    DWORD ProcessId() const noexcept { return mProcessId; }
    HANDLE Handle() const noexcept { return mProcess.Get(); }
    // The main window once start-up has shown it; null if it never appears.
    HWND WaitForMainWindow(std::chrono::milliseconds deadline = kEventDeadline);
    HWND MainWindow() const { return FindOwnWindow("frmMain"); }
    std::string Caption() const { return TextOf(MainWindow()); }
    // A message box the process shows; nothing if none appears in time.
    std::optional<MessageBoxSeen> WaitForMessageBox();
    // Presses OK on the process's message box.
    void DismissMessageBox();
    // KIV's open pop-up menu, once its menu loop holds the keyboard and the
    // pointer: only then do keys reach it and does a click elsewhere close it.
    HWND WaitForMenu() const;
    // Answers the name dialog with `text` (over what it shows, which goes to
    // `shown`) and Enter; true once the dialog has gone.
    bool AnswerNameDialog(std::string_view text, std::string* shown = nullptr) const;
    bool WaitForExit(std::chrono::milliseconds deadline = kEventDeadline) {
        return PumpUntil([&] { return HasExited(); }, deadline);
    }
    DWORD ExitCode() const;
    bool HasExited() const {
        return !mProcess || ::WaitForSingleObject(mProcess.Get(), 0) == WAIT_OBJECT_0;
    }
    // Closes the main window as the user would and waits for the process to end.
    bool Close();

    HWND FindOwnWindow(const char* className) const {
        return FindProcessWindow(mProcessId, className, false);
    }

private:
    win32::UniqueKernelHandle mProcess;
    DWORD mProcessId = 0;
};

} // namespace kiv::e2e
