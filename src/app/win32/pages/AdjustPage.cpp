#include "app/win32/pages/AdjustPage.h"

#include "app/win32/Glyphs.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <string>

namespace kiv::win32 {

namespace {
// Layout in device-independent pixels.
constexpr int kMargin = 8;
constexpr int kGroupTop = 4;
constexpr int kGroupHeight = 134;
constexpr int kRowHeight = 26;
constexpr int kFirstRow = 24;
constexpr int kButton = 28;
constexpr int kButtonStep = 30;
constexpr int kIcon = 16;

constexpr int kPositionLeft = kMargin;
constexpr int kPositionWidth = 140;
constexpr int kMoveLeft = kPositionLeft + kPositionWidth + 8;
constexpr int kMoveWidth = 112;
constexpr int kSizeLeft = kMoveLeft + kMoveWidth + 8;
constexpr int kSizeWidth = 134;

// The pictures of the nudge buttons, by index.
constexpr Glyph kNudgeGlyphs[kNudgeButtonCount] = {
    Glyph::MoveLeft,   Glyph::MoveRight,   Glyph::MoveUp,      Glyph::MoveDown, Glyph::NarrowWidth,
    Glyph::WidenWidth, Glyph::LowerHeight, Glyph::RaiseHeight, Glyph::Expand,   Glyph::Shrink,
};

// The nudge buttons' repeat timer.
constexpr WindowTimer kRepeaterTimer{1, 250};

constexpr PositionLabel kLabels[] = {PositionLabel::Left, PositionLabel::Top, PositionLabel::Width,
                                     PositionLabel::Height};

// The nudge buttons' tips, by index (kSize0 + index).
constexpr std::string_view kNudgeTips[] = {
    "Move the window left one pixel",
    "Move the window right one pixel",
    "Move the window up one pixel",
    "Move the window down one pixel",
    "Decrease the window width by two pixels",
    "Increase the window width by two pixels",
    "Decrease the window height by two pixels",
    "Increase the window height by two pixels",
    "Expand the window in all directions by one pixel",
    "Shrink the window in all directions by one pixel",
};
} // namespace

void CAdjustPage::Build() {
    // Creation order is the tab order: reading order, group by group.
    AddControl(WC_BUTTONA, "Position", BS_GROUPBOX, kPositionGroup);
    const std::pair<int, const char*> rows[] = {{kLeftCaption, "Left"},
                                                {kTopCaption, "Top"},
                                                {kWidthCaption, "Width"},
                                                {kHeightCaption, "Height"}};
    for (const auto& [id, caption] : rows) {
        AddControl(WC_STATICA, caption, SS_LEFT | SS_CENTERIMAGE, id);
        // The value: a click offers to edit it in place.
        HWND value =
            AddControl(WC_STATICA, "0", SS_RIGHT | SS_NOPREFIX | SS_NOTIFY | SS_CENTERIMAGE, id + 1,
                       WS_EX_STATICEDGE);
        SubclassControl(value, [this](HWND label, UINT message, WPARAM&, LPARAM) {
            return OnLabelMessage(label, message);
        });
    }
    HWND edit = AddControl(WC_EDITA, "", ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, kPositionEdit,
                           WS_EX_CLIENTEDGE);
    ::ShowWindow(edit, SW_HIDE);
    SubclassControl(edit, [this](HWND, UINT message, WPARAM& wParam, LPARAM lParam) {
        return OnEditMessage(message, wParam, lParam);
    });

    auto nudge = [&](int32_t index) {
        HWND button = WithTip(
            AddControl(WC_BUTTONA, "", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, kSize0 + index),
            kNudgeTips[index]);
        SubclassControl(button, [this, index](HWND control, UINT message, WPARAM&, LPARAM) {
            OnNudgeMessage(control, index, message);
            return std::optional<LRESULT>();
        });
    };
    AddControl(WC_BUTTONA, "&Move Window", BS_GROUPBOX, kMoveGroup);
    for (int32_t index : {2, 0, 1, 3}) { // up, left, right, down
        nudge(index);
    }
    AddControl(WC_BUTTONA, "S&ize Window", BS_GROUPBOX, kSizeGroup);
    AddControl(WC_STATICA, "Width", SS_LEFT | SS_CENTERIMAGE, kWidthPairCaption);
    nudge(4);
    nudge(5);
    AddControl(WC_STATICA, "Height", SS_LEFT | SS_CENTERIMAGE, kHeightPairCaption);
    nudge(6);
    nudge(7);
    AddControl(WC_STATICA, "All", SS_LEFT | SS_CENTERIMAGE, kAllPairCaption);
    nudge(9); // shrink before expand, like the pairs above
    nudge(8);

    WithTip(AddControl(WC_BUTTONA, "&Get Current Position", BS_PUSHBUTTON | WS_TABSTOP, kCapture),
            "Use the size of the current application window");
    WithTip(AddControl(WC_BUTTONA, "Lock Window", BS_AUTOCHECKBOX | WS_TABSTOP, kLockPosition),
            "Lock application window in place");
    AddControl(WC_STATICA, "", SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, kDisplay);
}

void CAdjustPage::Layout(const CDpiScale& scale) {
    Place(kPositionGroup, scale, kPositionLeft, kGroupTop, kPositionWidth, kGroupHeight);
    for (int row = 0; row < 4; ++row) {
        const int top = kFirstRow + row * kRowHeight;
        const int caption = kLeftCaption + 2 * row;
        Place(caption, scale, kPositionLeft + 12, top, 50, 22);
        Place(caption + 1, scale, kPositionLeft + 62, top, 66, 22);
    }

    Place(kMoveGroup, scale, kMoveLeft, kGroupTop, kMoveWidth, kGroupHeight);
    const int crossLeft = kMoveLeft + (kMoveWidth - 3 * kButtonStep + 2) / 2;
    const int crossTop = kFirstRow;
    Place(kSize0 + 2, scale, crossLeft + kButtonStep, crossTop, kButton, kButton);
    Place(kSize0 + 0, scale, crossLeft, crossTop + kButtonStep, kButton, kButton);
    Place(kSize0 + 1, scale, crossLeft + 2 * kButtonStep, crossTop + kButtonStep, kButton, kButton);
    Place(kSize0 + 3, scale, crossLeft + kButtonStep, crossTop + 2 * kButtonStep, kButton, kButton);

    Place(kSizeGroup, scale, kSizeLeft, kGroupTop, kSizeWidth, kGroupHeight);
    const int pairCaption = kSizeLeft + 12;
    const int pairLeft = kSizeLeft + kSizeWidth - 12 - kButton - kButtonStep;
    const std::array<std::array<int, 3>, 3> pairs = {{
        {kWidthPairCaption, 4, 5},
        {kHeightPairCaption, 6, 7},
        {kAllPairCaption, 9, 8},
    }};
    for (size_t row = 0; row < pairs.size(); ++row) {
        const int top = crossTop + static_cast<int>(row) * kButtonStep;
        Place(pairs[row][0], scale, pairCaption, top, 48, kButton);
        Place(kSize0 + pairs[row][1], scale, pairLeft, top, kButton, kButton);
        Place(kSize0 + pairs[row][2], scale, pairLeft + kButtonStep, top, kButton, kButton);
    }

    const int bottom = kGroupTop + kGroupHeight + 10;
    Place(kCapture, scale, kPositionLeft, bottom, kPositionWidth, 26);
    Place(kLockPosition, scale, kMoveLeft + 4, bottom + 3, kMoveWidth - 4, 20);
    Place(kDisplay, scale, kSizeLeft, bottom + 3, kSizeWidth, 20);

    for (int32_t index = 0; index < kNudgeButtonCount; ++index) {
        UniqueIcon icon = MakeGlyphIcon(kNudgeGlyphs[index], scale(kIcon));
        ::SendMessageA(Control(kSize0 + index), BM_SETIMAGE, IMAGE_ICON,
                       reinterpret_cast<LPARAM>(icon.Get()));
        // The button only borrows the icon: the old one goes after the new one is shown.
        mNudgeIcons[static_cast<size_t>(index)] = std::move(icon);
    }
}

void CAdjustPage::ShowPosition(const CWindowSetting& setting) {
    ShowText(Control(kLeft), std::to_string(setting.WindowLeft));
    ShowText(Control(kTop), std::to_string(setting.WindowTop));
    ShowText(Control(kWidth), std::to_string(setting.WindowWidth));
    ShowText(Control(kHeight), std::to_string(setting.WindowHeight));
}

void CAdjustPage::ShowDisplay(std::string_view text) {
    if (text == mDisplayText) {
        return;
    }
    mDisplayText = text;
    // UTF-8: the size's "×" is not in every ANSI code page.
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    ::SetWindowTextW(Control(kDisplay), wide.c_str());
}

bool CAdjustPage::IsLockPositionChecked() const {
    return ::SendMessageA(Control(kLockPosition), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CAdjustPage::ShowLockPositionChecked(bool checked) {
    ::SendMessageA(Control(kLockPosition), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CAdjustPage::Bind(CPositionEditor& editor) {
    mEditor = &editor;
    HandleCommand(kLockPosition, BN_CLICKED, [this](HWND) { mEditor->chkLockPosition_Click(); });
    for (int32_t index = 0; index < kNudgeButtonCount; ++index) {
        HandleCommand(kSize0 + index, BN_CLICKED,
                      [this, index](HWND) { mEditor->cmdSize_Click(index); });
    }
    HandleCommand(kCapture, BN_CLICKED, [this](HWND) { mEditor->cmdCapture_Click(); });
    HandleCommand(kPositionEdit, EN_SETFOCUS, [](HWND edit) { SelectAllText(edit); });
    HandleCommand(kPositionEdit, EN_KILLFOCUS,
                  [this](HWND) { mEditor->txtPositionEdit_Validate(EditText()); });
}

int CAdjustPage::LabelId(PositionLabel label) {
    // Each label follows its caption, in the order of the labels.
    static_assert(kTop == kLeft + 2 && kWidth == kLeft + 4 && kHeight == kLeft + 6);
    return kLeft + 2 * static_cast<int>(label);
}

std::string CAdjustPage::PositionLabelText(PositionLabel label) const {
    return WindowText(Control(LabelId(label)));
}

void CAdjustPage::BeginPositionEdit(PositionLabel label, std::string_view text) {
    RECT rect{};
    HWND labelWindow = Control(LabelId(label));
    ::GetWindowRect(labelWindow, &rect);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    HWND edit = Control(kPositionEdit);
    ::SetWindowTextA(edit, std::string(text).c_str());
    ::SetWindowPos(edit, HWND_TOP, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_SHOWWINDOW);
    ::SetFocus(edit);
}

void CAdjustPage::EndPositionEdit(PositionLabel label, std::string_view caption) {
    HWND edit = Control(kPositionEdit);
    if (::GetFocus() == edit) {
        // A hidden box must not keep the keyboard.
        HWND next = ::GetNextDlgTabItem(::GetAncestor(Hwnd(), GA_ROOT), edit, FALSE);
        ::SetFocus(next != nullptr && next != edit ? next : Hwnd());
    }
    ::ShowWindow(edit, SW_HIDE);
    ::SetWindowTextA(Control(LabelId(label)), std::string(caption).c_str());
}

void CAdjustPage::MoveFocusToNextControl() {
    HWND next = ::GetNextDlgTabItem(::GetAncestor(Hwnd(), GA_ROOT), ::GetFocus(), FALSE);
    if (next != nullptr) {
        ::SetFocus(next);
    }
}

void CAdjustPage::SetRepeaterEnabled(bool enabled) {
    SetTimerEnabled(kRepeaterTimer, enabled);
}

bool CAdjustPage::OnTimer(UINT_PTR id) {
    if (id != kRepeaterTimer.id || mEditor == nullptr) {
        return false;
    }
    mEditor->tmrRepeater_Timer();
    return true;
}

std::string CAdjustPage::EditText() const {
    return WindowText(Control(kPositionEdit));
}

void CAdjustPage::OnNudgeMessage(HWND button, int32_t index, UINT message) {
    if (mEditor == nullptr) {
        return;
    }
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        if (message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK) {
            // The release must come back here wherever it happens.
            ::SetCapture(button);
        }
        mEditor->cmdSize_MouseDown(index);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
        mEditor->cmdSize_MouseUp();
        if ((message == WM_RBUTTONUP || message == WM_MBUTTONUP) && ::GetCapture() == button) {
            ::ReleaseCapture();
        }
        break;
    default:
        break;
    }
}

std::optional<LRESULT> CAdjustPage::OnLabelMessage(HWND label, UINT message) {
    if (message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP) {
        return std::nullopt;
    }
    for (PositionLabel which : kLabels) {
        if (LabelId(which) == ::GetDlgCtrlID(label) && mEditor != nullptr) {
            mEditor->lblPosition_MouseUp(which);
        }
    }
    return 0;
}

std::optional<LRESULT> CAdjustPage::OnEditMessage(UINT message, WPARAM& wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        // Enter and Esc belong to the box, not to the window around it.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key != nullptr && key->message == WM_KEYDOWN &&
            (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE)) {
            return DLGC_WANTALLKEYS | DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
        }
        return std::nullopt;
    }
    if (message != WM_CHAR || mEditor == nullptr) {
        return std::nullopt;
    }
    if (wParam == VK_ESCAPE) {
        mEditor->txtPositionEdit_Cancel();
        return 0;
    }
    const int16_t key = mEditor->txtPositionEdit_KeyPress(static_cast<int16_t>(wParam));
    if (key == 0) {
        return 0;
    }
    wParam = static_cast<WPARAM>(static_cast<uint16_t>(key));
    return std::nullopt;
}

} // namespace kiv::win32
