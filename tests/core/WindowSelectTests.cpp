// The selection wizard's list, pages and result, and the About box's rules.
#include "dialogs/About.h"
#include "dialogs/WindowSelect.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace kiv {
namespace {

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
    std::vector<std::string> seen;
    auto see = [&] {
        const WindowSelectButtons b = wizard.Buttons();
        seen.push_back(std::to_string(wizard.Page()) + (b.backEnabled ? " back " : " - ") +
                       (b.nextEnabled ? "on " : "off ") + std::string(b.nextCaption));
    };
    see();
    wizard.AppNameChanged("WinDVD");
    see();
    wizard.FillListBoxWithWindows({Shown("Player", "P")});
    see();
    wizard.ListClicked(0);
    see();
    wizard.Back();
    see();
    wizard.AppNameChanged("");
    see();
    // Next again lists afresh, with nothing chosen.
    wizard.FillListBoxWithWindows({Shown("Other", "O"), Shown("Player", "P")});
    see();
    EXPECT_EQ(seen,
              (std::vector<std::string>{"1 - off &Next>", "1 - on &Next>", "2 back off &Finish",
                                        "2 back on &Finish", "1 - on &Next>", "1 - off &Next>",
                                        "2 back off &Finish"}));
    EXPECT_EQ(wizard.WindowItem(false), "");
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
        test::RecordingReporter reporter;
        StartSysInfo(platform, reporter);
        for (const test::RecordingReporter::Message& message : reporter.messages) {
            platform.seen += message.text;
        }
        EXPECT_EQ(platform.seen, expected);
    }
}

} // namespace
} // namespace kiv
