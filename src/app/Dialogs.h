#pragma once

#include "dialogs/OptionsDialog.h"
#include "dialogs/WindowSelect.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv {

class CPlayListWindow;

// The modal windows the main window's commands open. Each returns what the
// user chose, or nothing when the user cancelled.
class IDialogs {
public:
    virtual ~IDialogs() = default;
    // The setting name dialog with `initialText` selected.
    virtual std::optional<std::string> AskSettingName(std::string_view initialText) = 0;
    // The options dialog; what the user saved is in `input.options` afterwards.
    virtual void ShowOptions(const OptionsDialogInput& input) = 0;
    // "KIV Play List", following the rules of `window`, over the main window;
    // true when the user chose a title (Select), false for Exit or the close box.
    virtual bool ShowPlayList(CPlayListWindow& window) = 0;
    // The application selection wizard with `appName` in its name box; the
    // window is given by its caption when `useCaption`, else by its class.
    virtual std::optional<ApplicationChoice> SelectApplication(std::string_view appName,
                                                               bool useCaption) = 0;
    virtual void ShowAbout() = 0;
};

} // namespace kiv
