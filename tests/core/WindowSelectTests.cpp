// The selection wizard's list, pages and result, and the About box's rules.
#include "dialogs/About.h"
#include "dialogs/WindowSelect.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace kiv {
namespace {

TopLevelWindow Shown(std::string caption, std::string className) {
    return {0, std::move(caption), std::move(className), true, false};
}

TEST(WindowSelect, ListsVisibleUnownedCaptionedWindowsInDesktopOrder) {
    TopLevelWindow hidden = Shown("Hidden", "Player");
    hidden.visible = false;
    TopLevelWindow dialog = Shown("Open", "#32770");
    dialog.owned = true;
    CWindowSelect wizard;
    const std::vector<std::string> listed = wizard.FillListBoxWithWindows({
        Shown("Player A", "PlayerA"),
        hidden,
        dialog,
        Shown("", "NoCaption"),
        Shown("Program Manager", "Progman"),
        Shown("Folder", "CabinetWClass"),
        Shown("Explorer", "ExploreWClass"),
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
    // The entry chosen decides the class name; the caption form is the text.
    const std::map<int, std::pair<std::string, std::string>> items = {
        {1, {"Class:First", "Twin"}}, {4, {"Class:Second", "Twin"}}, {2, {"Class:progman", "kiv"}}};
    for (const auto& [index, expected] : items) {
        wizard.ListClicked(index);
        EXPECT_EQ(wizard.WindowItem(false), expected.first);
        EXPECT_EQ(wizard.WindowItem(true), expected.second);
    }
}

TEST(WindowSelect, PagesDecideTheButtons) {
    CWindowSelect wizard;
    auto buttons = [&] {
        const WindowSelectButtons b = wizard.Buttons();
        return std::to_string(wizard.Page()) + (b.backEnabled ? " back " : " - ") +
               (b.nextEnabled ? "on " : "off ") + std::string(b.nextCaption);
    };
    EXPECT_EQ(buttons(), "1 - off &Next>");
    wizard.AppNameChanged("WinDVD");
    EXPECT_EQ(buttons(), "1 - on &Next>");
    wizard.FillListBoxWithWindows({Shown("Player", "P")});
    EXPECT_EQ(buttons(), "2 back off &Finish");
    EXPECT_EQ(wizard.WindowItem(false), ""); // nothing chosen yet
    wizard.ListClicked(0);
    EXPECT_EQ(buttons(), "2 back on &Finish");
    wizard.Back();
    EXPECT_EQ(buttons(), "1 - on &Next>");
    wizard.AppNameChanged("");
    EXPECT_EQ(buttons(), "1 - off &Next>");
    // Next again lists afresh, with nothing chosen.
    wizard.FillListBoxWithWindows({Shown("Other", "O"), Shown("Player", "P")});
    EXPECT_EQ(buttons(), "2 back off &Finish");
}

TEST(AboutBox, VersionAndRegistryValueTexts) {
    EXPECT_EQ(AboutText::VersionLine(1, 5, 0), "Version 1.5.0");
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
    std::map<std::string, RegistryValue> values; // "key|value"
    std::string existingFile;
    bool startFails = false;
    std::vector<std::string> started;
    std::optional<RegistryValue> ReadMachineValue(std::string_view key,
                                                  std::string_view value) override {
        auto it = values.find(std::string(key) + "|" + std::string(value));
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    bool FileExists(std::string_view path) override { return path == existingFile; }
    bool StartProgram(std::string_view path) override {
        started.emplace_back(path);
        return !startFails;
    }
};

TEST(AboutBox, StartSysInfoTriesThePathThenTheFolderElseSaysUnavailable) {
    const std::string path = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
    const std::string folder = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
    struct Case {
        std::map<std::string, RegistryValue> values;
        std::string existingFile;
        bool startFails;
        std::vector<std::string> started;
        size_t messages;
    };
    const std::vector<Case> cases = {
        {{{path, {1, "p.exe"}}, {folder, {1, "F"}}}, "F\\MSINFO32.EXE", false, {"p.exe"}, 0},
        {{{path, {1, "p.exe"}}, {folder, {1, "F"}}}, "F\\MSINFO32.EXE", true, {"p.exe"}, 1},
        {{{folder, {1, "F"}}}, "F\\MSINFO32.EXE", false, {"F\\MSINFO32.EXE"}, 0},
        {{{folder, {1, "F"}}}, "", false, {}, 1},
        {{}, "", false, {}, 1},
    };
    for (const Case& c : cases) {
        FakeSysInfo platform;
        platform.values = c.values;
        platform.existingFile = c.existingFile;
        platform.startFails = c.startFails;
        test::RecordingReporter reporter;
        StartSysInfo(platform, reporter);
        EXPECT_EQ(platform.started, c.started);
        ASSERT_EQ(reporter.messages.size(), c.messages);
        if (c.messages > 0) {
            EXPECT_EQ(reporter.messages[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(reporter.messages[0].title, "KIV");
        }
    }
}

} // namespace
} // namespace kiv
