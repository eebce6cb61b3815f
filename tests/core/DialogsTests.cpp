// The dialogs' rules over stand-ins for their windows: options, the
// selection wizard and the About box.
#include "dialogs/About.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/WindowSelect.h"
#include "support/TestSupport.h"
#include "util/FileSystem.h"
#include "util/Strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace kiv {
namespace {

using namespace test;

struct FakeOptionsView : IOptionsView {
    struct List {
        std::vector<std::pair<std::string, int32_t>> items;
        int32_t index = -1;
    };
    bool IsChecked(OptionsCheck box) const override { return checks.count(box) && checks.at(box); }
    void ShowChecked(OptionsCheck box, bool checked) override { checks[box] = checked; }
    bool IsSpecifyDimensionsEnabled() const override { return specifyEnabled; }
    void EnableSpecifyDimensions(bool enabled) override { specifyEnabled = enabled; }
    void EnableAssumedDimensions(bool enabled) override { assumedEnabled = enabled; }
    std::string Text(OptionsText box) const override { return texts.at(box); }
    void ShowText(OptionsText box, std::string_view text) override { texts[box] = text; }
    void FocusText(OptionsText box) override { focused.push_back(box); }
    void AddListItem(OptionsList list, std::string_view text, int32_t data) override {
        lists[list].items.emplace_back(text, data);
    }
    int32_t ListIndex(OptionsList list) const override { return lists.at(list).index; }
    void ShowListIndex(OptionsList list, int32_t index) override { lists[list].index = index; }
    std::string ListText(OptionsList list, int32_t i) const override {
        return lists.at(list).items.at(static_cast<size_t>(i)).first;
    }
    int32_t ListItemData(OptionsList list, int32_t i) const override {
        return lists.at(list).items.at(static_cast<size_t>(i)).second;
    }
    int32_t FindListText(OptionsList list, std::string_view text, bool exact) const override {
        const auto& items = lists[list].items;
        const auto found = std::find_if(items.begin(), items.end(), [&](const auto& item) {
            return EqualsIgnoreCase(exact ? item.first : item.first.substr(0, text.size()), text);
        });
        return found == items.end() ? -1 : static_cast<int32_t>(found - items.begin());
    }
    void ShowFeatureHotKey(std::string_view) override {}
    void SetToolTips() override {}
    void Unload() override { unloaded = true; }

    std::map<OptionsCheck, bool> checks;
    bool specifyEnabled = false;
    bool assumedEnabled = false;
    std::map<OptionsText, std::string> texts;
    std::vector<OptionsText> focused;
    mutable std::map<OptionsList, List> lists{
        {OptionsList::Drive, {{{"C: [System]", 0}, {"R:", 0}}}}};
    bool unloaded = false;
};

struct OptionsDialogRules : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    COptions options{reporter};
    FakeOptionsView view;
    std::optional<COptionsDialog> dialog;
    void Open(IStartWithWindows* logon = nullptr) {
        options.INIFilePath = (dir.Path() / "KIV.ini").string();
        dialog.emplace(view, OptionsDialogInput{options, {"4x3", "Letterbox"}, {}, logon},
                       reporter);
        dialog->Form_Load();
    }
};

