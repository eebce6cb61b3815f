#include "playlist/win32/frmPlayList.h"

#include "platform/win32/ControlMetrics.h"
#include "platform/win32/Controls.h"
#include "store/KeyedCollection.h"
#include "store/SettingNameRules.h"
#include "util/Numbers.h"
#include "util/ScopeFlag.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <utility>

namespace kiv::win32 {

using namespace control_metrics;

namespace {
// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 480;
constexpr int kFrameInset = 12;
constexpr int kLabelWidth = 56;
constexpr int kRowStep = 32;
constexpr int kInfoHeight = 24 + 2 * kRowStep + 4;
constexpr int kListHeight = 140;
constexpr int kNowShowingHeight = 24 + kListHeight + kFrameInset;
constexpr int kClientHeight = kMargin + kInfoHeight + kGap + kNowShowingHeight + kGap +
                              kButtonHeight + 10 + kLabelHeight + kMargin;

struct Column {
    const char* header;
    int width;
};
constexpr std::array<Column, 4> kColumns = {
    {{"Title", 180}, {"Setting", 100}, {"Volume", 110}, {"Serial", 80}}};

int ButtonId(PlayListButton button) {
    switch (button) {
    case PlayListButton::Add:
        return frmPlayList::cmdAdd;
    case PlayListButton::Update:
        return frmPlayList::cmdUpdate;
    case PlayListButton::Select:
        return frmPlayList::cmdSelect;
    case PlayListButton::Delete:
        return frmPlayList::cmdDelete;
    }
    return frmPlayList::cmdSelect;
}

// A row carries the number of its entry's key ("C" + number).
LPARAM RowData(std::string_view key) {
    return key.size() > 1 ? StrictToInt32(key.substr(1)) : 0;
}

std::string RowKey(HWND listView, int index) {
    return ItemKeyOf(static_cast<int32_t>(ListViewItemData(listView, index)));
}

void SetSubItemText(HWND listView, int index, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    ::SendMessageA(listView, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
}
} // namespace

bool frmPlayList::Show(HWND owner, CPlayListWindow& rules) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    frmPlayList window(rules);
    return window.RunModal(owner, ClassSpec{"frmPlayList"}, "KIV Play List");
}

bool frmPlayList::OnCreate() {
    CreateControls();
    RouteControls();
    ApplyDpi();
    mListViewEnh.SetListView(Control(lvwTitles));
    SetToolTips();

    mRules.Attach(*this);
    mRules.InitializeSettings();
    SetTimerEnabled(Hwnd(), tmrCurrentDVD, true);
    return true;
}

void frmPlayList::OnDestroy() {
    SetTimerEnabled(Hwnd(), tmrCurrentDVD, false);
    mRules.Detach();
}

void frmPlayList::CreateControls() {
    const HWND window = Hwnd();
    CreateChild(window, WC_STATICA, "&Title:", SS_LEFT, lblTitle);
    HWND title =
        mTips.Note(CreateChild(window, WC_EDITA, "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                               txtAddTitle, WS_EX_CLIENTEDGE),
                   "New or updated title");
    CreateChild(window, WC_STATICA, "&Setting:", SS_LEFT, lblSetting);
    mTips.Note(CreateChild(window, WC_COMBOBOXA, "",
                           CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, cboSettings),
               "Select a setting to assign to this title");
    mTips.Note(CreatePushButton(window, "&Add", cmdAdd, WS_GROUP),
               "Add this title to the PlayList");
    mTips.Note(CreatePushButton(window, "&Update", cmdUpdate),
               "Update the current title with the new values");
    HWND list = mTips.Note(
        CreateChild(window, WC_LISTVIEWA, "",
                    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP,
                    lvwTitles, WS_EX_CLIENTEDGE),
        "Available PlayList Titles");
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (size_t i = 0; i < kColumns.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumns[i].header);
        column.cx = kColumns[i].width;
        column.iSubItem = static_cast<int>(i);
        ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    mTips.Note(CreatePushButton(window, "Se&lect", cmdSelect, BS_DEFPUSHBUTTON | WS_GROUP),
               "Select the highlighted title");
    mTips.Note(CreatePushButton(window, "&Delete", cmdDelete), "Delete the highlighted title");
    mTips.Note(CreatePushButton(window, "E&xit", cmdExit), "Exit the PlayList");
    CreateChild(window, WC_STATICA, "Loaded:", SS_LEFT | SS_NOPREFIX, lblLoaded);
    CreateChild(window, WC_STATICA, "", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, lblStatus);
    // Frames last, under the controls they group: the window clips its
    // children out of its own painting, so a frame fills its inside itself,
    // leaving out the controls above it.
    for (auto [id, caption] :
         {std::pair{fraTitleInfo, "Title Information"}, std::pair{fraNowShowing, "Now Showing:"}}) {
        HWND frame = CreateChild(window, WC_BUTTONA, caption, BS_GROUPBOX | WS_CLIPSIBLINGS, id);
        SubclassControl(
            frame,
            [](HWND control, UINT message, WPARAM& wParam, LPARAM) -> std::optional<LRESULT> {
                if (message != WM_ERASEBKGND) {
                    return std::nullopt;
                }
                RECT inside{};
                ::GetClientRect(control, &inside);
                ::FillRect(reinterpret_cast<HDC>(wParam), &inside,
                           ::GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            });
    }

    Keyboard().SetButtons({cmdSelect, cmdExit});
    Keyboard().SetFirstFocus(title);
}

void frmPlayList::RouteControls() {
    SubclassControl(Control(txtAddTitle),
                    [](HWND, UINT message, WPARAM& wParam, LPARAM) -> std::optional<LRESULT> {
                        // ";" and "=" separate the fields of the play list file.
                        if (message == WM_CHAR &&
                            !SettingNameRules::AcceptsKeystroke(static_cast<int32_t>(wParam))) {
                            return 0;
                        }
                        return std::nullopt;
                    });
    HandleCommand(txtAddTitle, EN_SETFOCUS, [this](HWND control) {
        SelectAllText(control);
        mRules.txtAddTitle_GotFocus();
    });
    HandleCommand(txtAddTitle, EN_CHANGE, [this](HWND control) {
        TakeOutSeparators(control);
        mRules.txtAddTitle_Change();
    });
    HandleCommand(cmdAdd, BN_CLICKED, [this](HWND) { mRules.cmdAdd_Click(); });
    HandleCommand(cmdUpdate, BN_CLICKED, [this](HWND) { mRules.cmdUpdate_Click(); });
    HandleCommand(cmdDelete, BN_CLICKED, [this](HWND) { mRules.cmdDelete_Click(); });
    HandleCommand(cmdSelect, BN_CLICKED, [this](HWND) { mRules.cmdSelect_Click(); });
    HandleCommand(cmdExit, BN_CLICKED, [this](HWND) { mRules.cmdExit_Click(); });
    HandleNotify(lvwTitles, NM_SETFOCUS, [this](NMHDR&) -> LRESULT {
        mRules.lvwTitles_GotFocus();
        return 0;
    });
    HandleNotify(lvwTitles, LVN_COLUMNCLICK, [this](NMHDR& header) -> LRESULT {
        mListViewEnh.HandleColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
        return 0;
    });
    // A row that is highlighted already changes nothing, so only its click
    // loads it again; a click on empty space has taken the highlight away.
    HandleNotify(lvwTitles, NM_CLICK, [this](NMHDR& header) -> LRESULT {
        const auto& click = reinterpret_cast<NMITEMACTIVATE&>(header);
        if (click.iItem >= 0) {
            mRules.lvwTitles_ItemClick(RowKey(Control(lvwTitles), click.iItem));
        } else {
            mRules.SetButtonEnabledState();
        }
        return 0;
    });
    HandleNotify(lvwTitles, LVN_ITEMCHANGED, [this](NMHDR& header) -> LRESULT {
        const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        const bool nowSelected = (change.uChanged & LVIF_STATE) != 0 &&
                                 (change.uNewState & LVIS_SELECTED) != 0 &&
                                 (change.uOldState & LVIS_SELECTED) == 0;
        if (nowSelected && !mChangingRows && change.iItem >= 0) {
            mRules.lvwTitles_ItemClick(RowKey(Control(lvwTitles), change.iItem));
        }
        return 0;
    });
}

void frmPlayList::Layout(const CDpiScale& scale) {
    const int inner = kMargin + kFrameInset;
    const int frameWidth = kClientWidth - 2 * kMargin;
    const int buttonX = kClientWidth - inner - kButtonWidth;
    const int fieldX = inner + kLabelWidth;
    const int fieldWidth = buttonX - kGap - fieldX - 4;

    int y = kMargin;
    Place(fraTitleInfo, scale, kMargin, y, frameWidth, kInfoHeight);
    int row = y + 24;
    Place(lblTitle, scale, inner, row + 4, kLabelWidth, kLabelHeight);
    Place(txtAddTitle, scale, fieldX, row, fieldWidth, kEditHeight);
    Place(cmdAdd, scale, buttonX, row - 1, kButtonWidth, kButtonHeight);
    row += kRowStep;
    Place(lblSetting, scale, inner, row + 4, kLabelWidth, kLabelHeight);
    // A drop-down list's height includes its open list.
    Place(cboSettings, scale, fieldX, row, fieldWidth, 200);
    Place(cmdUpdate, scale, buttonX, row - 1, kButtonWidth, kButtonHeight);

    y += kInfoHeight + kGap;
    Place(fraNowShowing, scale, kMargin, y, frameWidth, kNowShowingHeight);
    Place(lvwTitles, scale, inner, y + 24, frameWidth - 2 * kFrameInset, kListHeight);

    y += kNowShowingHeight + kGap;
    int x = kClientWidth - kMargin - kButtonWidth;
    for (int id : {cmdExit, cmdDelete, cmdSelect}) {
        Place(id, scale, x, y, kButtonWidth, kButtonHeight);
        x -= kButtonWidth + kGap;
    }
    y += kButtonHeight + 10;
    Place(lblLoaded, scale, kMargin, y, 50, kLabelHeight);
    Place(lblStatus, scale, kMargin + 50, y, frameWidth - 50, kLabelHeight);
    SizeFrameToClient(Hwnd(), scale, kClientWidth, kClientHeight);
}

void frmPlayList::SetToolTips() {
    mToolTips = CreateToolTips(Hwnd());
    if (mToolTips == nullptr) {
        return;
    }
    // The tips are not a child: they take the controls' font at the window's DPI.
    ::SendMessageA(mToolTips, WM_SETFONT, ::SendMessageA(Control(lblTitle), WM_GETFONT, 0, 0),
                   FALSE);
    mTips.AddTo(mToolTips);
}

bool frmPlayList::OnTimer(UINT_PTR id) {
    if (id != tmrCurrentDVD.id || mInTimer) {
        return id == tmrCurrentDVD.id;
    }
    // A message box shown from the watch lets further ticks through.
    CScopeFlag busy(mInTimer);
    mRules.tmrCurrentDVD_Timer();
    return true;
}

void frmPlayList::TakeOutSeparators(HWND box) {
    // Pasted text may bring what typing cannot.
    const std::string text = WindowText(box);
    const std::string kept = SettingNameRules::WithoutSeparators(text);
    if (kept != text) {
        ::SetWindowTextA(box, kept.c_str());
        ::SendMessageA(box, EM_SETSEL, kept.size(), static_cast<LPARAM>(kept.size()));
    }
}

int frmPlayList::RowIndex(std::string_view key) const {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = RowData(key);
    return static_cast<int>(::SendMessageA(Control(lvwTitles), LVM_FINDITEMA,
                                           static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(&find)));
}

// --- IPlayListView ---

std::string frmPlayList::TitleText() const {
    return WindowText(Control(txtAddTitle));
}

void frmPlayList::ShowTitleText(std::string_view text) {
    ::SetWindowTextA(Control(txtAddTitle), std::string(text).c_str());
}

void frmPlayList::FocusTitle() {
    ::SetFocus(Control(txtAddTitle));
}

void frmPlayList::AddSettingEntry(std::string_view text) {
    ::SendMessageA(Control(cboSettings), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

void frmPlayList::SelectSettingEntry(std::string_view text) {
    const int index = FindStringComboBox(Control(cboSettings), text, true);
    ::SendMessageA(Control(cboSettings), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string frmPlayList::SelectedSettingText() const {
    return IsSettingSelected() ? WindowText(Control(cboSettings)) : std::string();
}

bool frmPlayList::IsSettingSelected() const {
    return ::SendMessageA(Control(cboSettings), CB_GETCURSEL, 0, 0) != CB_ERR;
}

void frmPlayList::ClearRows() {
    CScopeFlag changing(mChangingRows);
    ::SendMessageA(Control(lvwTitles), LVM_DELETEALLITEMS, 0, 0);
}

void frmPlayList::AddRow(const CPlayListItem& entry) {
    CScopeFlag changing(mChangingRows);
    HWND list = Control(lvwTitles);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(entry.Title.c_str());
    item.lParam = RowData(entry.ItemKey);
    const auto index =
        static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) {
        return;
    }
    SetSubItemText(list, index, 1, entry.Setting);
    SetSubItemText(list, index, 2, entry.Volume);
    SetSubItemText(list, index, 3, entry.SerNo);
    mListViewEnh.KeepSorted();
}

void frmPlayList::UpdateRow(std::string_view key, std::string_view title,
                            std::string_view setting) {
    const int index = RowIndex(key);
    if (index < 0) {
        return;
    }
    CScopeFlag changing(mChangingRows);
    HWND list = Control(lvwTitles);
    SetSubItemText(list, index, 0, std::string(title));
    SetSubItemText(list, index, 1, std::string(setting));
    mListViewEnh.KeepSorted();
}

void frmPlayList::RemoveRow(std::string_view key) {
    const int index = RowIndex(key);
    if (index >= 0) {
        CScopeFlag changing(mChangingRows);
        ::SendMessageA(Control(lvwTitles), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    }
}

int32_t frmPlayList::RowCount() const {
    return static_cast<int32_t>(::SendMessageA(Control(lvwTitles), LVM_GETITEMCOUNT, 0, 0));
}

bool frmPlayList::SelectRow(std::string_view key) {
    const int index = RowIndex(key);
    if (index < 0) {
        return false;
    }
    CScopeFlag changing(mChangingRows);
    HWND list = Control(lvwTitles);
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&state));
    ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    return true;
}

std::optional<std::string> frmPlayList::FirstRowKey() const {
    if (RowCount() == 0) {
        return std::nullopt;
    }
    return RowKey(Control(lvwTitles), 0);
}

std::optional<std::string> frmPlayList::SelectedRowKey() const {
    HWND list = Control(lvwTitles);
    const auto index = static_cast<int>(
        ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (index < 0) {
        return std::nullopt;
    }
    return RowKey(list, index);
}

void frmPlayList::AutoSizeColumns() {
    mListViewEnh.AutoSizeColumns();
}

void frmPlayList::SetButtonEnabled(PlayListButton button, bool enabled) {
    ::EnableWindow(Control(ButtonId(button)), enabled ? TRUE : FALSE);
}

void frmPlayList::SetDefaultButton(PlayListButton button) {
    const int id = ButtonId(button);
    if (id == mDefaultButton) {
        return;
    }
    ::SendMessageA(Control(mDefaultButton), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    ::SendMessageA(Control(id), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    mDefaultButton = id;
    Keyboard().SetButtons({id, cmdExit});
}

void frmPlayList::ShowStatus(std::string_view text) {
    // Shown anew every second by the drive watch: unchanged, it is left alone.
    ShowText(Control(lblStatus), text);
}

void frmPlayList::EndModal(bool chosen) {
    if (chosen) {
        // Hidden, not closed: the caller reads the choice before it goes.
        ::ShowWindow(Hwnd(), SW_HIDE);
    }
    EndDialog(chosen);
}

} // namespace kiv::win32
