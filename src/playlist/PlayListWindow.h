#pragma once

#include "playlist/DriveArrival.h"
#include "store/PlayList.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The buttons whose state the play list window's rules decide.
enum class PlayListButton { Add, Update, Select, Delete };

// "KIV Play List" as its rules see it: the title box, the settings list, the
// rows of the title list (one per entry, known by the entry's key), the
// buttons and the drive status.
class IPlayListView {
public:
    virtual ~IPlayListView() = default;
    virtual std::string TitleText() const = 0;
    virtual void ShowTitleText(std::string_view text) = 0;
    virtual void FocusTitle() = 0;

    virtual void AddSettingEntry(std::string_view text) = 0;
    // Selects the first entry equal to `text`, case ignored; none when absent.
    virtual void SelectSettingEntry(std::string_view text) = 0;
    // The selected entry's text; empty when none is selected.
    virtual std::string SelectedSettingText() const = 0;
    virtual bool IsSettingSelected() const = 0;

    virtual void ClearRows() = 0;
    virtual void AddRow(const CPlayListItem& item) = 0;
    // A row that is not there is ignored.
    virtual void UpdateRow(std::string_view key, std::string_view title,
                           std::string_view setting) = 0;
    virtual void RemoveRow(std::string_view key) = 0;
    virtual int32_t RowCount() const = 0;
    // Selects the row and scrolls it into view; false when there is no such row.
    virtual bool SelectRow(std::string_view key) = 0;
    // The key of the row shown first; nothing when there are no rows.
    virtual std::optional<std::string> FirstRowKey() const = 0;
    virtual std::optional<std::string> SelectedRowKey() const = 0;
    virtual void AutoSizeColumns() = 0;

    virtual void SetButtonEnabled(PlayListButton button, bool enabled) = 0;
    // The button that Enter presses.
    virtual void SetDefaultButton(PlayListButton button) = 0;
    virtual void ShowStatus(std::string_view text) = 0;
    // Ends the window's modal display: `chosen` when the user picked a title.
    virtual void EndModal(bool chosen) = 0;
};

// What the play list window works on.
struct PlayListSources {
    CPlayList& playList;
    // The DVD-ROM drive: its letter followed by ":".
    std::string drive;
    // The main window's setting names, in its list's order.
    std::vector<std::string> settingNames;
    IDriveReader& driveReader;
    IDriveArrival& arrival;
    IErrorReporter& reporter;
};

// The play list window's rules: which titles it lists and selects, what Add,
// Update and Delete do to the play list, which buttons are offered, and the
// drive watch that shows (and in automatic-add mode adds) the disc in the drive.
class CPlayListWindow {
public:
    explicit CPlayListWindow(PlayListSources sources) : mSources(std::move(sources)) {}

    // New discs are added by the drive watch, not by Add. Set before showing.
    bool AutoAdd = false;
    // The setting of the title last chosen, added or updated.
    const std::string& CurrentSetting() const noexcept { return mCurrentSetting; }

    // The window shows itself through `view` until Detach.
    void Attach(IPlayListView& view) noexcept { mView = &view; }
    void Detach() noexcept { mView = nullptr; }

    // Fills the window: the drive status, the settings, the titles, the buttons.
    void InitializeSettings();
    void lvwTitles_ItemClick(std::string_view key);
    void txtAddTitle_GotFocus();
    void lvwTitles_GotFocus();
    void txtAddTitle_Change();
    void cmdAdd_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdSelect_Click();
    void cmdExit_Click();
    void tmrCurrentDVD_Timer();
    // Every close: the edits reach the file and deleted titles leave it.
    void Form_Unload();

    void LoadSettingList();
    void LoadPlayList();
    void SetButtonEnabledState();

private:
    IPlayListView& View() const;
    void RefreshCurrentDVD();
    void AddToPlayList(const CPlayListItem& item);
    void UpdatePlayList(const CPlayListItem& item);
    CPlayList::Pointer EntryWithKey(std::string_view key) const;

    PlayListSources mSources;
    IPlayListView* mView = nullptr;
    DiscIdentity mDisc; // in the drive at the last look
    std::string mCurrentSetting;
    CPlayList::Pointer mSelectedItem;
};

} // namespace kiv
