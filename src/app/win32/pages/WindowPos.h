#pragma once

#include "hotkeys/win32/KeyboardInfo.h"
#include "platform/win32/ControlHost.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// A keystroke filter for an edit box: gets each typed character code and
// returns the code to keep, or 0 to swallow it.
using KeyFilter = int16_t (*)(int16_t keyAscii);
// Routes the box's typed characters through `filter` for the box's lifetime.
void InstallKeyFilter(HWND edit, KeyFilter filter);

// Digits, Backspace, "." and "-": the WindowPos box's filter.
int16_t NumericKeyFilter(int16_t keyAscii);
// Digits and Backspace only.
int16_t DigitsKeyFilter(int16_t keyAscii);

// The WindowPos control: a caption, a box holding a number and two small
// arrow buttons, upper to increase and lower to decrease. A click steps by 1,
// by 10 with the left Shift key down, by 100 with left Shift and left Ctrl.
// After each click and whenever the box loses the focus it tells its parent
// the value as a 32-bit integer (WM_NOTIFY, kValueIncremented).
class CWindowPos : public CControlHost {
public:
    static constexpr UINT kValueIncremented = 0x4B50;
    struct NMValueIncremented {
        NMHDR header;
        int32_t newValue;
    };
    enum ControlId : int { kCaption = 1, kValue, kIncrease, kDecrease };

    CWindowPos() : CControlHost(PartColours::Page) {}
    ~CWindowPos() override;

    // The control, or null when it could not be made.
    HWND CreateControl(HWND parent, int id, const char* caption);

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    // The number in the box; an empty box becomes "0", other text reads as
    // its leading number.
    std::string Value();
    // Takes only a valid number; tells the parent nothing.
    void SetValue(std::string_view value);

    HWND Child(int id) const { return Control(id); }

private:
    bool OnCreate() override;
    bool OnSize(int width, int height) override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // An arrow click: index 0 up, 1 down.
    void cmdIncrement_Click(int index);
    void RaiseValueIncremented();

    CKeyboardInfo mKeyboard;
    std::string mInitialCaption = "X";
};

// Runs `handler` with the new value whenever the WindowPos control `id` of
// `parent` changes its value by its arrows.
void HandleValueIncremented(CWindow& parent, int id,
                            std::function<void(int32_t& newValue)> handler);

} // namespace kiv::win32
