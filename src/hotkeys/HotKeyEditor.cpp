#include "hotkeys/HotKeyEditor.h"

#include "hotkeys/HotKeyText.h"

namespace kiv {

bool KeyTypesText(int64_t keyCode) {
    constexpr int64_t kBackspace = 8, kTab = 9, kEnter = 13, kSpace = 32;
    const auto within = [keyCode](int64_t first, int64_t last) {
        return keyCode >= first && keyCode <= last;
    };
    return keyCode == kBackspace || keyCode == kTab || keyCode == kEnter || keyCode == kSpace ||
           within('0', '9') || within('A', 'Z') ||
           within(96, 111) ||  // the numeric keypad's digits, signs and point
           within(186, 192) || // punctuation: ";", "=", ",", "-", ".", "/", "`"
           within(219, 223) || // "[", "\\", "]", "'" and the eighth punctuation key
           keyCode == 226;     // the extra "<>" key of European keyboards
}

bool HotKeyStopsTyping(std::string_view hotKey) {
    return hotKey.size() > 2 && !HotKeyHasCtrl(hotKey) &&
           KeyTypesText(NumberFromCharacter(hotKey, 3));
}

std::string StopsTypingMessage(std::string_view hotKey) {
    return FormatHotKey(hotKey) +
           " cannot be a hot key: KIV takes a hot key away from every program, so that "
           "character could no longer be typed anywhere.\r\n\r\nTick Control first and then "
           "choose the key, or choose one of F1 to F12.";
}

void CHotKeyEditor::LoadKeyCombo(IHotKeyEditorView& view) {
    for (const SelectableKey& key : SelectableKeys()) {
        view.AddKeyListItem(key.text, key.code);
    }
}

void CHotKeyEditor::Let_HotKey(IHotKeyEditorView& view, std::string_view hotKey) {
    CScopeFlag loading(mLoading);
    ShowOnControls(view, hotKey);
    if (mKind == HotKeyEditorKind::Control && HotKeyChanged) {
        HotKeyChanged(mHotKey);
    }
}

void CHotKeyEditor::ShowOnControls(IHotKeyEditorView& view, std::string_view hotKey) {
    mHotKey = hotKey;
    view.ShowHotKeyText(FormatHotKey(hotKey));
    if (!hotKey.empty()) {
        view.ShowShiftChecked(HotKeyHasShift(hotKey));
        view.ShowCtrlChecked(HotKeyHasCtrl(hotKey));
        // A key the list does not hold leaves the selection as it was.
        int32_t index = SelectableKeyIndex(NumberFromCharacter(hotKey, 3));
        if (index >= 0) {
            view.ShowKeyListIndex(index);
        }
    } else {
        view.ShowKeyListIndex(0);
        if (mKind == HotKeyEditorKind::MainWindow) {
            view.ShowShiftChecked(false);
            view.ShowCtrlChecked(false);
        }
    }
}

std::optional<std::string> CHotKeyEditor::SetNewKeyCode(IHotKeyEditorView& view) {
    if (mLoading) {
        return std::nullopt;
    }
    std::string text =
        MakeHotKeyText(view.IsShiftChecked(), view.IsCtrlChecked(), view.KeyListIndex());
    if (HotKeyStopsTyping(text)) {
        {
            CScopeFlag loading(mLoading);
            ShowOnControls(view, std::string(mHotKey));
        }
        view.ShowRefusal(StopsTypingMessage(text));
        return std::nullopt;
    }
    if (mKind == HotKeyEditorKind::Control) {
        Let_HotKey(view, text);
    } else {
        mHotKey = text;
    }
    return text;
}

void CHotKeyEditor::ShowBuiltHotKey(IHotKeyEditorView& view, std::string_view hotKey) {
    view.ShowHotKeyText(FormatHotKey(hotKey));
}

} // namespace kiv
