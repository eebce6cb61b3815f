#include "platform/win32/Controls.h"
#include "util/ErrorReport.h"

#include <commctrl.h>

#include <memory>
#include <vector>

namespace kiv::win32 {

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void ShowText(HWND control, std::string_view text) {
    if (WindowText(control) != text) {
        ::SetWindowTextA(control, std::string(text).c_str());
    }
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id,
                 DWORD exStyle) {
    return ::CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND CreatePushButton(HWND parent, const char* caption, int id, DWORD style) {
    return CreateChild(parent, WC_BUTTONA, caption, BS_PUSHBUTTON | WS_TABSTOP | style, id);
}

HWND CreateToolTips(HWND owner) {
    return ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, owner, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

void AddToolTip(HWND tips, HWND control, std::string_view text) {
    if (tips == nullptr || control == nullptr) {
        return;
    }
    std::string copy(text); // the tip window keeps its own copy
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = copy.data();
    ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND CToolTipTable::Note(HWND control, std::string_view text) {
    mTips.push_back({control, text});
    return control;
}

void CToolTipTable::AddTo(HWND tips, bool overParts) const {
    for (const Tip& tip : mTips) {
        AddToolTip(tips, tip.control, tip.text);
        for (HWND part = overParts && tip.control ? ::GetWindow(tip.control, GW_CHILD) : nullptr;
             part; part = ::GetWindow(part, GW_HWNDNEXT)) {
            AddToolTip(tips, part, tip.text);
        }
    }
}

void CloseOwnedWindows(HWND owner) {
    struct Search {
        HWND main;
        std::vector<HWND> found;
    } search{owner, {}};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (window != s.main && ::IsWindowVisible(window) &&
                (::GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
                ::GetAncestor(window, GA_ROOTOWNER) == s.main) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
}

namespace {
LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data) noexcept {
    auto* handler = reinterpret_cast<SubclassHandler*>(data);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, &SubclassProc, id);
        std::unique_ptr<SubclassHandler> owned(handler);
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    WPARAM passed = wParam;
    try {
        if (std::optional<LRESULT> answer = (*handler)(control, message, passed, lParam)) {
            return *answer;
        }
    } catch (...) {
        LogCurrentError("SubclassProc");
        passed = wParam;
    }
    return ::DefSubclassProc(control, message, passed, lParam);
}
} // namespace

bool SubclassControl(HWND control, SubclassHandler handler) {
    auto owned = std::make_unique<SubclassHandler>(std::move(handler));
    // The handler's address tells several subclasses of one control apart.
    const auto id = reinterpret_cast<UINT_PTR>(owned.get());
    if (!::SetWindowSubclass(control, &SubclassProc, id,
                             reinterpret_cast<DWORD_PTR>(owned.get()))) {
        return false;
    }
    owned.release(); // freed by the control's WM_NCDESTROY
    return true;
}

} // namespace kiv::win32
