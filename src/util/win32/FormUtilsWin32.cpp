#include "util/win32/FormUtilsWin32.h"

#include "util/Strings.h"

#include <string>

namespace kiv::win32 {

std::string ComboBoxItemText(HWND combo, int32_t index) {
    const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

int AddItemDataComboBox(HWND combo, std::string_view text, int32_t itemData) {
    std::string item(text);
    int index = static_cast<int>(
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
    if (index >= 0) {
        ::SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), itemData);
    }
    return index;
}

int FindStringComboBox(HWND combo, std::string_view text, bool exact) {
    std::string wanted(text);
    return static_cast<int>(::SendMessageA(combo, exact ? CB_FINDSTRINGEXACT : CB_FINDSTRING,
                                           static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(wanted.c_str())));
}

int FindStringDriveList(HWND driveList, std::string_view text, bool exact) {
    return FindStringComboBox(driveList, text, exact);
}

void DriveListSelectItem(HWND driveList, int index) {
    ::SendMessageA(driveList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SelectAllText(HWND edit) {
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
}

void CDeviceCanvas::BeginPen(int32_t style, int32_t width, uint32_t rgb) {
    EndPen();
    mPen.Reset(::CreatePen(style, width, rgb));
    if (mPen) {
        mSelectedPen.emplace(mDc, mPen.Get());
    }
}

void CDeviceCanvas::EndPen() {
    mSelectedPen.reset();
    mPen.Reset();
}

} // namespace kiv::win32
