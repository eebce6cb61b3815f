#pragma once

#include "store/SettingList.h"
#include "store/WindowSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kiv {

// The selected setting as the pages' features see it: its working copy and
// its placement.
class ICurrentSetting {
public:
    virtual ~ICurrentSetting() = default;
    // The working copy of the selected setting; null when none is selected.
    virtual CWindowSetting* CurrentSetting() = 0;
    virtual int32_t ListIndex() const = 0;
    // "C" + the number of the selected list entry.
    virtual std::string CurrentItemKey() const = 0;
    virtual void AdjustWindow() = 0;

    // CurrentItemKey, or "" when no entry is selected.
    std::string SelectedItemKey() const {
        return ListIndex() >= 0 ? CurrentItemKey() : std::string();
    }
    // The working copy while the entry of `key` is still the one selected,
    // else null: what ran messages meanwhile may have chosen another one.
    CWindowSetting* CurrentSettingOf(std::string_view key) {
        CWindowSetting* current = CurrentSetting();
        return current && !key.empty() && SelectedItemKey() == key ? current : nullptr;
    }
};

// The selection as the commands around the main window see it: the stored
// settings, the setting list and the working copy of the selected setting.
class ISelection : public ISettingList, public ICurrentSetting {
public:
    virtual CWindowSettings& Settings() = 0;
    // Shows `index` selected without running the selection.
    virtual void ShowListIndex(int32_t index) = 0;
    virtual std::string ListText(int32_t index) const = 0;
    // Applies the selected entry anew: the working copy is renewed from the
    // stored setting and the window placed.
    virtual void cboSettingName_Click() = 0;
    // Refills the list from the settings, selecting the same entry again;
    // the menus that list the settings follow.
    virtual void FillSettingCombo() = 0;
    virtual bool ReadOnly() const = 0;
    // The deleted setting's values leave every page: each shows none.
    virtual void ShowNoSetting() = 0;
};

} // namespace kiv
