#pragma once

#include "platform/Geometry.h"
#include "playlist/DvdArrival.h"
#include "store/WindowSetting.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kiv {

// What the controller asks of the main window itself: the setting list, the
// caption, the tab strip and the lock watchdog's timer. The window only shows
// state and reports what the user did; setting a value here never runs a
// handler: the controller runs the handling itself where a change calls for it.
class IMainView : public IDvdArrivalView {
public:
    ~IMainView() override = default;

    virtual WindowHandle Handle() const = 0;

    // The setting list: sorted by the list itself, each entry carrying a number.
    virtual void ClearSettingList() = 0;
    virtual int32_t AddSettingListItem(std::string_view text, int32_t itemData) = 0;
    virtual int32_t SettingListCount() const = 0;
    virtual int32_t SettingListItemData(int32_t index) const = 0;
    virtual std::string SettingListText(int32_t index) const = 0;
    // First entry equal to `text`, letters compared without regard to case; -1 when none.
    virtual int32_t FindSettingListText(std::string_view text) const = 0;
    virtual int32_t SettingListIndex() const = 0;
    virtual void ShowSettingListIndex(int32_t index) = 0;

    virtual void SetCaption(std::string_view caption) = 0;
    // The setting's application name.
    virtual void ShowSetting(const CWindowSetting& setting) = 0;
    virtual void SetCheckerEnabled(bool enabled) = 0;

    // Lays out and shows the page of the tab `key`; with `initialize`, first
    // places every page on the tab strip and selects that tab.
    virtual void SetupTabPages(bool initialize, std::string_view key) = 0;
    virtual void SetToolTips() = 0;
    // 0 normal and activated, 1 minimized, anything else hidden.
    virtual void ShowAsStartMode(int32_t startMode) = 0;
    // Ends the process at once, without the normal shutdown.
    virtual void EndProgramNow() = 0;
    // Closes every modal window of the program that is open, as Cancel would.
    virtual void CancelModalWindows() = 0;
};

} // namespace kiv
