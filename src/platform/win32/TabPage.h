#pragma once

#include "platform/win32/ControlHost.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"

#include <string_view>
#include <vector>

namespace kiv::win32 {

// One page of a tab strip: a borderless child window over the strip's display
// area that holds the page's controls, in the page colour and the font its
// window gives it. The page handles its controls'
// notifications itself (HandleCommand, HandleNotify); what it leaves goes on
// to the main window.
class CTabPage : public CControlHost {
public:
    CTabPage() : CControlHost(PartColours::Page) {}
    ~CTabPage() override;

    bool CreatePage(HWND owner);

    // Every timer of the page stops: the main window is closing.
    void StopTimers();

    // Creates the page's controls; called once after the page exists.
    virtual void Build() = 0;
    // Lays the controls out for `scale`; called after Build and on DPI changes.
    virtual void Layout(const CDpiScale& scale) = 0;
    // The tips of the page's controls.
    const CToolTipTable& ToolTips() const noexcept { return mToolTips; }

protected:
    // `control` shows `tip` once the window adds the page's tips; returns `control`.
    HWND WithTip(HWND control, std::string_view tip) { return mToolTips.Note(control, tip); }
    // A timer of the page; its ticks reach OnTimer.
    void SetTimerEnabled(const WindowTimer& timer, bool enabled);

    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::vector<UINT_PTR> mTimerIds;
    CToolTipTable mToolTips;
};

// A tab strip whose tabs each show a page over its display area, in front of
// the strip; each tab has a key its window knows it by.
class CTabStrip {
public:
    // The strip is the child control `id` of `owner`, made already.
    void Attach(HWND owner, int id);
    HWND Hwnd() const noexcept { return mStrip; }
    // A tab with `caption` at the end, and its page, made and built.
    void AddTab(std::string_view key, const char* caption, CTabPage& page);
    // Lays every page over the display area at `scale`.
    void LayoutPages(const CDpiScale& scale);
    // Shows the page of `key` alone; with `select`, its tab is selected too.
    void ShowPage(std::string_view key, bool select = false);
    // The page of the tab at `index` alone, as choosing it does.
    void ShowPageAt(size_t index);
    // TCN_SELCHANGE of the strip: the chosen tab's page shows.
    bool OnNotify(const NMHDR& header);
    void StopTimers();
    // The pages' tool tips, in `tips`.
    void AddToolTips(HWND tips) const;

private:
    struct Tab {
        std::string_view key;
        CTabPage* page;
    };
    HWND mOwner = nullptr;
    HWND mStrip = nullptr;
    std::vector<Tab> mTabs;
};

} // namespace kiv::win32
