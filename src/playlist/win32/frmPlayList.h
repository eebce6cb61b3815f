#pragma once

#include "platform/win32/Controls.h"
#include "platform/win32/ModalDialog.h"
#include "playlist/PlayListWindow.h"
#include "playlist/win32/ListViewEnh.h"

#include <string>

namespace kiv::win32 {

// "KIV Play List": the play list's titles, the fields to add or change one,
// and the disc in the drive. The rules live in CPlayListWindow; this window
// shows what they decide and hands them the user's actions.
class frmPlayList : public CModalDialog, private IPlayListView {
public:
    // Shows the window over `owner`, filled by `rules`, and waits; true when
    // the user chose a title with Select.
    static bool Show(HWND owner, CPlayListWindow& rules);

    enum ControlId : int {
        fraTitleInfo = 100,
        lblTitle,
        txtAddTitle,
        lblSetting,
        cboSettings,
        cmdAdd,
        cmdUpdate,
        fraNowShowing,
        lvwTitles,
        cmdSelect,
        cmdDelete,
        cmdExit,
        lblLoaded,
        lblStatus,
    };
    // The drive watch's timer.
    static constexpr WindowTimer tmrCurrentDVD{1, 1000};

private:
    explicit frmPlayList(CPlayListWindow& rules) : mRules(rules) {}

    bool OnCreate() override;
    void OnDestroy() override;
    bool OnTimer(UINT_PTR id) override;
    void CreateControls();
    void RouteControls();
    void Layout(const CDpiScale& scale) override;
    void SetToolTips();
    void TakeOutSeparators(HWND box);
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }
    int RowIndex(std::string_view key) const;

    // IPlayListView
    std::string TitleText() const override;
    void ShowTitleText(std::string_view text) override;
    void FocusTitle() override;
    void AddSettingEntry(std::string_view text) override;
    void SelectSettingEntry(std::string_view text) override;
    std::string SelectedSettingText() const override;
    bool IsSettingSelected() const override;
    void ClearRows() override;
    void AddRow(const CPlayListItem& item) override;
    void UpdateRow(std::string_view key, std::string_view title, std::string_view setting) override;
    void RemoveRow(std::string_view key) override;
    int32_t RowCount() const override;
    bool SelectRow(std::string_view key) override;
    std::optional<std::string> FirstRowKey() const override;
    std::optional<std::string> SelectedRowKey() const override;
    void AutoSizeColumns() override;
    void SetButtonEnabled(PlayListButton button, bool enabled) override;
    void SetDefaultButton(PlayListButton button) override;
    void ShowStatus(std::string_view text) override;
    void EndModal(bool chosen) override;

    CPlayListWindow& mRules;
    CListViewEnh mListViewEnh;
    HWND mToolTips = nullptr; // owned by the window, destroyed with it
    CToolTipTable mTips;      // noted as the controls are made
    int mDefaultButton = cmdSelect;
    // Rows change from the rules' side: those changes are no user's click.
    bool mChangingRows = false;
    bool mInTimer = false;
};

} // namespace kiv::win32
