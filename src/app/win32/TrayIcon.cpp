#include "app/win32/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace kiv::win32 {

bool AddTrayIcon(HWND window, HICON icon, std::string_view tip, UINT id) {
    NOTIFYICONDATAA data{};
    // The first form of the record: every shell knows it.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayIconMessage;
    data.hIcon = icon;
    while (!tip.empty() && tip.back() == ' ') {
        tip.remove_suffix(1);
    }
    const size_t length = std::min(tip.size(), sizeof(data.szTip) - 1);
    std::memcpy(data.szTip, tip.data(), length);
    data.szTip[length] = '\0';
    return ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

bool DeleteTrayIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return ::Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

bool CTrayIcon::Add(HWND window, std::string_view tip) {
    mWindow = window;
    auto icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICON));
    }
    if (icon == nullptr) {
        icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    }
    return AddTrayIcon(window, icon, tip, 0);
}

bool CTrayIcon::Delete() {
    if (mWindow == nullptr) {
        return false;
    }
    const bool removed = DeleteTrayIcon(mWindow, 0);
    mWindow = nullptr;
    return removed;
}

} // namespace kiv::win32
