#include "dialogs/win32/frmOptions.h"

#include "dialogs/win32/FileDialog.h"
#include "platform/win32/ControlMetrics.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "util/FileSystem.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

namespace kiv::win32 {

using namespace control_metrics;

namespace {
// Layout in device-independent pixels at 96 DPI.
constexpr int kTabWidth = 460;
constexpr int kTabHeight = 240;
constexpr int kClientWidth = kTabWidth + 2 * kMargin;
constexpr int kClientHeight = kMargin + kTabHeight + kMargin + kButtonHeight + kMargin;
// The hot key editor's place on its page.
constexpr int kHotKeyX = 24;
constexpr int kHotKeyY = 86;

// A margin box is checked once the focus has left it, outside the focus change.
constexpr UINT kValidateMarginMessage = WM_APP + 1;

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kBox = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kSunken = WS_EX_CLIENTEDGE;

using O = frmOptions;
constexpr OptionsControlSpec kWindowPage[] = {
    {O::chkShowTrayIcon, WC_BUTTONA, "Show Tray Icon", kCheck, 12, 12, 300, 20,
     "Show Task Bar Icon"},
    {O::lblWindowStartMode, WC_STATICA, "Start Mode", kLabel, 12, 44, 110, 18},
    {O::cboWindowStartMode, WC_COMBOBOXA, "", kList, 130, 40, 140, 120,
     "Window start mode for main KIV window"},
    {O::chkSubClassWindowSize, WC_BUTTONA, "Allow windows larger than the desktop", kCheck, 12, 76,
     420, 20, "Allow KIV to help the application create large windows"},
    {O::chkSpecifyDimensions, WC_BUTTONA, "Specify assumed window dimensions", kCheck, 32, 100, 400,
     20, "Override default window dimension calculation"},
    {O::lblAssumedHeight, WC_STATICA, "Assumed Window Height", kLabel, 52, 133, 150, 18},
    {O::txtAssumedHeight, WC_EDITA, "", kBox, 210, 129, 70, 23, "Override Height Dimensions",
     kSunken},
    {O::lblAssumedWidth, WC_STATICA, "Assumed Window Width", kLabel, 52, 163, 150, 18},
    {O::txtAssumedWidth, WC_EDITA, "", kBox, 210, 159, 70, 23, "Override Width Dimension", kSunken},
};
constexpr OptionsControlSpec kPlayListPage[] = {
    {O::chkPlayListAutoSelect, WC_BUTTONA,
     "Allow Automatic Aspect Ratio Selection when a DVD is Inserted", kCheck, 12, 12, 430, 20,
     "Automatically change aspect settings when a DVD on the PlayList is loaded"},
    {O::chkPlayListAutoAdd, WC_BUTTONA, "Automatically Add New DVD's to the PlayList", kCheck, 12,
     36, 430, 20, "Automatically add new or unrecognized DVD's to the PlayList"},
    {O::Label1, WC_STATICA, "Default Setting for New PlayList Items:", kLabel, 12, 72, 220, 18},
    {O::cboPlayListDefaultSetting, WC_COMBOBOXA, "", kList, 236, 68, 200, 200,
     "Setting to assign when a DVD is automatically added to the PlayList"},
    {O::lblDrive, WC_STATICA, "DVD-ROM Drive", kLabel, 12, 104, 220, 18},
    {O::drvDrive, WC_COMBOBOXA, "", kList, 236, 100, 200, 200, "Drive letter of the DVD-ROM drive"},
    {O::Label3, WC_STATICA, "Launch Program Upon DVD Insertion:", kLabel, 12, 136, 420, 18},
    {O::txtLaunchApplication, WC_EDITA, "", kBox, 12, 156, 390, 23,
     "Launch this application when a DVD is inserted", kSunken},
    {O::cmdGetLaunchProgram, WC_BUTTONA, "...", BS_PUSHBUTTON | WS_TABSTOP, 408, 156, 28, 23},
};
constexpr OptionsControlSpec kBlankingPage[] = {
    {O::lblTaskBarMargin, WC_STATICA, "Task Bar Pixel Margin", kLabel, 12, 16, 280, 18},
    {O::txtTaskBarMargin, WC_EDITA, "", kBox, 300, 12, 70, 23, "Amount to allow for the task bar",
     kSunken},
    {O::lblTitleBarMargin, WC_STATICA, "Title Bar Pixel Margin (-1 for default)", kLabel, 12, 48,
     280, 18},
    {O::txtTitleBarMargin, WC_EDITA, "", kBox, 300, 44, 70, 23,
     "Amount to allow for the title bar of the applicaiton", kSunken},
    {O::lblSideMargin, WC_STATICA, "Side Window Pixel Margin (-1 for default)", kLabel, 12, 80, 280,
     18},
    {O::txtSideMargin, WC_EDITA, "", kBox, 300, 76, 70, 23,
     "Amount to allow for the side margin of the applicaiton", kSunken},
};
constexpr OptionsControlSpec kHotKeysPage[] = {
    {O::fraSetHotKey, WC_BUTTONA, "Assign Hot Key", BS_GROUPBOX, 12, 6, 300, 154},
    {O::Label2, WC_STATICA, "Select Feature to Assign HotKey", kLabel, 24, 28, 270, 18},
    {O::cboFeature, WC_COMBOBOXA, "", kList, 24, 50, 270, 260},
    // The hot key editor follows the list here (kHotKeyX, kHotKeyY).
    {O::chkGlobalKeyHook, WC_BUTTONA, "Allow global hotkeys", kCheck, 12, 170, 300, 20,
     "Enable global hotkeys even when KIV is hidden"},
};
constexpr OptionsControlSpec kOtherPage[] = {
    {O::chkUseCaptionNotClass, WC_BUTTONA,
     "Use Window Caption to identify the application (see Help for more information)",
     kCheck | BS_MULTILINE | BS_TOP, 12, 12, 430, 36,
     "Use Window Caption to identify the application"},
    {O::chkAutoMouseHide, WC_BUTTONA, "Allow Mouse Hiding", kCheck, 12, 54, 300, 20,
     "Hide the mouse pointer while the application is not maximized"},
    {O::chkDisableDVDRomContent, WC_BUTTONA, "Disable PC Friendly", kCheck, 12, 80, 300, 20,
     "Disable PC Friendly launch while KIV is running"},
    {O::chkStartWithWindows, WC_BUTTONA, "Start KIV when Windows starts", kCheck, 12, 106, 300, 20},
};

// The tabs in order, with their keys; each shows the page of the same index.
struct OptionsTab {
    std::string_view key;
    const char* caption;
};
constexpr std::array<OptionsTab, 5> kTabs = {{{"WO", "&Window"},
                                              {"PO", "&PlayList"},
                                              {"BO", "&Blanking"},
                                              {"HK", "&HotKeys"},
                                              {"OO", "&Other"}}};
constexpr size_t kHotKeysPageIndex = 3;

int CheckId(OptionsCheck box) {
    constexpr int ids[] = {O::chkSubClassWindowSize,   O::chkGlobalKeyHook,
                           O::chkSpecifyDimensions,    O::chkUseCaptionNotClass,
                           O::chkPlayListAutoSelect,   O::chkPlayListAutoAdd,
                           O::chkDisableDVDRomContent, O::chkAutoMouseHide,
                           O::chkShowTrayIcon,         O::chkStartWithWindows};
    return ids[static_cast<size_t>(box)];
}
int TextId(OptionsText box) {
    constexpr int ids[] = {O::txtAssumedWidth,   O::txtAssumedHeight, O::txtTaskBarMargin,
                           O::txtTitleBarMargin, O::txtSideMargin,    O::txtLaunchApplication};
    return ids[static_cast<size_t>(box)];
}
int ListId(OptionsList list) {
    constexpr int ids[] = {O::cboWindowStartMode, O::cboPlayListDefaultSetting, O::drvDrive,
                           O::cboFeature};
    return ids[static_cast<size_t>(list)];
}
} // namespace

// --- COptionsPage ---

void COptionsPage::Build() {
    for (const OptionsControlSpec& control : mControls) {
        HWND made =
            AddControl(control.className, control.text, control.style, control.id, control.exStyle);
        if (!control.tip.empty()) {
            WithTip(made, control.tip);
        }
    }
}

void COptionsPage::Layout(const CDpiScale& scale) {
    for (const OptionsControlSpec& control : mControls) {
        Place(control.id, scale, control.x, control.y, control.width, control.height);
    }
}

// --- frmOptions ---

frmOptions::frmOptions(const OptionsDialogInput& input) : mDialog(*this, input, mReporter) {
    mPages[0].SetControls(kWindowPage);
    mPages[1].SetControls(kPlayListPage);
    mPages[2].SetControls(kBlankingPage);
    mPages[3].SetControls(kHotKeysPage);
    mPages[4].SetControls(kOtherPage);
}

void frmOptions::Show(HWND owner, const OptionsDialogInput& input) {
    frmOptions dialog(input);
    dialog.RunModal(owner, ClassSpec{"frmOptions"}, "KIV Options");
}

bool frmOptions::OnCreate() {
    const HWND window = Hwnd();
    mReporter.SetOwner(window);
    HWND tab = CreateChild(window, WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, tabOptions);
    for (size_t i = 0; i < kTabs.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabs[i].caption);
        ::SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        mPages[i].CreatePage(window);
        mPages[i].Build();
    }
    // The hot key editor sits between the feature list and the global box.
    COptionsPage& hotKeys = mPages[kHotKeysPageIndex];
    mHotKey.Create(hotKeys.Hwnd(), hkFeature, 0, 0);
    ::SetWindowPos(mHotKey.Hwnd(), hotKeys.Control(cboFeature), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    mButtonTips.Note(CreatePushButton(window, "Save", cmdSave), "Save the changes to the options");
    mButtonTips.Note(CreatePushButton(window, "E&xit", cmdExit), "Exit the Options form");
    mToolTips = CreateToolTips(window);
    Keyboard().SetButtons({0, cmdExit});
    Keyboard().SetFirstFocus(tab);
    Keyboard().UseTabStrip(tab, [this](size_t index) {
        if (index < kTabs.size()) {
            tabOptions_Click(kTabs[index].key);
        }
    });

    HandleNotify(tabOptions, TCN_SELCHANGE, [this](NMHDR&) {
        const auto selected =
            static_cast<size_t>(::SendMessageA(Item(tabOptions), TCM_GETCURSEL, 0, 0));
        tabOptions_Click(selected < kTabs.size() ? kTabs[selected].key : std::string_view());
        return LRESULT{0};
    });
    HandleCommand(cboFeature, CBN_SELCHANGE, [this](HWND) { mDialog.cboFeature_Click(); });
    mHotKey.HotKeyChanged = [this](const std::string& text) {
        mDialog.hkFeature_HotKeyChanged(text);
    };
    for (int box : {chkSpecifyDimensions, chkSubClassWindowSize, chkGlobalKeyHook}) {
        HandleCommand(box, BN_CLICKED, [this](HWND) { mDialog.SetControlEnabledState(); });
    }
    HandleCommand(cmdGetLaunchProgram, BN_CLICKED, [this](HWND) { cmdGetLaunchProgram_Click(); });
    HandleCommand(cmdSave, BN_CLICKED, [this](HWND) { mDialog.cmdSave_Click(); });
    HandleCommand(cmdExit, BN_CLICKED, [this](HWND) { mDialog.cmdExit_Click(); });
    FilterTextBoxes();
    FillDriveList();

    ApplyDpi();
    ::SendMessageA(tab, TCM_SETCURSEL, 0, 0);
    tabOptions_Click(kTabs[0].key);
    mDialog.Form_Load();
    return true;
}

void frmOptions::Layout(const CDpiScale& scale) {
    Place(tabOptions, scale, kMargin, kMargin, kTabWidth, kTabHeight);
    const int buttonTop = kMargin + kTabHeight + kMargin;
    Place(cmdExit, scale, kClientWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth,
          kButtonHeight);
    Place(cmdSave, scale, kClientWidth - kMargin - 2 * kButtonWidth - 8, buttonTop, kButtonWidth,
          kButtonHeight);

    // Every page covers the strip's display area.
    HWND tab = Item(tabOptions);
    RECT area{};
    ::GetWindowRect(tab, &area);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    ::SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (COptionsPage& page : mPages) {
        ::SetWindowPos(page.Hwnd(), nullptr, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOACTIVATE | SWP_NOZORDER);
        page.Layout(scale);
    }
    mHotKey.Layout(scale);
    ::SetWindowPos(mHotKey.Hwnd(), nullptr, scale(kHotKeyX), scale(kHotKeyY), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SizeFrameToClient(Hwnd(), scale, kClientWidth, kClientHeight);

    if (mToolTips != nullptr) {
        ::SendMessageA(mToolTips, WM_SETFONT, ::SendMessageA(Item(cmdSave), WM_GETFONT, 0, 0),
                       FALSE);
    }
}

void frmOptions::FillDriveList() {
    HWND list = Item(drvDrive);
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) {
            continue;
        }
        std::string entry{letter, ':'};
        const std::string root = entry + "\\";
        // Only a fixed disk is asked for its name: a removable or disc drive
        // may have nothing in it, or take seconds to spin up.
        char label[MAX_PATH + 1] = {};
        if (::GetDriveTypeA(root.c_str()) == DRIVE_FIXED &&
            ::GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                                    nullptr, 0) &&
            label[0] != '\0') {
            entry += std::string(" [") + label + "]";
        }
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void frmOptions::FilterTextBoxes() {
    for (OptionsText box :
         {OptionsText::AssumedHeight, OptionsText::AssumedWidth, OptionsText::TaskBarMargin,
          OptionsText::TitleBarMargin, OptionsText::SideMargin}) {
        const bool checked = box == OptionsText::TitleBarMargin || box == OptionsText::SideMargin;
        SubclassControl(
            Item(TextId(box)),
            [this, box, checked](HWND, UINT message, WPARAM& wParam,
                                 LPARAM) -> std::optional<LRESULT> {
                if (message == WM_CHAR) {
                    const int16_t kept =
                        COptionsDialog::FilterKeyPress(box, static_cast<int16_t>(wParam));
                    if (kept == 0) {
                        return 0;
                    }
                    wParam = static_cast<WPARAM>(kept);
                } else if (message == WM_KILLFOCUS && checked) {
                    // Only a move to another control of the dialog checks the value.
                    const auto next = reinterpret_cast<HWND>(wParam);
                    if (next != nullptr && ::IsChild(Hwnd(), next)) {
                        ::PostMessageA(Hwnd(), kValidateMarginMessage, static_cast<WPARAM>(box),
                                       next == Item(cmdExit) ? 1 : 0);
                    }
                }
                return std::nullopt;
            });
    }
}

bool frmOptions::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kValidateMarginMessage) {
        mDialog.MarginLeft(static_cast<OptionsText>(wParam), lParam != 0);
        result = 0;
        return true;
    }
    return false;
}

