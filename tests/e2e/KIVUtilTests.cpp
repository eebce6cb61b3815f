// KIVUtil.dll against a real player process: the hook must let the player's
// window grow past the screen, only that window, only while installed.

#include "KIVUtil/KIVUtil.h"
#include "support/E2eSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace kiv::e2e;

constexpr int kTallWidth = 1024;
constexpr int kTallHeight = 1021; // taller than the 768-pixel test screen
constexpr RECT kTallLimit = {0, 0, kTallWidth, kTallHeight};
constexpr RECT kNoLimit = {0, 0, 0, 0};

RECT MoveAndMeasure(HWND window, int left, int top, int width, int height) {
    MoveWindow(window, left, top, width, height, TRUE);
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

int HeightAfterTallMove(HWND window) {
    const RECT rect = MoveAndMeasure(window, 0, -126, kTallWidth, kTallHeight);
    return rect.bottom - rect.top;
}

class SizeHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mLibrary.IsLoaded()) << "KIVUtil.dll beside the test";
        mSetHook = mLibrary.Get<kiv::support::SetHookProc>("SetHook");
        ASSERT_NE(mSetHook, nullptr);
        // The tall move only means something if the system would refuse it.
        ASSERT_LT(GetSystemMetrics(SM_CYMAXTRACK), kTallHeight);
        DiscardPending();
    }

    void TearDown() override {
        if (mSetHook != nullptr) {
            mSetHook(0, nullptr, &kNoLimit);
        }
        DiscardPending();
    }

    bool Hook(const PlayerProcess& player, std::size_t window = 0, RECT limit = kTallLimit) {
        return mSetHook(player.ThreadId(), player.Window(window), &limit) != 0;
    }

    Library mLibrary{ExeDirectory() / L"KIVUtil.dll"};
    kiv::support::SetHookProc mSetHook = nullptr;
};

TEST_F(SizeHookTest, WithoutAHookTheSystemKeepsTheWindowNearScreenSize) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    EXPECT_LT(HeightAfterTallMove(player.Window()), kTallHeight);
}

TEST_F(SizeHookTest, HookedWindowTakesTheFullRequestedSize) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    ASSERT_TRUE(Hook(player));

    const RECT rect = MoveAndMeasure(player.Window(), 0, -126, kTallWidth, kTallHeight);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, -126);
    EXPECT_EQ(rect.right - rect.left, kTallWidth);
    EXPECT_EQ(rect.bottom - rect.top, kTallHeight);
}

TEST_F(SizeHookTest, LimitCapsTheGrowth) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    ASSERT_TRUE(Hook(player));

    const RECT rect = MoveAndMeasure(player.Window(), 0, -200, kTallWidth, kTallHeight + 100);
    EXPECT_EQ(rect.bottom - rect.top, kTallHeight);
}

TEST_F(SizeHookTest, LimitBelowTheScreenNeverShrinksTheWindow) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    ASSERT_TRUE(Hook(player, 0, RECT{0, 0, 100, 100}));

    const RECT rect = MoveAndMeasure(player.Window(), 10, 10, 600, 400);
    EXPECT_EQ(rect.right - rect.left, 600);
    EXPECT_EQ(rect.bottom - rect.top, 400);
}

TEST_F(SizeHookTest, OnlyTheGivenWindowOfTheThreadGrows) {
    PlayerSpec spec;
    spec.bounds = {0, 0, 400, 200};
    spec.secondWindow = true;
    PlayerProcess player(spec);
    ASSERT_TRUE(player.Started());
    ASSERT_NE(player.Window(1), nullptr);
    ASSERT_TRUE(Hook(player, 0));

    EXPECT_LT(HeightAfterTallMove(player.Window(1)), kTallHeight);
    EXPECT_EQ(HeightAfterTallMove(player.Window(0)), kTallHeight);
}

TEST_F(SizeHookTest, RemovingTheHookRestoresTheSystemLimit) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    ASSERT_TRUE(Hook(player));
    ASSERT_EQ(HeightAfterTallMove(player.Window()), kTallHeight);

    EXPECT_NE(mSetHook(0, nullptr, &kNoLimit), 0);
    MoveAndMeasure(player.Window(), 0, 0, 640, 480);
    EXPECT_LT(HeightAfterTallMove(player.Window()), kTallHeight);

    PlayerProcess fresh;
    ASSERT_TRUE(fresh.Started());
    EXPECT_LT(HeightAfterTallMove(fresh.Window()), kTallHeight);
}

TEST_F(SizeHookTest, ANewHookReplacesThePreviousOne) {
    PlayerSpec first;
    first.className = L"KivTestPlayerA";
    PlayerSpec second;
    second.className = L"KivTestPlayerB";
    PlayerProcess playerA(first);
    PlayerProcess playerB(second);
    ASSERT_TRUE(playerA.Started());
    ASSERT_TRUE(playerB.Started());

    ASSERT_TRUE(Hook(playerA));
    ASSERT_TRUE(Hook(playerB));
    EXPECT_LT(HeightAfterTallMove(playerA.Window()), kTallHeight);
    EXPECT_EQ(HeightAfterTallMove(playerB.Window()), kTallHeight);
}

TEST_F(SizeHookTest, SuccessLeavesAMessageForTheCallersSingleWait) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    DiscardPending();
    ASSERT_TRUE(Hook(player));

    // What GetMessage would return next: a thread message, without blocking.
    bool sawWakeUp = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.hwnd == nullptr && msg.message == WM_NULL) {
            sawWakeUp = true;
        }
    }
    EXPECT_TRUE(sawWakeUp);
}

TEST_F(SizeHookTest, RemovalSucceedsEvenWithNothingInstalled) {
    EXPECT_NE(mSetHook(0, nullptr, &kNoLimit), 0);
    EXPECT_NE(mSetHook(0, nullptr, nullptr), 0);
}

TEST_F(SizeHookTest, RefusesAThreadThatDoesNotOwnTheWindow) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    const DWORD bogusThread = 0xFFFFFFF0u;

    EXPECT_EQ(mSetHook(bogusThread, player.Window(), &kTallLimit), 0);
    EXPECT_EQ(mSetHook(GetCurrentThreadId(), player.Window(), &kTallLimit), 0);
    EXPECT_EQ(mSetHook(player.ThreadId(), nullptr, &kTallLimit), 0);
    EXPECT_EQ(mSetHook(player.ThreadId(), player.Window(), nullptr), 0);
    EXPECT_LT(HeightAfterTallMove(player.Window()), kTallHeight);
}

TEST_F(SizeHookTest, AFailedCallStillRemovesThePreviousHook) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    ASSERT_TRUE(Hook(player));

    EXPECT_EQ(mSetHook(0xFFFFFFF0u, player.Window(), &kTallLimit), 0);
    EXPECT_LT(HeightAfterTallMove(player.Window()), kTallHeight);
}

} // namespace
