// Which action each hot key report runs.
#include "hotkeys/HotKeyDispatch.h"
#include "support/TestSupport.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kiv {
namespace {

// Each action as a word, in the order run.
struct RecordedActions : IHotKeyActions {
    std::vector<std::string> done;
    void SelectSettingAndPlace(std::string_view name) override {
        done.push_back("select " + std::string(name));
    }
    void PressNudge(int32_t index) override { done.push_back("nudge " + std::to_string(index)); }
    void CaptureAndSave() override { done.push_back("capture and save"); }
    void ReapplyCurrentSetting() override { done.push_back("reapply"); }
    void FocusApplication() override { done.push_back("focus application"); }
    void FocusKiv() override { done.push_back("focus KIV"); }
};

TEST(HotKeyDispatch, EachActionNameRunsItsActionAndOthersNothing) {
    const struct {
        const char* name;
        const char* action; // "" for none
    } cases[] = {
        {"Letterbox", "select Letterbox"},
        {"~HK~1", "focus application"},
        {"~HK~2", "focus KIV"},
        {"~HK~3", "nudge 2"},
        {"~HK~4", "nudge 3"},
        {"~HK~5", "nudge 0"},
        {"~HK~6", "nudge 1"},
        {"~HK~7", "nudge 8"},
        {"~HK~8", "nudge 9"},
        {"~HK~9", "capture and save"},
        {"~HK~10", "reapply"},
        {"", ""},
        {"~HK~0", ""},
        {"~HK~11", ""},
        {"~HK~x", ""},
        {"~HK~", ""},
        {"~HK~-3", ""},
        {"~HK~0003", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedActions actions;
        test::RecordingReporter reporter;
        CHotKeyDispatcher dispatcher(actions, reporter);
        dispatcher.HotKeyPressed(c.name);
        EXPECT_EQ(actions.done, std::string(c.action).empty() ? std::vector<std::string>{}
                                                              : std::vector<std::string>{c.action});
        EXPECT_TRUE(reporter.messages.empty());
    }
}

TEST(HotKeyDispatch, AFailingActionIsReportedUnderItsProcedure) {
    struct Failing : RecordedActions {
        void PressNudge(int32_t) override { Raise(ErrorNumber::Overflow); }
        void SelectSettingAndPlace(std::string_view) override { Raise(ErrorNumber::Overflow); }
    } actions;
    test::RecordingReporter reporter;
    CHotKeyDispatcher dispatcher(actions, reporter);
    dispatcher.HotKeyPressed("~HK~3");
    dispatcher.HotKeyPressed("Movie");
    ASSERT_EQ(reporter.messages.size(), 2u);
    EXPECT_EQ(reporter.messages[0].title, "PerformHotKeyAction");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
    EXPECT_EQ(reporter.messages[1].title, "Subclass1_WndProc");
}

} // namespace
} // namespace kiv
