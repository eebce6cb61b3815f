#pragma once

#include "platform/win32/UniqueHandle.h"
#include "util/GDILine.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// Adds an entry (the list's own sort order places it) carrying `itemData`;
// the new entry's index.
int AddItemDataComboBox(HWND combo, std::string_view text, int32_t itemData);
// The text of entry `index`; "" when there is none.
std::string ComboBoxItemText(HWND combo, int32_t index);
// First entry equal to (exact) or beginning with `text`, case ignored; -1 when none.
int FindStringComboBox(HWND combo, std::string_view text, bool exact);
int FindStringDriveList(HWND driveList, std::string_view text, bool exact);
// Selects entry `index` of a drive list (-1: none) without raising its change handling.
void DriveListSelectItem(HWND driveList, int index);
void SelectAllText(HWND edit);

// Line drawing into a device context.
class CDeviceCanvas : public ILineCanvas {
public:
    explicit CDeviceCanvas(HDC dc) : mDc(dc) {}
    ~CDeviceCanvas() override { EndPen(); }
    void BeginPen(int32_t style, int32_t width, uint32_t rgb) override;
    void EndPen() override;
    int32_t GetROP2() override { return ::GetROP2(mDc); }
    int32_t SetROP2(int32_t mode) override { return ::SetROP2(mDc, mode); }
    bool MoveTo(int32_t x, int32_t y) override { return ::MoveToEx(mDc, x, y, nullptr) != FALSE; }
    void LineTo(int32_t x, int32_t y) override { ::LineTo(mDc, x, y); }
    uint32_t SysColor(int32_t index) override { return ::GetSysColor(index); }

private:
    HDC mDc;
    UniquePen mPen;
    // Declared after the pen: the DC lets go of it before it is deleted.
    std::optional<ScopedSelectObject> mSelectedPen;
};

} // namespace kiv::win32
