// KIVKbd.dll driven by real input (SendInput), real windows, a real player
// process and device broadcasts as the system sends them.

#include "KIVKbd/KIVKbd.h"
#include "support/E2eSupport.h"

#include <gtest/gtest.h>

#include <dbt.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <array>
#include <string>
#include <vector>

namespace kiv::e2e {
namespace {

using namespace support;
using Indices = std::vector<WPARAM>;

constexpr std::int32_t kShiftF1 = 65648; // flags * 65536 + virtual key
constexpr std::int32_t kF1 = 112;

class KbdTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mSetKeyHook && mSetMediaHook && mSetMouseHook && mAllowPCFriendly &&
                    mGetDVDinfo)
            << "KIVKbd.dll with all five exports beside the test";
        ASSERT_TRUE(mWitness.IsInstalled());
    }
    void TearDown() override {
        if (mSetKeyHook && mSetMediaHook && mSetMouseHook && mAllowPCFriendly) { // all off
            mSetKeyHook(nullptr, nullptr, 0);
            mSetMediaHook(nullptr);
            mSetMouseHook(nullptr);
            mAllowPCFriendly(0);
        }
        PumpPending();
    }
    static HWND Listener() { return FindWindowW(kListenerClass, nullptr); }

    // The hot key table indices reported for these key events, in order.
    Indices Reported(const std::vector<INPUT>& events) {
        mSink.Clear();
        EXPECT_TRUE(mWitness.SendAndSettle(events)) << "input never arrived";
        Indices indices;
        for (const ReceivedMessage& m : mSink.Received(kHotKeyMessage)) {
            indices.push_back(m.wParam);
        }
        return indices;
    }
    // The media messages after a device event sent to `to`.
    std::vector<ReceivedMessage> MediaAfter(HWND to, WPARAM event, const void* data) {
        mSink.Clear();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(to, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(data),
                            SMTO_ABORTIFHUNG, 5000, &result);
        PumpPending();
        return mSink.Received(kMediaArrivedMessage);
    }

    Library mLibrary{ExeDirectory() / kKeyboardLibraryFile};
    SetKeyHookProc mSetKeyHook = mLibrary.Get<SetKeyHookProc>("SetKeyHook");
    SetMediaHookProc mSetMediaHook = mLibrary.Get<SetMediaHookProc>("SetMediaHook");
    SetMouseHookProc mSetMouseHook = mLibrary.Get<SetMouseHookProc>("SetMouseHook");
    AllowPCFriendlyProc mAllowPCFriendly = mLibrary.Get<AllowPCFriendlyProc>("AllowPCFriendly");
    GetDVDinfoProc mGetDVDinfo = mLibrary.Get<GetDVDinfoProc>("GetDVDinfo");
    MessageSink mSink;
    InputWitness mWitness;
};

TEST_F(KbdTest, AChordReportsTheIndexOfTheEntryItMatchesExactly) {
    const std::int32_t codes[] = {kShiftF1, 196673 /* Shift+Ctrl+A */, kF1};
    ASSERT_NE(mSetKeyHook(mSink.Handle(), codes, 3), 0);
    // Entries with and without modifiers, plain F1 last: its index is 2, not 0.
    EXPECT_EQ(Reported(Chord({VK_CONTROL, VK_SHIFT}, 'A')), Indices{1});
    EXPECT_EQ(Reported(Chord({VK_CONTROL}, 'A')), Indices{});
    EXPECT_EQ(Reported(Chord({VK_CONTROL}, VK_F1)), Indices{});
    EXPECT_EQ(Reported(Chord({VK_SHIFT, VK_CONTROL}, VK_F1)), Indices{});
    // Alt held as well: no match. Right Shift counts as Shift.
    EXPECT_EQ(Reported(Chord({VK_MENU, VK_SHIFT}, VK_F1)), Indices{});
    EXPECT_EQ(Reported(Chord({VK_RSHIFT}, VK_F1)), Indices{0});
}

