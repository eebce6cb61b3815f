#pragma once

#include "playlist/DriveArrival.h"
#include "playlist/PlayListWindow.h"
#include "store/PlayList.h"
#include "util/Strings.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kiv::test {

// A drive holding whatever disc the test puts in it.
struct FakeDriveReader : IDriveReader {
    DiscIdentity disc;
    DiscIdentity ReadDisc(std::string_view) override { return disc; }
};

// The arrival handling as the play list window relies on it: with adding
// allowed and automatic, the disc in the drive joins the play list.
struct AddingDriveArrival : IDriveArrival {
    AddingDriveArrival(CPlayList& list, FakeDriveReader& reader) : playList(list), drive(reader) {}
    void DriveArriveSelectSetting(std::string_view driveText, bool allowAdding, bool autoSelect,
                                  bool autoAdd, bool showNotice) override {
        calls.push_back(std::string(driveText) + " " + std::to_string(allowAdding) +
                        std::to_string(autoSelect) + std::to_string(autoAdd) +
                        std::to_string(showNotice));
        if (allowAdding && autoAdd) {
            playList.Add(drive.disc.Volume, "Default", drive.disc.Volume, drive.disc.SerNo);
        }
    }
    CPlayList& playList;
    FakeDriveReader& drive;
    std::vector<std::string> calls; // "D: 1010": the drive and the four flags
};

// The window's controls: rows in the order added, a settings list that finds
// entries without regard to case.
struct FakePlayListView : IPlayListView {
    std::string TitleText() const override { return title; }
    void ShowTitleText(std::string_view text) override { title = text; }
    void FocusTitle() override { ++titleFocused; }
    void AddSettingEntry(std::string_view text) override { settings.emplace_back(text); }
    void SelectSettingEntry(std::string_view text) override {
        auto it = std::find_if(settings.begin(), settings.end(),
                               [&](const std::string& s) { return EqualsIgnoreCase(s, text); });
        setting = it == settings.end() ? -1 : static_cast<int>(it - settings.begin());
    }
    std::string SelectedSettingText() const override {
        return setting < 0 ? "" : settings[static_cast<size_t>(setting)];
    }
    bool IsSettingSelected() const override { return setting >= 0; }
    void ClearRows() override { rows.clear(); }
    void AddRow(const CPlayListItem& item) override { rows.push_back(item); }
    void UpdateRow(std::string_view key, std::string_view t, std::string_view s) override {
        if (auto row = Row(key); row != rows.end()) {
            row->Title = t;
            row->Setting = s;
        }
    }
    void RemoveRow(std::string_view key) override {
        if (auto row = Row(key); row != rows.end()) {
            rows.erase(row);
            selected.reset();
        }
    }
    int32_t RowCount() const override { return static_cast<int32_t>(rows.size()); }
    bool SelectRow(std::string_view key) override {
        return Row(key) != rows.end() && (selected = std::string(key), true);
    }
    std::optional<std::string> FirstRowKey() const override {
        return rows.empty() ? std::nullopt : std::optional(rows[0].ItemKey);
    }
    std::optional<std::string> SelectedRowKey() const override { return selected; }
    void AutoSizeColumns() override {}
    void SetButtonEnabled(PlayListButton button, bool enabled) override {
        buttons[button] = enabled;
    }
    void SetDefaultButton(PlayListButton button) override { defaultButton = button; }
    void ShowStatus(std::string_view text) override { status = text; }
    void EndModal(bool chosen) override { ended = chosen; }

    std::vector<CPlayListItem>::iterator Row(std::string_view key) {
        return std::find_if(rows.begin(), rows.end(),
                            [&](const CPlayListItem& r) { return r.ItemKey == key; });
    }
    // Add, Update, Select, Delete as "1" or "0".
    std::string Buttons() {
        return std::to_string(buttons[PlayListButton::Add]) +
               std::to_string(buttons[PlayListButton::Update]) +
               std::to_string(buttons[PlayListButton::Select]) +
               std::to_string(buttons[PlayListButton::Delete]);
    }

    std::string title, status;
    std::vector<std::string> settings;
    int setting = -1;
    std::vector<CPlayListItem> rows;
    std::optional<std::string> selected;
    std::map<PlayListButton, bool> buttons;
    PlayListButton defaultButton = PlayListButton::Select;
    int titleFocused = 0;
    std::optional<bool> ended;
};

} // namespace kiv::test
