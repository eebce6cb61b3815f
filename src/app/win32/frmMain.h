#pragma once

#include "app/MainController.h"
#include "app/MainView.h"
#include "app/MenuCommands.h"
#include "app/SettingCommands.h"
#include "app/win32/MainDialogs.h"
#include "app/win32/MainMenus.h"
#include "app/win32/MainToolbar.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/pages/AdjustPage.h"
#include "app/win32/pages/BlankingPage.h"
#include "app/win32/pages/HotKeyPage.h"
#include "app/win32/pages/OrbitingPage.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"
#include "playlist/win32/frmAddingTitle.h"
#include "util/win32/FormUtilsWin32.h"

#include <array>
#include <string_view>
#include <vector>

namespace kiv::win32 {

// The main window. It creates its controls, turns messages into controller
// calls and shows what the controller tells it; it decides nothing. Its pages
// are the views of their own features.
class frmMain : public CWindow, public IMainView, public ISettingCommandsView, public IMenuView {
public:
    frmMain() = default;
    ~frmMain() override;

    // The views the controller's features talk to: the window's own, its
    // pages' and its dialogs'. They exist before the window does.
    MainViews Views();
    // Creates the window, sized and centred, still hidden.
    bool Load(CMainController& controller, HICON largeIcon, HICON smallIcon);

    // IMainView
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(Hwnd()); }
    void ClearSettingList() override {
        ::SendMessageA(Control(kSettingName), CB_RESETCONTENT, 0, 0);
    }
    int32_t AddSettingListItem(std::string_view text, int32_t itemData) override {
        return AddItemDataComboBox(Control(kSettingName), text, itemData);
    }
    int32_t SettingListCount() const override {
        return static_cast<int32_t>(::SendMessageA(Control(kSettingName), CB_GETCOUNT, 0, 0));
    }
    int32_t SettingListItemData(int32_t index) const override {
        return static_cast<int32_t>(
            ::SendMessageA(Control(kSettingName), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    }
    std::string SettingListText(int32_t index) const override {
        return ComboBoxItemText(Control(kSettingName), index);
    }
    int32_t FindSettingListText(std::string_view text) const override {
        return FindStringComboBox(Control(kSettingName), text, true);
    }
    int32_t SettingListIndex() const override {
        return static_cast<int32_t>(::SendMessageA(Control(kSettingName), CB_GETCURSEL, 0, 0));
    }
    void ShowSettingListIndex(int32_t index) override {
        ::SendMessageA(Control(kSettingName), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    void SetCaption(std::string_view caption) override {
        ::SetWindowTextA(Hwnd(), std::string(caption).c_str());
    }
    void ShowSetting(const CWindowSetting& setting) override {
        ShowText(Control(kApplicationName), setting.ApplicationName);
    }
    void SetCheckerEnabled(bool enabled) override;
    void SetupTabPages(bool initialize, std::string_view key) override;
    void SetToolTips() override;
    void ShowAsStartMode(int32_t startMode) override;
    void EndProgramNow() override;
    void CancelModalWindows() override;
    // IDvdArrivalView
    void SetCurrentDvdLabel(std::string_view text) override;
    void ShowAddingNotice(std::string_view message, std::optional<Rect> display) override;
    // ISettingCommandsView
    void SetCommandEnabled(MainCommand command, bool enabled) override;
    void FocusGetWindowInfo() override;
    void ShowApplicationName(std::string_view name) override;
    std::string ApplicationNameShown() const override {
        return WindowText(Control(kApplicationName));
    }
    // IMenuView
    void ShowSettingMenus(const AspectMenuState& menus) override;
    int32_t ShowPopupMenu(MainPopup popup, std::optional<ScreenPoint> at) override;
    bool AddTrayIcon() override;
    bool DeleteTrayIcon() override;
    void SetMainWindowVisible(bool visible) override;
    void BringMainWindowToFront() override;
    void UnloadMainWindow() override;
    void ShowHelpContents(std::string_view helpFile) override;
    bool OpenDocument(std::string_view path) override;

    // In the message loop, before TranslateMessage: the window's dialog keys,
    // its pages' included. True when the message was used.
    bool PreTranslateMessage(MSG& message);

private:
    enum ControlId : int {
        kSettingNameLabel = 100,
        kSettingName,
        kApplicationLabel,
        kApplicationName,
        kTabMain,
        kCurrentDvd,
    };

    bool OnCreate() override;
    void OnDestroy() override;
    bool OnClose() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint(HDC dc, const PAINTSTRUCT& paint) override;
    bool OnDpiChanged(UINT dpi, const RECT& suggested) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    enum CommandControlId : int {
        kToolbar = 150,
        kGetWindowInfo,
    };
    void CreateMainCommands();
    void LayoutMainCommands();
    // Where the window stands, for the next start to open it there.
    void RememberPlace();

    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }
    void ApplyFontAndLayout(UINT dpi, bool withPages = true);

    CMainController* mController = nullptr;
    CAdjustPage fraAdjust;
    COrbitingPage fraOrbiting;
    CBlankingPage fraBlanking;
    // The shell's "TaskbarCreated".
    UINT mTaskbarCreatedMessage = 0;
    CTabStrip mTabStrip;
    CDpiFont mDpiFont;
    CHotKeyPage fraHotKey;
    CMainToolbar tlbMain;
    CMainMenus mMenus;
    CTrayIcon mTrayIcon;
    HWND mToolTips = nullptr; // owned by the window, destroyed with it
    bool mToolTipsSet = false;
    CToolTipTable mTips; // noted as the controls are made, shown from SetToolTips
    CDialogKeyboard mKeyboard;
    frmAddingTitle mAddingTitle;
    CMainDialogs mDialogs{*this};
};

} // namespace kiv::win32