// The focused window is an edit box: it shows what reaches it.
TEST_F(KbdTest, AMatchedChordIsKeptFromTheFocusedWindowAndRepeatsWhileHeld) {
    win32::UniqueWindow focused(CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50,
                                                50, 300, 200, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(focused.Get());
    SetFocus(focused.Get());
    ASSERT_TRUE(WaitForFocusIn(focused.Get()));
    const std::int32_t codes[] = {'A'};
    ASSERT_NE(mSetKeyHook(mSink.Handle(), codes, 1), 0);
    // A held: two key-downs, two reports, nothing typed; B is the box's.
    EXPECT_EQ(Reported({KeyEvent('A', false), KeyEvent('A', false), KeyEvent('A', true),
                        KeyEvent('B', false), KeyEvent('B', true)}),
              (Indices{0, 0}));
    EXPECT_EQ(TextOf(focused.Get()), "b");
}

// Each call starts from a table watching F1 alone, installs its own table
// and then clears the caller's copy of it.
TEST_F(KbdTest, EachCallReplacesTheTableWithACopyOfItsCountedEntries) {
    std::vector<std::int32_t> full(kMaxHotKeys, 0x20000 + 'A'); // Ctrl+A but the last
    full.back() = kF1;
    const struct {
        const char* name;
        HWND window;
        std::vector<std::int32_t> codes; // empty: no table at all
        std::int16_t count;
        bool succeeds;
        Indices shiftF1;
        Indices f1;
    } cases[] = {
        {"a new table", mSink.Handle(), {kShiftF1}, 1, true, {0}, {}},
        {"only the counted entries", mSink.Handle(), {kShiftF1, kF1}, 1, true, {0}, {}},
        {"a full table", mSink.Handle(), full, kMaxHotKeys, true, {}, {kMaxHotKeys - 1}},
        {"off: no window", nullptr, {kF1}, 1, true, {}, {}},
        {"off: no window, no table", nullptr, {}, 0, true, {}, {}},
        {"off: count 0", mSink.Handle(), {kF1}, 0, true, {}, {}},
        {"refused: a window that is gone", DestroyedWindow(), {kF1}, 1, false, {}, {}},
        {"refused: no table", mSink.Handle(), {}, 3, false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(mSetKeyHook(mSink.Handle(), &kF1, 1), 0);
        std::vector<std::int32_t> codes = c.codes;
        EXPECT_EQ(mSetKeyHook(c.window, codes.empty() ? nullptr : codes.data(), c.count) != 0,
                  c.succeeds);
        std::fill(codes.begin(), codes.end(), 0);
        EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), c.shiftF1);
        EXPECT_EQ(Reported(Chord({}, VK_F1)), c.f1);
    }
}

// Drive R: gets a disc, drive S: a USB stick.
constexpr DEV_BROADCAST_VOLUME kDisc = {sizeof(kDisc), DBT_DEVTYP_VOLUME, 0, 1u << 17, DBTF_MEDIA};
constexpr DEV_BROADCAST_VOLUME kStick = {sizeof(kStick), DBT_DEVTYP_VOLUME, 0, 1u << 18, 0};

// The listener window lives while a hook or the AutoPlay suppression needs it.
TEST_F(KbdTest, OnlyAMediumArrivingIsPassedOnWithItsDrive) {
    EXPECT_EQ(mSetMediaHook(DestroyedWindow()), 0);
    EXPECT_EQ(Listener(), nullptr);
    ASSERT_NE(mSetMediaHook(mSink.Handle()), 0);
    // The system announces arrivals to every top-level window.
    const auto arrivals = MediaAfter(HWND_BROADCAST, DBT_DEVICEARRIVAL, &kDisc);
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_EQ(arrivals[0].wParam, WPARAM{1u << ('R' - 'A')});
    EXPECT_EQ(arrivals[0].lParam, LPARAM{DBTF_MEDIA});
    EXPECT_TRUE(MediaAfter(HWND_BROADCAST, DBT_DEVICEARRIVAL, &kStick).empty()) << "USB stick";
    EXPECT_TRUE(MediaAfter(Listener(), DBT_DEVICEREMOVECOMPLETE, &kDisc).empty());
    EXPECT_TRUE(MediaAfter(Listener(), DBT_DEVNODES_CHANGED, nullptr).empty());
    ASSERT_NE(mSetMediaHook(nullptr), 0);
    EXPECT_EQ(Listener(), nullptr);
}

