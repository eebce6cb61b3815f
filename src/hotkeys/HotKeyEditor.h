#pragma once

#include "util/ScopeFlag.h"
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// The controls of a hot key editor as its rules see them: two check boxes, the
// list of selectable keys (in the order of SelectableKeys) and the label that
// shows the hot key. Showing a value never runs a handler.
class IHotKeyEditorView {
public:
    virtual ~IHotKeyEditorView() = default;
    virtual void AddKeyListItem(std::string_view text, int32_t keyCode) = 0;
    virtual bool IsShiftChecked() const = 0;
    virtual bool IsCtrlChecked() const = 0;
    // -1 when nothing is selected.
    virtual int32_t KeyListIndex() const = 0;
    virtual void ShowShiftChecked(bool checked) = 0;
    virtual void ShowCtrlChecked(bool checked) = 0;
    virtual void ShowKeyListIndex(int32_t index) = 0;
    virtual void ShowHotKeyText(std::string_view text) = 0;
    // Tells the user why a choice was not taken: a message with only an OK
    // button, titled "KIV".
    virtual void ShowRefusal(std::string_view message) = 0;
};

// True for a key that types text when pressed without Ctrl: a letter, a
// digit, space, punctuation, Enter, Tab, Backspace, the numeric keypad's
// digits and signs.
bool KeyTypesText(int64_t keyCode);
// True when a hot key text, its key kept from every program while KIV
// watches it, would stop that character being typed anywhere: a key that
// types text, without Ctrl.
bool HotKeyStopsTyping(std::string_view hotKey);
// What the editors say when they refuse such a hot key.
std::string StopsTypingMessage(std::string_view hotKey);

// The two editors differ in a few rules: the main window's frame clears its
// boxes for an empty hot key and stores what the user builds in the current
// setting; the reusable control keeps its boxes and announces every new text.
enum class HotKeyEditorKind { Control, MainWindow };

// The rules of a hot key editor: showing a hot key text on the controls, and
// building the text from them when the user changes one. While a text is being
// shown (the loading flag), the controls' change handling builds nothing. A
// hot key that would stop ordinary typing is refused: the controls go back to
// the hot key they showed, and the user is told why. A text given to
// Let_HotKey is shown as it is.
class CHotKeyEditor {
public:
    explicit CHotKeyEditor(HotKeyEditorKind kind) : mKind(kind) {}

    // Fills the key list with the selectable keys.
    static void LoadKeyCombo(IHotKeyEditorView& view);

    // Shows `hotKey` on the controls; the control kind then raises HotKeyChanged.
    void Let_HotKey(IHotKeyEditorView& view, std::string_view hotKey);

    // The text the controls now make: nothing while loading or when it is
    // refused. The control kind
    // takes the text as its hot key at once (Let_HotKey); the main window's
    // caller stores it in its setting and shows it (ShowBuiltHotKey).
    std::optional<std::string> SetNewKeyCode(IHotKeyEditorView& view);
    static void ShowBuiltHotKey(IHotKeyEditorView& view, std::string_view hotKey);

    // Runs `show` with the loading flag set, for callers that change the
    // controls outside Let_HotKey.
    template <typename Show> void WhileLoading(Show&& show) {
        CScopeFlag loading(mLoading);
        show();
    }

    const std::string& HotKey() const noexcept { return mHotKey; }
    bool IsLoading() const noexcept { return mLoading; }

    // Raised by the control kind on every Let_HotKey, from code or from the user.
    std::function<void(const std::string&)> HotKeyChanged;

private:
    // Steps 2 to 4 of Let_HotKey: the controls, not the announcement.
    void ShowOnControls(IHotKeyEditorView& view, std::string_view hotKey);

    HotKeyEditorKind mKind;
    std::string mHotKey;
    bool mLoading = false;
};

} // namespace kiv