TEST_F(OptionsDialogRules, MarginChecksRefuseTextAndValuesBelowMinusOne) {
    Open();
    const struct {
        const char* text;
        const char* message; // null: accepted
    } cases[] = {{"abc", "Value must be numeric"},
                 {"-2", "Value must be -1 for default, or a positive number"},
                 {"-1", nullptr},
                 {"0", nullptr},
                 {"25", nullptr}};
    for (const auto& c : cases) {
        view.focused.clear();
        view.texts[OptionsText::SideMargin] = c.text;
        dialog->ValidateMargin(OptionsText::SideMargin);
        EXPECT_EQ(reporter.Take(), c.message ? Texts{"KIV: " + std::string(c.message)} : Texts{});
        EXPECT_EQ(view.focused,
                  c.message ? std::vector{OptionsText::SideMargin} : std::vector<OptionsText>{});
        EXPECT_EQ(view.texts[OptionsText::SideMargin], c.text);
    }

    // Two failing boxes: the focus given back to the side margin takes it
    // from the title bar margin, whose check that causes is dropped; leaving
    // for Exit checks nothing; the side margin's own next check counts.
    view.texts[OptionsText::TitleBarMargin] = view.texts[OptionsText::SideMargin] = "-2";
    dialog->MarginLeft(OptionsText::SideMargin, false);
    dialog->MarginLeft(OptionsText::TitleBarMargin, false);
    dialog->MarginLeft(OptionsText::SideMargin, true);
    EXPECT_EQ(reporter.messages.size(), 1u);
    dialog->MarginLeft(OptionsText::SideMargin, false);
    EXPECT_EQ(reporter.messages.size(), 2u);
}

TEST_F(OptionsDialogRules, SaveGathersTheControlsInOrderAndStopsAtABoxItCannotRead) {
    options.WindowStartMode = 7; // not offered: the list shows no start mode
    options.Drive = "r";
    options.AssumedHeight = 480;
    Open();
    EXPECT_EQ(view.ListIndex(OptionsList::Drive), 1);
    EXPECT_TRUE(view.specifyEnabled);
    EXPECT_FALSE(view.assumedEnabled);

    // Without the window size hook the dimensions are neither offered nor taken.
    view.checks[OptionsCheck::SubClassWindowSize] = false;
    view.checks[OptionsCheck::SpecifyDimensions] = true;
    dialog->SetControlEnabledState();
    EXPECT_FALSE(view.specifyEnabled || view.assumedEnabled);
    view.texts[OptionsText::AssumedHeight] = "";
    view.texts[OptionsText::TaskBarMargin] = "9";
    view.texts[OptionsText::TitleBarMargin] = "-";
    view.checks[OptionsCheck::PlayListAutoSelect] = false;
    dialog->cmdSave_Click();
    EXPECT_EQ(reporter.Said(), Texts{"cmdSave_Click: Error: 13. Type mismatch"});
    EXPECT_FALSE(options.SubClassWindowSize || options.SpecifyDimensions);
    EXPECT_EQ(options.AssumedHeight, 480);
    EXPECT_EQ(options.TaskBarMargin, 9);
    EXPECT_TRUE(options.PlayListAutoSelect); // after the failing box: untouched

    view.texts[OptionsText::TitleBarMargin] = "-1";
    view.lists[OptionsList::PlayListDefaultSetting].index = 1;
    dialog->cmdSave_Click();
    EXPECT_EQ(reporter.messages.back().text, "Error: 9. Subscript out of range");
    EXPECT_FALSE(view.unloaded || FileExists(options.INIFilePath));

    view.lists[OptionsList::WindowStartMode].index = 2;
    // A file that cannot be written is said; the dialog stays open and the
    // program goes on with the options it had.
    std::filesystem::create_directory(options.INIFilePath);
    dialog->cmdSave_Click();
    EXPECT_EQ(reporter.Said().back(), "SaveSettings: Error: 75. Path/File access error");
    EXPECT_FALSE(view.unloaded || options.WindowStartMode == 2);
    std::filesystem::remove(options.INIFilePath);
    dialog->cmdSave_Click();
    EXPECT_TRUE(view.unloaded);
    COptions read(reporter);
    read.INIFilePath = options.INIFilePath;
    read.RetrieveSettings();
    EXPECT_EQ(read.WindowStartMode, 2);
    EXPECT_EQ(read.Drive, "R");
    EXPECT_EQ(read.PlayListDefaultSetting, "Letterbox");
    EXPECT_FALSE(read.PlayListAutoSelect);
}

