#include "hotkeys/win32/HotKeyControl.h"

#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

namespace kiv::win32 {

// --- CHotKeyEditorControls ---

void CHotKeyEditorControls::Create(HWND parent, const Ids& ids, const Captions& captions) {
    mParent = parent;
    mIds = ids;
    CreateChild(parent, WC_BUTTONA, captions.shift, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
                ids.shift);
    CreateChild(parent, WC_BUTTONA, captions.ctrl, BS_AUTOCHECKBOX | WS_TABSTOP, ids.ctrl);
    CreateChild(parent, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, ids.key);
    CreateChild(parent, WC_STATICA, captions.caption, SS_LEFT | SS_NOPREFIX, ids.caption);
    CreateChild(parent, WC_STATICA, "", SS_LEFT | SS_NOPREFIX, ids.hotKey);
}

void CHotKeyEditorControls::Layout(const CDpiScale& scale, int x, int y) {
    PlaceControl(ShiftBox(), scale, x, y + 2, 64, 20);
    PlaceControl(CtrlBox(), scale, x + 70, y + 2, 80, 20);
    // A drop-down list's height includes its open list.
    PlaceControl(KeyList(), scale, x + 160, y, kWidth - 160, 260);
    PlaceControl(Caption(), scale, x, y + 36, 100, 18);
    PlaceControl(HotKeyLabel(), scale, x + 104, y + 36, kWidth - 104, 18);
}

bool CHotKeyEditorControls::IsChange(int id, int code) const {
    return ((id == mIds.shift || id == mIds.ctrl) && code == BN_CLICKED) ||
           (id == mIds.key && code == CBN_SELCHANGE);
}

void CHotKeyEditorControls::AddKeyListItem(std::string_view text, int32_t keyCode) {
    // The list keeps the order it is given; it is not sorted.
    std::string item(text);
    const LRESULT index =
        ::SendMessageA(KeyList(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (index >= 0) {
        ::SendMessageA(KeyList(), CB_SETITEMDATA, static_cast<WPARAM>(index), keyCode);
    }
}

bool CHotKeyEditorControls::IsShiftChecked() const {
    return ::SendMessageA(ShiftBox(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool CHotKeyEditorControls::IsCtrlChecked() const {
    return ::SendMessageA(CtrlBox(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int32_t CHotKeyEditorControls::KeyListIndex() const {
    return static_cast<int32_t>(::SendMessageA(KeyList(), CB_GETCURSEL, 0, 0));
}

void CHotKeyEditorControls::ShowShiftChecked(bool checked) {
    ::SendMessageA(ShiftBox(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CHotKeyEditorControls::ShowCtrlChecked(bool checked) {
    ::SendMessageA(CtrlBox(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CHotKeyEditorControls::ShowKeyListIndex(int32_t index) {
    ::SendMessageA(KeyList(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CHotKeyEditorControls::ShowHotKeyText(std::string_view text) {
    ::SetWindowTextA(HotKeyLabel(), std::string(text).c_str());
}

void CHotKeyEditorControls::ShowRefusal(std::string_view message) {
    CMessageBoxReporter box;
    box.SetOwner(::GetAncestor(mParent, GA_ROOT));
    box.ShowMessage(message, kAppTitle);
}

// --- CHotKeyControl ---

CHotKeyControl::~CHotKeyControl() {
    Destroy();
}

bool CHotKeyControl::Create(HWND parent, int id, int x, int y) {
    ClassSpec spec{"HotKey"};
    spec.background = nullptr; // the parent's colour shows through
    return CWindow::Create(spec, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_TABSTOP, "", x, y,
                           0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

bool CHotKeyControl::OnCreate() {
    mControls.Create(Hwnd(), {kShift, kCtrl, kKey, kCaption, kHotKey},
                     {"&Shift", "&Control", "Current Hot Key:"});
    CHotKeyEditor::LoadKeyCombo(mControls);
    for (int id : {kShift, kCtrl}) {
        HandleCommand(id, BN_CLICKED, [this](HWND) { mEditor.SetNewKeyCode(mControls); });
    }
    HandleCommand(kKey, CBN_SELCHANGE, [this](HWND) { mEditor.SetNewKeyCode(mControls); });
    mEditor.HotKeyChanged = [this](const std::string& text) {
        if (HotKeyChanged) {
            HotKeyChanged(text);
        }
    };

    mToolTip = CreateToolTips(Hwnd());
    const std::pair<HWND, const char*> tips[] = {
        {mControls.ShiftBox(), "Hotkey includes the Shift Key"},
        {mControls.CtrlBox(), "Hotkey includes Ctrl Key"},
        {mControls.KeyList(), "Hotkey includes this Key"},
    };
    for (const auto& [control, text] : tips) {
        AddToolTip(mToolTip, control, text);
    }
    Layout(CDpiScale(WindowDpi(Hwnd())));
    return true;
}

void CHotKeyControl::OnDestroy() {
    if (mToolTip != nullptr) {
        ::DestroyWindow(mToolTip);
        mToolTip = nullptr;
    }
}

void CHotKeyControl::Layout(const CDpiScale& scale) {
    mControls.Layout(scale, 0, 0);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, scale(CHotKeyEditorControls::kWidth),
                   scale(CHotKeyEditorControls::kHeight),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string CHotKeyControl::caption() const {
    return WindowText(mControls.Caption());
}

void CHotKeyControl::SetCaption(std::string_view text) {
    ::SetWindowTextA(mControls.Caption(), std::string(text).c_str());
}

void CHotKeyControl::SetHotKey(std::string_view hotKey) {
    mEditor.Let_HotKey(mControls, hotKey);
}

} // namespace kiv::win32
