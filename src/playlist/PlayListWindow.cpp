// The play list window's rules, apart from its controls.
#include "playlist/PlayListWindow.h"

#include "util/RuntimeError.h"

namespace kiv {

namespace {
constexpr std::string_view kNeedTitleAndSetting =
    "Please enter a title for the DVD and select a setting from the list";
constexpr std::string_view kAlreadyListed =
    "This DVD is already on the PlayList. Please place the DVD you wish to add into the "
    "DVD-ROM drive at this time and try again.";
} // namespace

IPlayListView& CPlayListWindow::View() const {
    if (mView == nullptr) {
        Raise(ErrorNumber::InvalidProcedureCall);
    }
    return *mView;
}

CPlayList::Pointer CPlayListWindow::EntryWithKey(std::string_view key) const {
    for (const CPlayList::Pointer& item : mSources.playList) {
        if (item->ItemKey == key) {
            return item;
        }
    }
    return nullptr;
}

void CPlayListWindow::InitializeSettings() {
    TrapErrors(mSources.reporter, "Form_Load", [&] {
        View().ShowTitleText("");
        RefreshCurrentDVD();
        LoadSettingList();
        LoadPlayList();
        View().AutoSizeColumns();
        SetButtonEnabledState();
    });
}

void CPlayListWindow::RefreshCurrentDVD() {
    mDisc = mSources.driveReader.ReadDisc(mSources.drive);
    View().ShowStatus(mDisc.Present()
                          ? "Current Volume: " + mDisc.Volume + ", Serial Number: " + mDisc.SerNo
                          : std::string("Drive is empty"));
}

void CPlayListWindow::LoadSettingList() {
    TrapErrors(mSources.reporter, "LoadSettingList", [&] {
        for (const std::string& name : mSources.settingNames) {
            View().AddSettingEntry(name);
        }
    });
}

void CPlayListWindow::LoadPlayList() {
    TrapErrors(mSources.reporter, "LoadPlayList", [&] {
        IPlayListView& view = View();
        view.ClearRows();
        // Deleted titles stay listed until the window closes.
        for (const CPlayList::Pointer& item : mSources.playList) {
            AddToPlayList(*item);
        }
        bool selected = false;
        if (mDisc.Present()) {
            if (CPlayList::Pointer inDrive =
                    mSources.playList.LocatePlayListItem(mDisc.Volume, mDisc.SerNo)) {
                selected = view.SelectRow(inDrive->ItemKey);
            }
        }
        if (!selected) {
            if (std::optional<std::string> first = view.FirstRowKey()) {
                selected = view.SelectRow(*first);
            }
        }
        if (selected) {
            if (std::optional<std::string> key = view.SelectedRowKey()) {
                lvwTitles_ItemClick(*key);
            }
        }
    });
}

void CPlayListWindow::AddToPlayList(const CPlayListItem& item) {
    TrapErrors(mSources.reporter, "AddToPlayList", [&] { View().AddRow(item); });
}

void CPlayListWindow::UpdatePlayList(const CPlayListItem& item) {
    TrapErrors(mSources.reporter, "UpdatePlayList",
               [&] { View().UpdateRow(item.ItemKey, item.Title, item.Setting); });
}

void CPlayListWindow::lvwTitles_ItemClick(std::string_view key) {
    TrapErrors(mSources.reporter, "lvwTitles_ItemClick", [&] {
        mSelectedItem = EntryWithKey(key);
        if (mSelectedItem) {
            View().ShowTitleText(mSelectedItem->Title);
            View().SelectSettingEntry(mSelectedItem->Setting);
            mCurrentSetting = mSelectedItem->Setting;
        }
        SetButtonEnabledState();
    });
}

void CPlayListWindow::txtAddTitle_GotFocus() {
    View().SetDefaultButton(PlayListButton::Update);
}

void CPlayListWindow::lvwTitles_GotFocus() {
    View().SetDefaultButton(PlayListButton::Select);
}

void CPlayListWindow::txtAddTitle_Change() {
    TrapErrors(mSources.reporter, "txtAddTitle_Change", [&] {
        IPlayListView& view = View();
        const bool hasTitle = !view.TitleText().empty();
        view.SetButtonEnabled(PlayListButton::Add, !AutoAdd && hasTitle);
        view.SetButtonEnabled(PlayListButton::Update,
                              view.SelectedRowKey().has_value() && hasTitle);
    });
}

void CPlayListWindow::SetButtonEnabledState() {
    TrapErrors(mSources.reporter, "SetButtonEnabledState", [&] {
        IPlayListView& view = View();
        const bool rowChosen = view.RowCount() > 0 && view.SelectedRowKey().has_value();
        for (PlayListButton button :
             {PlayListButton::Delete, PlayListButton::Select, PlayListButton::Update}) {
            view.SetButtonEnabled(button, rowChosen);
        }
        view.SetButtonEnabled(PlayListButton::Add, !AutoAdd);
    });
}

void CPlayListWindow::cmdAdd_Click() {
    TrapErrors(mSources.reporter, "cmdAdd_Click", [&] {
        IPlayListView& view = View();
        const std::string title = view.TitleText();
        if (title.empty() || !view.IsSettingSelected()) {
            mSources.reporter.ShowMessage(kNeedTitleAndSetting, kAppTitle);
            view.FocusTitle();
            return;
        }
        // Deleted titles count until the window closes.
        if (mSources.playList.LocatePlayListItem(mDisc.Volume, mDisc.SerNo)) {
            mSources.reporter.ShowMessage(kAlreadyListed, kAppTitle);
            SetButtonEnabledState();
            return;
        }
        const std::string setting = view.SelectedSettingText();
        CPlayList::Pointer added = mSources.playList.Add(title, setting, mDisc.Volume, mDisc.SerNo);
        if (!added) {
            return; // Add has said why
        }
        mSelectedItem = added;
        AddToPlayList(*added);
        // The row the buttons act on is the one highlighted.
        view.SelectRow(added->ItemKey);
        mCurrentSetting = setting;
        SetButtonEnabledState();
    });
}

void CPlayListWindow::cmdUpdate_Click() {
    TrapErrors(mSources.reporter, "cmdUpdate_Click", [&] {
        IPlayListView& view = View();
        if (mSelectedItem) {
            mSelectedItem->Title = view.TitleText();
            mSelectedItem->Setting = view.SelectedSettingText();
            mCurrentSetting = mSelectedItem->Setting;
            UpdatePlayList(*mSelectedItem);
        }
        SetButtonEnabledState();
        view.SetDefaultButton(PlayListButton::Select);
    });
}

void CPlayListWindow::cmdDelete_Click() {
    TrapErrors(mSources.reporter, "cmdDelete_Click", [&] {
        if (!mSelectedItem) {
            return;
        }
        IPlayListView& view = View();
        mSelectedItem->LogicalDelete = true;
        view.RemoveRow(mSelectedItem->ItemKey);
        view.ShowTitleText("");
        view.SetButtonEnabled(PlayListButton::Update, false);
        SetButtonEnabledState();
    });
}

void CPlayListWindow::cmdSelect_Click() {
    View().EndModal(true);
}

void CPlayListWindow::cmdExit_Click() {
    View().EndModal(false);
}

void CPlayListWindow::tmrCurrentDVD_Timer() {
    TrapErrors(mSources.reporter, "tmrCurrentDVD_Timer", [&] {
        RefreshCurrentDVD();
        if (!mDisc.Present() || !AutoAdd ||
            mSources.playList.LocatePlayListItem(mDisc.Volume, mDisc.SerNo)) {
            return;
        }
        // The main window's arrival handling adds the disc and saves the file.
        mSources.arrival.DriveArriveSelectSetting(mSources.drive, true, false, true, false);
        LoadPlayList();
        // The user names the new title next.
        View().FocusTitle();
    });
}

void CPlayListWindow::Form_Unload() {
    TrapErrors(mSources.reporter, "Form_Unload", [&] {
        mSources.playList.SaveItems();
        mSources.playList.LoadItems();
    });
}

} // namespace kiv