// The Run key as the dialog sees it: one entry, and a system that may refuse.
struct FakeStartWithWindows : IStartWithWindows {
    std::optional<std::string> Entry() override { return entry; }
    bool WriteEntry(const std::string& command) override { return Change(command); }
    bool RemoveEntry() override { return Change(std::nullopt); }
    bool Change(std::optional<std::string> to) {
        entry = refuse ? entry : to;
        return !refuse;
    }
    std::string ProgramPath() override { return "C:\\Program Files\\KIV\\kiv.exe"; }
    std::optional<std::string> entry;
    bool refuse = false;
};

TEST_F(OptionsDialogRules, TheStartBoxShowsAnEntryForThisCopyAndSaveChangesOnlyWhatItChanged) {
    const std::string mine = "\"C:\\Program Files\\KIV\\kiv.exe\"";
    const struct {
        std::optional<std::string> before;
        bool shown;
        bool ticked;
        bool refuse;
        std::optional<std::string> after; // the entry once Save is pressed
    } cases[] = {
        {std::nullopt, false, true, false, mine},
        {mine, true, false, false, std::nullopt},
        {" c:\\program files\\kiv\\KIV.EXE ", true, false, false, std::nullopt},
        // Arguments after the quoted path are kept while the box stays ticked.
        {mine + " /S Anamorphic", true, true, false, mine + " /S Anamorphic"},
        // Another copy's entry is not this one's to remove; ticked, it is taken over.
        {"\"D:\\Old\\kiv.exe\"", false, false, false, "\"D:\\Old\\kiv.exe\""},
        {"\"D:\\Old\\kiv.exe\"", false, true, false, mine},
        {"", false, false, false, ""},
        // Refused: said, nothing saved, and the dialog stays open.
        {std::nullopt, false, true, true, std::nullopt},
        {mine, true, false, true, mine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before.value_or("(none)") + (c.ticked ? " ticked" : " unticked"));
        std::filesystem::remove(dir.Path() / "KIV.ini");
        view = FakeOptionsView{};
        FakeStartWithWindows logon;
        logon.entry = c.before;
        logon.refuse = c.refuse;
        options.StartWithWindows = false;
        Open(&logon);
        EXPECT_EQ(view.IsChecked(OptionsCheck::StartWithWindows), c.shown);
        view.checks[OptionsCheck::StartWithWindows] = c.ticked;
        dialog->cmdSave_Click();
        EXPECT_EQ(logon.entry, c.after);
        EXPECT_EQ(view.unloaded, !c.refuse);
        EXPECT_EQ(options.StartWithWindows, c.ticked && !c.refuse);
        EXPECT_EQ(FileExists(options.INIFilePath), !c.refuse);
        const std::string refusal =
            "KIV: " + std::string(c.ticked ? COptionsDialog::kStartNotAddedMessage
                                           : COptionsDialog::kStartNotRemovedMessage);
        EXPECT_EQ(reporter.Take(), c.refuse ? Texts{refusal} : Texts{});
    }
}

TopLevelWindow Shown(std::string caption, std::string className, bool visible = true,
                     bool owned = false) {
    return {0, std::move(caption), std::move(className), visible, owned};
}

TEST(WindowSelect, ListsVisibleUnownedCaptionedWindowsAndKeepsEachOnesClass) {
    CWindowSelect wizard;
    const std::vector<std::string> listed = wizard.FillListBoxWithWindows({
        Shown("Player A", "PlayerA"),
        Shown("Hidden", "P", false),
        Shown("Open", "#32770", true, true),
        Shown("", "NoCaption"),
        Shown("Program Manager", "Progman"),
        Shown("F", "CabinetWClass"),
        Shown("E", "ExploreWClass"),
        Shown("VB", "ThunderMain"),
        Shown("Form", "ThunderFormDC"),
        Shown("KIV", "frmMain"),
        Shown("Twin", "First"),
        // Names compared exactly: these stay.
        Shown("kiv", "progman"),
        Shown("KIV - Letterbox", "frmMain"),
        Shown("Twin", "Second"),
    });
    EXPECT_EQ(listed,
              (std::vector<std::string>{"Player A", "Twin", "kiv", "KIV - Letterbox", "Twin"}));
    for (const auto& [index, item] : std::map<int, std::string>{{1, "First"}, {4, "Second"}}) {
        wizard.ListClicked(index);
        EXPECT_EQ(wizard.WindowItem(false), "Class:" + item);
        EXPECT_EQ(wizard.WindowItem(true), "Twin");
    }
}