// What the shell does before AutoPlay: asks the object registered for it.
// S_OK: go ahead, S_FALSE: cancel, or the failure of the lookup.
HRESULT AskLikeTheShell() {
    Microsoft::WRL::ComPtr<IRunningObjectTable> table;
    Microsoft::WRL::ComPtr<IMoniker> moniker;
    Microsoft::WRL::ComPtr<IUnknown> object;
    Microsoft::WRL::ComPtr<IQueryCancelAutoPlay> query;
    HRESULT result = GetRunningObjectTable(0, &table);
    if (SUCCEEDED(result) &&
        SUCCEEDED(result = CreateClassMoniker(CLSID_QueryCancelAutoPlay, &moniker)) &&
        SUCCEEDED(result = table->GetObject(moniker.Get(), &object)) &&
        SUCCEEDED(result = object.As(&query))) {
        result = query->AllowAutoPlay(L"R:\\", ARCONTENT_DVDMOVIE, L"KIVTESTDVD", 0x1234ABCD);
    }
    return result;
}

TEST_F(KbdTest, SuppressionCancelsAutoPlayUntilAllowedAgain) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    EXPECT_NE(AskLikeTheShell(), S_FALSE);
    mAllowPCFriendly(1);
    mAllowPCFriendly(1);
    EXPECT_EQ(AskLikeTheShell(), S_FALSE);
    // The media hook going off leaves the listener to AutoPlay, passing no media on.
    ASSERT_NE(mSetMediaHook(mSink.Handle()), 0);
    ASSERT_NE(mSetMediaHook(nullptr), 0);
    EXPECT_TRUE(MediaAfter(Listener(), DBT_DEVICEARRIVAL, &kDisc).empty());
    mAllowPCFriendly(0);
    EXPECT_NE(AskLikeTheShell(), S_FALSE);
    EXPECT_EQ(Listener(), nullptr);
    CoUninitialize();
}

// The harness makes R: the first CD-ROM drive, labelled KIVTESTDVD.
TEST_F(KbdTest, VolumeInformationOfTheNamedDriveOrTheFirstCdRom) {
    for (const std::string drive : {"R:", "r:\\", "", "Q:"}) {
        SCOPED_TRACE(drive);
        const bool found = drive != "Q:";
        std::array<char, kDvdInfoBufferSize> volume = {};
        std::array<char, kDvdInfoBufferSize> system = {'#'};
        std::copy(drive.begin(), drive.end(), volume.begin());
        std::uint32_t serial = 1;
        EXPECT_EQ(mGetDVDinfo(volume.data(), system.data(), &serial) != 0, found);
        EXPECT_EQ(std::string(volume.data()) + "|" + system.data(),
                  found ? "KIVTESTDVD|CDFS" : "|");
        EXPECT_EQ(serial, found ? 0x1234ABCDu : 0u);
    }
    EXPECT_EQ(mGetDVDinfo(nullptr, nullptr, nullptr), 0);
}

TEST_F(KbdTest, OnlyAPointerRestingOverTheWindowHidesAndAMoveBringsItBack) {
    PlayerProcess player(PlayerSpec{.bounds = {100, 50, 600, 300}, .secondWindow = true});
    ASSERT_TRUE(player.Started());
    SetForegroundWindow(player.Window(0));
    ASSERT_TRUE(MovePointerTo(CentreOf(player.Window(1))));
    ASSERT_TRUE(PumpUntil(IsPointerShown));
    ASSERT_NE(mSetMouseHook(player.Window(0)), 0);
    // Longer than the rest period over another window: the pointer still shows.
    PumpUntil([] { return !IsPointerShown(); }, 4s);
    EXPECT_TRUE(IsPointerShown());

    const POINT centre = CentreOf(player.Window(0));
    ASSERT_TRUE(MovePointerTo(centre));
    EXPECT_TRUE(PumpUntil([] { return !IsPointerShown(); })) << "pointer never hidden";
    ASSERT_TRUE(MovePointerTo({centre.x + 7, centre.y + 5}));
    EXPECT_TRUE(PumpUntil(IsPointerShown)) << "pointer did not come back on a move";
    // A move starts a new rest period: the pointer cannot go again within a
    // second (timers are never early, so this cannot fail on a slow machine).
    PumpUntil([] { return !IsPointerShown(); }, 1s);
    EXPECT_TRUE(IsPointerShown()) << "pointer hidden again without a rest";
    ASSERT_NE(mSetMouseHook(nullptr), 0);
    EXPECT_EQ(Listener(), nullptr);
    EXPECT_EQ(mSetMouseHook(DestroyedWindow()), 0);
}

} // namespace
} // namespace kiv::e2e
