#include "dialogs/win32/frmAbout.h"

#include "Version.h"
#include "dialogs/About.h"
#include "platform/win32/ControlMetrics.h"
#include "platform/win32/Controls.h"
#include "platform/win32/FormPlacementWin32.h"
#include "platform/win32/StartExecutable.h"
#include "util/FileSystem.h"

#include <commctrl.h>

#include <array>
#include <string>

namespace kiv::win32 {

using namespace control_metrics;

namespace {
// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 420;
constexpr int kIconSize = 32;
constexpr int kTextLeft = kMargin + kIconSize + kMargin;
constexpr int kTextWidth = kClientWidth - kTextLeft - kMargin;
constexpr int kTitleHeight = 22;
constexpr int kLineHeight = 16;
constexpr int kDescriptionHeight = 116;
constexpr int kSeparatorTop =
    kMargin + kTitleHeight + 4 + kLineHeight + 12 + kDescriptionHeight + 8;
// "&System Info..." takes more than a button's width.
constexpr int kWideButtonWidth = 100;
constexpr int kBottomTop = kSeparatorTop + 12;
constexpr int kClientHeight = kBottomTop + 2 * kButtonHeight + 8 + kMargin;

// The program's version as the build gives it: major, minor, revision, build.
constexpr std::array<int, 4> kVersion = {KIV_VERSION_COMMAS};

// The registry, the file system and program start-up through Win32.
class CSysInfoPlatform : public ISysInfoPlatform {
public:
    std::optional<RegistryValue> ReadMachineValue(std::string_view keyName,
                                                  std::string_view valueName) override {
        // Read rights only: a normal user's token is refused any right to
        // change HKLM, and asking for one would fail the whole open.
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(keyName).c_str(), 0, KEY_QUERY_VALUE,
                            &opened) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        UniqueRegKey key(opened);
        std::array<char, 1024> buffer{};
        DWORD type = 0;
        auto size = static_cast<DWORD>(buffer.size());
        if (::RegQueryValueExA(key.Get(), std::string(valueName).c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return RegistryValue{type, std::string(buffer.data(), size)};
    }
    bool FileExists(std::string_view path) override { return kiv::FileExists(path); }
    bool StartProgram(std::string_view path) override {
        return StartExecutable(std::string(path), "");
    }
};
} // namespace

void frmAbout::Show(HWND owner) {
    frmAbout box;
    box.RunModal(owner, ClassSpec{"frmAbout"}, AboutText::Caption().c_str());
}

bool frmAbout::OnCreate() {
    return TrapErrors(mReporter, "Form_Load", [&] {
        const HWND window = Hwnd();
        mReporter.SetOwner(window);
        CreateChild(window, WC_STATICA, "", SS_ICON | SS_REALSIZECONTROL, picIcon);
        CreateChild(window, WC_STATICA, std::string(kAppTitle).c_str(), SS_LEFTNOWORDWRAP,
                    lblTitle);
        CreateChild(window, WC_STATICA,
                    AboutText::VersionLine(kVersion[0], kVersion[1], kVersion[2]).c_str(),
                    SS_LEFTNOWORDWRAP, lblVersion);
        CreateChild(window, WC_STATICA, AboutText::Description().c_str(), SS_LEFT | SS_NOPREFIX,
                    lblDescription);
        CreateChild(window, WC_STATICA, "", SS_ETCHEDHORZ, linSeparator);
        CreateChild(window, WC_STATICA, std::string(AboutText::kDisclaimer).c_str(),
                    SS_LEFT | SS_NOPREFIX, lblDisclaimer);
        HWND ok = CreatePushButton(window, "OK", cmdOK, BS_DEFPUSHBUTTON | WS_GROUP);
        CreatePushButton(window, "&System Info...", cmdSysInfo);
        // OK is both the default and the cancel button.
        Keyboard().SetButtons({cmdOK, cmdOK});
        Keyboard().SetFirstFocus(ok);
        HandleCommand(cmdOK, BN_CLICKED, [this](HWND) { EndDialog(true); });
        HandleCommand(cmdSysInfo, BN_CLICKED, [this](HWND) {
            CSysInfoPlatform platform;
            StartSysInfo(platform, mReporter);
        });

        ApplyDpi();
        FormOnTop(window, true);
    });
}

void frmAbout::Layout(const CDpiScale& scale) {
    // The program's icon at the box's size, or the system's when it has none.
    const int iconSize = scale(kIconSize);
    mIcon.Reset(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1),
                                                IMAGE_ICON, iconSize, iconSize, 0)));
    HICON icon = mIcon ? mIcon.Get() : ::LoadIconA(nullptr, IDI_APPLICATION);
    ::SendDlgItemMessageA(Hwnd(), picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    Place(picIcon, scale, kMargin, kMargin, kIconSize, kIconSize);

    // The title in a larger, bold cut of the box's font.
    LOGFONTA title{};
    auto font = reinterpret_cast<HFONT>(::SendDlgItemMessageA(Hwnd(), lblTitle, WM_GETFONT, 0, 0));
    if (font != nullptr && ::GetObjectA(font, sizeof title, &title) != 0) {
        title.lfHeight = title.lfHeight * 3 / 2;
        title.lfWeight = FW_BOLD;
        mTitleFont.Reset(::CreateFontIndirectA(&title));
        ::SendDlgItemMessageA(Hwnd(), lblTitle, WM_SETFONT,
                              reinterpret_cast<WPARAM>(mTitleFont.Get()), TRUE);
    }

    int y = kMargin;
    Place(lblTitle, scale, kTextLeft, y, kTextWidth, kTitleHeight);
    y += kTitleHeight + 4;
    Place(lblVersion, scale, kTextLeft, y, kTextWidth, kLineHeight);
    y += kLineHeight + 12;
    Place(lblDescription, scale, kTextLeft, y, kTextWidth, kDescriptionHeight);
    PlaceSeparator(::GetDlgItem(Hwnd(), linSeparator), scale, kMargin, kSeparatorTop,
                   kClientWidth - 2 * kMargin);
    const int buttonLeft = kClientWidth - kMargin - kWideButtonWidth;
    Place(lblDisclaimer, scale, kMargin, kBottomTop, buttonLeft - 2 * kMargin,
          2 * kButtonHeight + 8);
    Place(cmdOK, scale, buttonLeft, kBottomTop, kWideButtonWidth, kButtonHeight);
    Place(cmdSysInfo, scale, buttonLeft, kBottomTop + kButtonHeight + 8, kWideButtonWidth,
          kButtonHeight);
    SizeFrameToClient(Hwnd(), scale, kClientWidth, kClientHeight);
}

} // namespace kiv::win32