TEST(WindowSelect, PagesDecideTheButtons) {
    CWindowSelect wizard;
    // Each step, then the page and its buttons: Back, whether Next is on, its caption.
    const std::pair<std::function<void()>, std::string> steps[] = {
        {[] {}, "1 - off &Next>"},
        {[&] { wizard.AppNameChanged("WinDVD"); }, "1 - on &Next>"},
        {[&] { wizard.FillListBoxWithWindows({Shown("Player", "P")}); }, "2 back off &Finish"},
        {[&] { wizard.ListClicked(0); }, "2 back on &Finish"},
        {[&] { wizard.Back(); }, "1 - on &Next>"},
        {[&] { wizard.AppNameChanged(""); }, "1 - off &Next>"},
        // Next again lists afresh, with nothing chosen.
        {[&] {
             wizard.FillListBoxWithWindows({Shown("Other", "O"), Shown("Player", "P")});
         },
         "2 back off &Finish"},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        const WindowSelectButtons b = wizard.Buttons();
        EXPECT_EQ(std::to_string(wizard.Page()) + (b.backEnabled ? " back " : " - ") +
                      (b.nextEnabled ? "on " : "off ") + std::string(b.nextCaption),
                  steps[i].second)
            << "step " << i;
    }
    EXPECT_EQ(wizard.WindowItem(false), "");
}

TEST(AboutBox, RegistryValueTexts) {
    const std::map<std::string, RegistryValue> cases = {
        {"C:\\Tools\\msinfo32.exe", {1, std::string("C:\\Tools\\msinfo32.exe\0", 22)}},
        {"raw", {2, "raw"}},
        // Each byte's digits without their leading zero: 0x201 reads as 0x021.
        {"33", {4, std::string("\x01\x02\0\0", 4)}},
        {"4660", {4, std::string("\x34\x12\0\0", 4)}},
        {"-1", {4, "\xff\xff\xff\xff"}},
    };
    for (const auto& [expected, value] : cases) {
        EXPECT_EQ(RegistryValueText(value), expected);
    }
}

struct FakeSysInfo : ISysInfoPlatform {
    std::map<std::string, std::string> values; // text values by name
    std::string seen;                          // what started, what was said
    std::optional<RegistryValue> ReadMachineValue(std::string_view,
                                                  std::string_view name) override {
        auto it = values.find(std::string(name));
        return it == values.end() ? std::nullopt : std::optional(RegistryValue{1, it->second});
    }
    bool FileExists(std::string_view path) override { return path == "F\\MSINFO32.EXE"; }
    bool StartProgram(std::string_view path) override {
        seen += std::string(path) + " ";
        return path != "bad.exe";
    }
};

TEST(AboutBox, StartSysInfoTriesThePathThenTheFolderElseSaysUnavailable) {
    const std::map<std::string, std::map<std::string, std::string>> cases = {
        {"p.exe ", {{"PATH", "p.exe"}, {"MSINFO", "F"}}},
        {"F\\MSINFO32.EXE ", {{"MSINFO", "F"}}},
        {"bad.exe System Information Is Unavailable At This Time", {{"PATH", "bad.exe"}}},
        {"System Information Is Unavailable At This Time", {{"MSINFO", "G"}}},
    };
    for (const auto& [expected, values] : cases) {
        FakeSysInfo platform;
        platform.values = values;
        RecordingReporter reporter;
        StartSysInfo(platform, reporter);
        for (const RecordingReporter::Message& message : reporter.messages) {
            platform.seen += message.text;
        }
        EXPECT_EQ(platform.seen, expected);
    }
}

} // namespace
} // namespace kiv
