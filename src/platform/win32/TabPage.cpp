#include "platform/win32/TabPage.h"

#include <commctrl.h>

#include <algorithm>

namespace kiv::win32 {

CTabPage::~CTabPage() {
    Destroy();
}

bool CTabPage::CreatePage(HWND owner) {
    ClassSpec spec{"KIVTabPage"};
    spec.background = ::GetSysColorBrush(COLOR_WINDOW);
    return Create(spec, WS_EX_CONTROLPARENT, WS_CHILD | WS_CLIPSIBLINGS, "", 0, 0, 0, 0, owner);
}

void CTabPage::SetTimerEnabled(const WindowTimer& timer, bool enabled) {
    if (enabled && std::find(mTimerIds.begin(), mTimerIds.end(), timer.id) == mTimerIds.end()) {
        mTimerIds.push_back(timer.id);
    }
    ::kiv::win32::SetTimerEnabled(Hwnd(), timer, enabled);
}

void CTabPage::StopTimers() {
    for (UINT_PTR id : mTimerIds) {
        ::KillTimer(Hwnd(), id);
    }
}

bool CTabPage::OnCommand(int id, int code, HWND control) {
    ::SendMessageA(::GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(control));
    return true;
}

bool CTabPage::OnNotify(NMHDR& header, LRESULT& result) {
    result = ::SendMessageA(::GetParent(Hwnd()), WM_NOTIFY, header.idFrom,
                            reinterpret_cast<LPARAM>(&header));
    return true;
}

bool CTabPage::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_HSCROLL || message == WM_VSCROLL || message == WM_DRAWITEM ||
        message == WM_CONTEXTMENU) {
        result = ::SendMessageA(::GetParent(Hwnd()), message, wParam, lParam);
        return true;
    }
    return CControlHost::OnOtherMessage(message, wParam, lParam, result);
}

void CTabStrip::Attach(HWND owner, int id) {
    mOwner = owner;
    mStrip = ::GetDlgItem(owner, id);
}

void CTabStrip::AddTab(std::string_view key, const char* caption, CTabPage& page) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    ::SendMessageA(mStrip, TCM_INSERTITEMA, mTabs.size(), reinterpret_cast<LPARAM>(&item));
    page.CreatePage(mOwner);
    page.Build();
    mTabs.push_back({key, &page});
}

void CTabStrip::LayoutPages(const CDpiScale& scale) {
    RECT area{};
    ::GetWindowRect(mStrip, &area);
    ::MapWindowPoints(nullptr, mOwner, reinterpret_cast<POINT*>(&area), 2);
    ::SendMessageA(mStrip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (const Tab& tab : mTabs) {
        ::SetWindowPos(tab.page->Hwnd(), HWND_TOP, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOACTIVATE);
        tab.page->Layout(scale);
    }
}

void CTabStrip::ShowPage(std::string_view key, bool select) {
    for (size_t i = 0; select && i < mTabs.size(); ++i) {
        if (mTabs[i].key == key) {
            ::SendMessageA(mStrip, TCM_SETCURSEL, i, 0);
        }
    }
    for (const Tab& tab : mTabs) {
        ::ShowWindow(tab.page->Hwnd(), SW_HIDE);
    }
    for (const Tab& tab : mTabs) {
        if (tab.key == key) {
            ::SetWindowPos(tab.page->Hwnd(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        }
    }
}

void CTabStrip::ShowPageAt(size_t index) {
    if (index < mTabs.size()) {
        ShowPage(mTabs[index].key);
    }
}

bool CTabStrip::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != mStrip || mStrip == nullptr || header.code != TCN_SELCHANGE) {
        return false;
    }
    ShowPageAt(static_cast<size_t>(::SendMessageA(mStrip, TCM_GETCURSEL, 0, 0)));
    return true;
}

void CTabStrip::StopTimers() {
    for (const Tab& tab : mTabs) {
        tab.page->StopTimers();
    }
}

void CTabStrip::AddToolTips(HWND tips) const {
    for (const Tab& tab : mTabs) {
        tab.page->ToolTips().AddTo(tips, true);
    }
}

} // namespace kiv::win32
