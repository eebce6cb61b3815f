// KIVUtil.dll against a real player process: the hook must let the player's
// window grow past the screen, only that window, only while installed. For a
// 32-bit player, kiv.exe has its 32-bit host hold the hook.

#include "KIVUtil/KIVUtil.h"
#include "support/KivProcess.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace kiv::e2e {
namespace {

constexpr int kTallWidth = 1024;
constexpr int kTallHeight = 1021; // taller than the 768-pixel test screen
constexpr RECT kTallLimit = {0, 0, kTallWidth, kTallHeight};
constexpr RECT kNoLimit = {0, 0, 0, 0};

RECT MoveAndMeasure(HWND window, int left, int top, int width, int height) {
    MoveWindow(window, left, top, width, height, TRUE);
    return WindowRectOf(window);
}

int HeightAfterTallMove(HWND window) {
    const RECT rect = MoveAndMeasure(window, 0, -126, kTallWidth, kTallHeight);
    return rect.bottom - rect.top;
}

class SizeHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(mSetHook, nullptr) << "KIVUtil.dll beside the test";
        ASSERT_TRUE(mPlayer.Started());
        // The tall move only means something if the system would refuse it.
        ASSERT_LT(HeightAfterTallMove(mPlayer.Window()), kTallHeight);
        PumpPending();
    }
    void TearDown() override {
        if (mSetHook != nullptr) {
            mSetHook(0, nullptr, &kNoLimit);
        }
        PumpPending();
    }
    bool Hook(std::size_t window, RECT limit = kTallLimit) {
        return mSetHook(mPlayer.ThreadId(), mPlayer.Window(window), &limit) != 0;
    }

    Library mLibrary{ExeDirectory() / support::kSizeLibraryFile};
    support::SetHookProc mSetHook = mLibrary.Get<support::SetHookProc>("SetHook");
    PlayerProcess mPlayer{PlayerSpec{.bounds = {0, 0, 400, 200}, .secondWindow = true}};
};

// One window of the thread at a time, the latest hooked.
TEST_F(SizeHookTest, TheHookedWindowGrowsToTheLimitAndNeverShrinksBelowIt) {
    ASSERT_TRUE(Hook(0));
    // The caller's single GetMessage wait returns: a thread message is waiting.
    MSG msg{};
    EXPECT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_NULL));
    const RECT tall = MoveAndMeasure(mPlayer.Window(), 0, -126, kTallWidth, kTallHeight);
    EXPECT_TRUE(SameRect(tall, Ltwh(0, -126, kTallWidth, kTallHeight))) << RectText(tall);
    const RECT capped = MoveAndMeasure(mPlayer.Window(), 0, -200, kTallWidth, kTallHeight + 100);
    EXPECT_EQ(capped.bottom - capped.top, kTallHeight);
    EXPECT_LT(HeightAfterTallMove(mPlayer.Window(1)), kTallHeight);

    ASSERT_TRUE(Hook(1));
    EXPECT_LT(HeightAfterTallMove(mPlayer.Window(0)), kTallHeight);
    EXPECT_EQ(HeightAfterTallMove(mPlayer.Window(1)), kTallHeight);
    ASSERT_TRUE(Hook(1, RECT{0, 0, 100, 100}));
    const RECT small = MoveAndMeasure(mPlayer.Window(1), 10, 10, 600, 400);
    EXPECT_TRUE(SameRect(small, Ltwh(10, 10, 600, 400))) << RectText(small);
}

// Removal, and every refused call, takes away the hook before it.
TEST_F(SizeHookTest, RemovalAndRefusalsLeaveNoHook) {
    const struct {
        const char* name;
        DWORD thread;
        HWND window;
        const RECT* limit;
        bool succeeds;
    } cases[] = {
        {"removal", 0, nullptr, &kNoLimit, true},
        {"removal without a rectangle", 0, nullptr, nullptr, true},
        {"thread that does not exist", 0xFFFFFFF0u, mPlayer.Window(), &kTallLimit, false},
        {"thread not the window's", GetCurrentThreadId(), mPlayer.Window(), &kTallLimit, false},
        {"no window", mPlayer.ThreadId(), nullptr, &kTallLimit, false},
        {"no limit", mPlayer.ThreadId(), mPlayer.Window(), nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Hook(0));
        EXPECT_EQ(mSetHook(c.thread, c.window, c.limit) != 0, c.succeeds);
        MoveAndMeasure(mPlayer.Window(), 0, 0, 640, 480);
        EXPECT_LT(HeightAfterTallMove(mPlayer.Window()), kTallHeight);
    }
}

win32::UniqueKernelHandle OpenProcessNamed(const wchar_t* exeName) {
    win32::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, exeName) == 0) {
            return win32::UniqueKernelHandle(OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID));
        }
    }
    return {};
}

// Why 32-bit players cannot be tried here; "" when they can.
std::string ThirtyTwoBitPlayersLeftOut() {
    if (const char* wine32 = std::getenv("KIV_WINE32"); wine32 && std::string(wine32) == "0") {
        return "this Wine cannot run 32-bit programs (see tests/wine/wine-env.sh)";
    }
    if (!std::filesystem::exists(ExeDirectory() / support::kSizeHookHostFile)) {
        return "built without the 32-bit files (-DKIV_X86=OFF)";
    }
    return "";
}

// The real kiv.exe and a 32-bit player: KIV's own hook cannot reach it, the
// 32-bit host does, and the host never outlives KIV, however KIV ends. Without
// one of the two 32-bit files the player is still placed, and the caption
// names the missing file instead of an error box on every selection.
TEST(SizeHookHostTest, AThirtyTwoBitPlayerGrowsPastTheScreenThroughTheHostWhileKivRuns) {
    if (const std::string reason = ThirtyTwoBitPlayersLeftOut(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    const struct {
        const char* how;
        std::string_view missing;
        bool killed;
    } cases[] = {{"KIV closed", "", false},
                 {"KIV killed", "", true},
                 {"no 32-bit library", support::kSizeLibrary32File, false},
                 {"no host", support::kSizeHookHostFile, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        KivFolder folder;
        for (const char* file : {support::kSizeLibrary32File, support::kSizeHookHostFile}) {
            if (file != c.missing) {
                std::filesystem::copy_file(ExeDirectory() / file, folder.File(file));
            }
        }
        folder.WriteSettings({Setting("Letterbox", 0, -126, kTallWidth, kTallHeight)});
        PlayerProcess player(PlayerSpec{.program = "kiv_player32.exe"});
        ASSERT_TRUE(player.Started());
        ASSERT_LT(HeightAfterTallMove(player.Window()), kTallHeight);
        KivProcess kiv(folder, "/S Letterbox");
        ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
        if (!c.missing.empty()) {
            const std::string caption = "KIV - Letterbox (32-bit players cannot grow beyond the "
                                        "screen: " +
                                        std::string(c.missing) + " is missing)";
            EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == caption; })) << kiv.Caption();
            EXPECT_EQ(WindowRectOf(player.Window()).left, 0);
            continue;
        }
        EXPECT_TRUE(WaitForRect(player.Window(), Ltwh(0, -126, kTallWidth, kTallHeight)));
        const win32::UniqueKernelHandle host = OpenProcessNamed(L"KIVUtil32Host.exe");
        ASSERT_TRUE(host);
        if (c.killed) {
            TerminateProcess(kiv.Handle(), 9);
        } else {
            EXPECT_TRUE(kiv.Close());
        }
        EXPECT_EQ(WaitForSingleObject(host.Get(), 5000), WAIT_OBJECT_0);
    }
}

} // namespace
} // namespace kiv::e2e
