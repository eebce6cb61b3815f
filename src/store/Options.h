#pragma once

#include "util/ErrorReport.h"
#include "util/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// The top left corner of a window, in screen pixels.
struct WindowOrigin {
    int32_t left = 0;
    int32_t top = 0;

    friend bool operator==(const WindowOrigin&, const WindowOrigin&) = default;
};

// The program-wide options, one section "[KIV]" of the options file.
class COptions {
public:
    // Every option at its default; the file is `dataFolder` + "KIV.ini".
    explicit COptions(IErrorReporter& reporter, const std::string& dataFolder = AppPath());

    std::string INIFilePath;
    bool SubClassWindowSize = true;
    bool GlobalKeyHook = true;
    bool SpecifyDimensions = false;
    int32_t AssumedHeight = 0;
    int32_t AssumedWidth = 0;
    int32_t TaskBarMargin = 3;
    int32_t TitleBarMargin = -1; // -1: the system's caption height
    int32_t SideMargin = -1;     // -1: the system's frame size
    std::string Drive = "D";
    bool PlayListAutoSelect = true;
    bool PlayListAutoAdd = false;
    std::string PlayListDefaultSetting;
    bool DisableDVDRomContent = true;
    bool AutoMouseHide = true;
    bool ShowTrayIcon = true;
    std::string HotKeySetFocusApp;
    std::string HotKeySetFocusKIV;
    std::string HotKeyMoveUp;
    std::string HotKeyMoveDown;
    std::string HotKeyMoveLeft;
    std::string HotKeyMoveRight;
    std::string HotKeyExpand;
    std::string HotKeyShrink;
    std::string HotKeySave;
    std::string HotKeyReapplyCurrent;
    std::string LaunchApplication;
    int32_t WindowStartMode = 0; // 0 normal, 1 minimized, anything else hidden
    bool UseCaptionNotClass = false;
    // Mirrors the choice of the options dialog; the system's list of programs
    // to start at logon is what starts KIV.
    bool StartWithWindows = false;
    // Where the main window was when KIV last closed; nothing before the
    // first close, and the key is then not written.
    std::optional<WindowOrigin> MainWindowPosition;

    // Reads every key present in the file; missing, empty or unusable values
    // leave their fields as they are. A missing file changes nothing.
    void RetrieveSettings();
    // The same from the text of an options file, with the platform's
    // private-profile rules: a value is cut at 259 characters and trimmed.
    void LoadFromText(std::string_view fileText);
    // Writes every option into the file, keeping keys the program does not
    // write. A file that cannot be read or replaced (read-only, held open, a
    // full disk) stays as it was; the failure is reported titled "SaveSettings"
    // and false returned.
    bool SaveSettings();
    // Writes only MainWindowPosition, leaving the rest of the file as it is.
    // Quiet, since KIV is closing: a file that cannot be written costs only
    // the window's place, and the debug log says why. False when not written.
    bool SaveMainWindowPosition() noexcept;
    // Copies every option, the file path included, into `other`.
    void AssignTo(COptions& other) const;

private:
    IErrorReporter* mReporter;
};

} // namespace kiv
