#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// The application the selection wizard's user named and picked.
struct ApplicationChoice {
    std::string appName;
    // How the window is found: "Class:" + its class name, or its caption.
    std::string windowItem;
};

// The modal windows the main window's commands open. Each returns what the
// user chose, or nothing when the user cancelled.
class IDialogs {
public:
    virtual ~IDialogs() = default;
    // The setting name dialog with `initialText` selected.
    virtual std::optional<std::string> AskSettingName(std::string_view initialText) = 0;
    // The application selection wizard with `appName` in its name box; the
    // window is given by its caption when `useCaption`, else by its class.
    virtual std::optional<ApplicationChoice> SelectApplication(std::string_view appName,
                                                               bool useCaption) = 0;
    virtual void ShowAbout() = 0;
};

} // namespace kiv