void frmOptions::tabOptions_Click(std::string_view key) {
    for (COptionsPage& page : mPages) {
        ::ShowWindow(page.Hwnd(), SW_HIDE);
    }
    for (size_t i = 0; i < kTabs.size(); ++i) {
        if (kTabs[i].key == key) {
            ::SetWindowPos(mPages[i].Hwnd(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        }
    }
}

void frmOptions::cmdGetLaunchProgram_Click() {
    TrapErrors(mReporter, "cmdGetLaunchProgram_Click", [&] {
        CFileDialog dialog(mReporter);
        dialog.DialogTitle = "Location Program to Launch";
        const std::string current = Text(OptionsText::LaunchApplication);
        if (FileExists(current)) {
            dialog.FileName = current;
        }
        dialog.hWndParent = Hwnd();
        dialog.Filter = "Programs (*.EXE)|*.EXE";
        constexpr DWORD kFlags =
            OFN_EXPLORER | OFN_LONGNAMES | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        dialog.Flags = kFlags;
        if (dialog.Show()) {
            ShowText(OptionsText::LaunchApplication, dialog.FileName);
        }
    });
}

HWND frmOptions::Item(int id) const {
    if (HWND own = ::GetDlgItem(Hwnd(), id)) {
        return own;
    }
    for (const COptionsPage& page : mPages) {
        if (HWND control = page.Control(id)) {
            return control;
        }
    }
    return nullptr;
}

// --- IOptionsView ---

bool frmOptions::IsChecked(OptionsCheck box) const {
    return ::SendMessageA(Item(CheckId(box)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmOptions::ShowChecked(OptionsCheck box, bool checked) {
    ::SendMessageA(Item(CheckId(box)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool frmOptions::IsSpecifyDimensionsEnabled() const {
    return ::IsWindowEnabled(Item(chkSpecifyDimensions)) != FALSE;
}

void frmOptions::EnableSpecifyDimensions(bool enabled) {
    ::EnableWindow(Item(chkSpecifyDimensions), enabled ? TRUE : FALSE);
}

void frmOptions::EnableAssumedDimensions(bool enabled) {
    for (int id : {txtAssumedHeight, txtAssumedWidth, lblAssumedHeight, lblAssumedWidth}) {
        ::EnableWindow(Item(id), enabled ? TRUE : FALSE);
    }
}

std::string frmOptions::Text(OptionsText box) const {
    return WindowText(Item(TextId(box)));
}

void frmOptions::ShowText(OptionsText box, std::string_view text) {
    win32::ShowText(Item(TextId(box)), text);
}

void frmOptions::FocusText(OptionsText box) {
    HWND control = Item(TextId(box));
    // The user may have gone to another page meanwhile: the box's page comes back.
    for (size_t i = 0; i < mPages.size(); ++i) {
        if (::GetParent(control) == mPages[i].Hwnd() && !::IsWindowVisible(mPages[i].Hwnd())) {
            ::SendMessageA(Item(tabOptions), TCM_SETCURSEL, i, 0);
            tabOptions_Click(kTabs[i].key);
        }
    }
    ::SetFocus(control);
}

void frmOptions::AddListItem(OptionsList list, std::string_view text, int32_t itemData) {
    AddItemDataComboBox(Item(ListId(list)), text, itemData);
}

int32_t frmOptions::ListIndex(OptionsList list) const {
    return static_cast<int32_t>(::SendMessageA(Item(ListId(list)), CB_GETCURSEL, 0, 0));
}

void frmOptions::ShowListIndex(OptionsList list, int32_t index) {
    if (list == OptionsList::Drive) {
        DriveListSelectItem(Item(drvDrive), index);
        return;
    }
    ::SendMessageA(Item(ListId(list)), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string frmOptions::ListText(OptionsList list, int32_t index) const {
    return ComboBoxItemText(Item(ListId(list)), index);
}

int32_t frmOptions::ListItemData(OptionsList list, int32_t index) const {
    return static_cast<int32_t>(
        ::SendMessageA(Item(ListId(list)), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int32_t frmOptions::FindListText(OptionsList list, std::string_view text, bool exact) const {
    return list == OptionsList::Drive ? FindStringDriveList(Item(drvDrive), text, exact)
                                      : FindStringComboBox(Item(ListId(list)), text, exact);
}

void frmOptions::ShowFeatureHotKey(std::string_view hotKey) {
    mHotKey.SetHotKey(hotKey);
}

void frmOptions::SetToolTips() {
    for (const COptionsPage& page : mPages) {
        page.ToolTips().AddTo(mToolTips);
    }
    mButtonTips.AddTo(mToolTips);
}

void frmOptions::Unload() {
    EndDialog(true);
}

} // namespace kiv::win32
