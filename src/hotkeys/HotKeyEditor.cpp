#include "hotkeys/HotKeyEditor.h"

#include "hotkeys/HotKeyText.h"

namespace kiv {

void CHotKeyEditor::LoadKeyCombo(IHotKeyEditorView& view) {
    for (const SelectableKey& key : SelectableKeys()) {
        view.AddKeyListItem(key.text, key.code);
    }
}

void CHotKeyEditor::Let_HotKey(IHotKeyEditorView& view, std::string_view hotKey) {
    CScopeFlag loading(mLoading);
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
    if (mKind == HotKeyEditorKind::Control && HotKeyChanged) {
        HotKeyChanged(mHotKey);
    }
}

std::optional<std::string> CHotKeyEditor::SetNewKeyCode(IHotKeyEditorView& view) {
    if (mLoading) {
        return std::nullopt;
    }
    std::string text =
        MakeHotKeyText(view.IsShiftChecked(), view.IsCtrlChecked(), view.KeyListIndex());
    if (mKind == HotKeyEditorKind::Control) {
        Let_HotKey(view, text);
    }
    return text;
}

void CHotKeyEditor::ShowBuiltHotKey(IHotKeyEditorView& view, std::string_view hotKey) {
    view.ShowHotKeyText(FormatHotKey(hotKey));
}

} // namespace kiv
