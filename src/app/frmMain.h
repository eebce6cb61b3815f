#pragma once

#include "app/AdjustPage.h"
#include "app/MainController.h"
#include "app/MainView.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"

#include <array>
#include <string_view>
#include <vector>

namespace kiv::win32 {

// The main window. It creates its controls, turns messages into controller
// calls and shows what the controller tells it; it decides nothing.
class frmMain : public CWindow, public IMainView {
public:
    frmMain() = default;
    ~frmMain() override;

    // Creates the window, sized and centred, still hidden.
    bool Load(CMainController& controller, HICON largeIcon, HICON smallIcon);

    // IMainView
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(Hwnd()); }
    void ClearSettingList() override;
    int32_t AddSettingListItem(std::string_view text, int32_t itemData) override;
    int32_t SettingListCount() const override;
    int32_t SettingListItemData(int32_t index) const override;
    std::string SettingListText(int32_t index) const override;
    int32_t FindSettingListText(std::string_view text) const override;
    int32_t SettingListIndex() const override;
    void ShowSettingListIndex(int32_t index) override;
    void SetCaption(std::string_view caption) override;
    void ShowSetting(const CWindowSetting& setting) override;
    bool IsLockPositionChecked() const override;
    void ShowLockPositionChecked(bool checked) override;
    void SetTimerEnabled(MainTimer timer, bool enabled) override;
    void ShowAsStartMode(int32_t startMode) override;
    void EndProgramNow() override;

private:
    enum ControlId : int {
        kSettingNameLabel = 100,
        kSettingName,
        kApplicationLabel,
        kApplicationName,
        kTabMain,
    };

    // A tab of the strip with its key and the page it shows.
    struct Tab {
        std::string_view key;
        const char* caption;
        CTabPage* page;
    };

    // Shows the page of the tab with `key`; with `initialize`, first places
    // every page on the strip's display area and selects that tab.
    void SetupTabPages(bool initialize, std::string_view key);
    void AddTab(std::string_view key, const char* caption, CTabPage& page);
    void LayoutPages();

    bool OnCreate() override;
    void OnDestroy() override;
    bool OnClose() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint(HDC dc, const PAINTSTRUCT& paint) override;
    bool OnDpiChanged(UINT dpi, const RECT& suggested) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    HWND AddControl(const char* className, const char* text, DWORD style, int id,
                    DWORD exStyle = 0);
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }
    int Scale(int dips) const;
    CDpiScale DpiScale() const { return CDpiScale(mDpi); }
    void ApplyFontAndLayout();

    CMainController* mController = nullptr;
    CAdjustPage fraAdjust;
    std::vector<Tab> mTabs;
    UINT mDpi = 96;
    UniqueGdiObject mFont;
};

} // namespace kiv::win32
