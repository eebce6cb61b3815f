#pragma once

#include "hotkeys/HotKeyEditor.h"
#include "platform/win32/ControlHost.h"
#include "platform/win32/Dpi.h"

#include <functional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// The five controls of a hot key editor inside a parent window: the Shift and
// Ctrl boxes, the key list, the caption and the label showing the hot key.
class CHotKeyEditorControls : public IHotKeyEditorView {
public:
    struct Ids {
        int shift;
        int ctrl;
        int key;
        int caption;
        int hotKey;
    };
    struct Captions {
        const char* shift;
        const char* ctrl;
        const char* caption;
    };

    void Create(HWND parent, const Ids& ids, const Captions& captions);
    // Places the controls from (x, y), in device-independent pixels.
    void Layout(const CDpiScale& scale, int x, int y);
    // The width and height Layout uses, in device-independent pixels.
    static constexpr int kWidth = 270;
    static constexpr int kHeight = 56;

    HWND ShiftBox() const { return Item(mIds.shift); }
    HWND CtrlBox() const { return Item(mIds.ctrl); }
    HWND KeyList() const { return Item(mIds.key); }
    HWND Caption() const { return Item(mIds.caption); }
    HWND HotKeyLabel() const { return Item(mIds.hotKey); }
    // Whether a notification from the control `id` is one the editor builds the text on.
    bool IsChange(int id, int code) const;

    // IHotKeyEditorView
    void AddKeyListItem(std::string_view text, int32_t keyCode) override;
    bool IsShiftChecked() const override;
    bool IsCtrlChecked() const override;
    int32_t KeyListIndex() const override;
    void ShowShiftChecked(bool checked) override;
    void ShowCtrlChecked(bool checked) override;
    void ShowKeyListIndex(int32_t index) override;
    void ShowHotKeyText(std::string_view text) override;
    void ShowRefusal(std::string_view message) override;

private:
    HWND Item(int id) const { return ::GetDlgItem(mParent, id); }

    HWND mParent = nullptr;
    Ids mIds{};
};

// The reusable hot key editor: a child window holding the five controls, with
// the control's rules (its boxes stay as they are for an empty hot key, and it
// announces every new hot key through HotKeyChanged).
class CHotKeyControl : public CControlHost {
public:
    enum ControlId : int { kShift = 100, kCtrl, kKey, kCaption, kHotKey };

    CHotKeyControl() : CControlHost(PartColours::Parent) {}
    ~CHotKeyControl() override;

    // Creates the control as child `id` of `parent`, at x, y in pixels.
    bool Create(HWND parent, int id, int x, int y);
    void Layout(const CDpiScale& scale);

    std::string caption() const;
    void SetCaption(std::string_view text);
    const std::string& HotKey() const noexcept { return mEditor.HotKey(); }
    // Shows the hot key (Let_HotKey); HotKeyChanged follows.
    void SetHotKey(std::string_view hotKey);

    std::function<void(const std::string&)> HotKeyChanged;

private:
    bool OnCreate() override;
    void OnDestroy() override;

    CHotKeyEditorControls mControls;
    CHotKeyEditor mEditor{HotKeyEditorKind::Control};
    HWND mToolTip = nullptr; // destroyed with the control
};

} // namespace kiv::win32
