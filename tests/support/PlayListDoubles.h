#pragma once

#include "placement/WindowAppearance.h"
#include "playlist/DriveArrival.h"
#include "playlist/PlayListWindow.h"
#include "playlist/ProgramLauncher.h"
#include "store/PlayList.h"
#include "util/Strings.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kiv::test {

// A drive holding whatever disc the test puts in it.
struct FakeDriveReader : IDriveReader {
    DiscIdentity disc;
    DiscIdentity ReadDisc(std::string_view) override { return disc; }
};

// The player program, the disc in every drive and the watch for new windows.
struct FakeDvdSystem : FakeDriveReader, IProgramLauncher, IWindowShowWatch {
    bool StartProgram(std::string_view path) override {
        started.emplace_back(path);
        return !launchFails;
    }
    bool IsRunning(std::string_view path) override { return running.contains(std::string(path)); }
    void StartWatching(IWindowAppearanceEvents& watcher, std::chrono::milliseconds,
                       std::chrono::milliseconds) override {
        events = &watcher;
    }
    void StopWatching() override { events = nullptr; }
    bool IsWindowShown(WindowHandle window) override { return !hidden.contains(window); }
    std::vector<std::string> started;
    bool launchFails = false;
    std::set<std::string> running;
    IWindowAppearanceEvents* events = nullptr; // while watching
    std::set<WindowHandle> hidden;
};

// The arrival handling as the play list window relies on it: with adding
// allowed and automatic, the disc in the drive joins the play list.
struct AddingDriveArrival : IDriveArrival {
    AddingDriveArrival(CPlayList& list, FakeDriveReader& reader) : playList(list), drive(reader) {}
    void DriveArriveSelectSetting(std::string_view driveText, bool allowAdding, bool autoSelect,
                                  bool autoAdd, bool showNotice) override {
        calls.push_back(
            std::string(driveText) + " " +
            std::to_string(allowAdding * 1000 + autoSelect * 100 + autoAdd * 10 + showNotice));
        if (allowAdding && autoAdd) {
            playList.Add(drive.disc.Volume, "Default", drive.disc.Volume, drive.disc.SerNo);
        }
    }
    CPlayList& playList;
    FakeDriveReader& drive;
    std::vector<std::string> calls; // "D: 1010": the drive and the four flags
};

// The window's controls: rows in the order added, settings found without
// regard to case, buttons as "1" or "0" in the order Add, Update, Select, Delete.
struct FakePlayListView : IPlayListView {
    std::string TitleText() const override { return title; }
    void ShowTitleText(std::string_view text) override { title = text; }
    void FocusTitle() override { ++titleFocused; }
    void AddSettingEntry(std::string_view text) override { settings.emplace_back(text); }
    void SelectSettingEntry(std::string_view text) override {
        auto it =
            std::ranges::find_if(settings, [&](auto& s) { return EqualsIgnoreCase(s, text); });
        setting = it == settings.end() ? -1 : static_cast<int>(it - settings.begin());
    }
    std::string SelectedSettingText() const override {
        return setting < 0 ? "" : settings[static_cast<size_t>(setting)];
    }
    bool IsSettingSelected() const override { return setting >= 0; }
    void ClearRows() override { rows.clear(); }
    void AddRow(const CPlayListItem& item) override { rows.push_back(item); }
    void UpdateRow(std::string_view key, std::string_view t, std::string_view s) override {
        if (CPlayListItem* row = Row(key)) {
            row->Title = t;
            row->Setting = s;
        }
    }
    void RemoveRow(std::string_view key) override {
        std::erase_if(rows, [&](const CPlayListItem& r) { return r.ItemKey == key; });
        selected.reset();
    }
    int32_t RowCount() const override { return static_cast<int32_t>(rows.size()); }
    bool SelectRow(std::string_view key) override {
        return Row(key) != nullptr && (selected = std::string(key), true);
    }
    std::optional<std::string> FirstRowKey() const override {
        return rows.empty() ? std::nullopt : std::optional(rows[0].ItemKey);
    }
    std::optional<std::string> SelectedRowKey() const override { return selected; }
    void AutoSizeColumns() override {}
    void SetButtonEnabled(PlayListButton b, bool on) override {
        buttons[static_cast<size_t>(b)] = on ? '1' : '0';
    }
    void SetDefaultButton(PlayListButton) override {}
    void ShowStatus(std::string_view text) override { status = text; }
    void EndModal(bool) override {}

    CPlayListItem* Row(std::string_view key) {
        auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const CPlayListItem& r) { return r.ItemKey == key; });
        return it == rows.end() ? nullptr : &*it;
    }

    std::string title, status, buttons = "????";
    std::vector<std::string> settings;
    int setting = -1;
    std::vector<CPlayListItem> rows;
    std::optional<std::string> selected;
    int titleFocused = 0;
};

} // namespace kiv::test
