// KIVKbd.dll driven by real input (SendInput), real windows and a real
// player process.

#include "KIVKbd/KIVKbd.h"
#include "support/E2eSupport.h"

#include <gtest/gtest.h>

#include <dbt.h>
#include <objbase.h>
#include <shobjidl.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kiv::e2e;
using kiv::support::kHotKeyMessage;
using kiv::support::kListenerClass;
using kiv::support::kMediaArrivedMessage;

// The handle of a window that existed and is gone.
HWND DestroyedWindow() {
    MessageSink shortLived;
    return shortLived.Handle();
}

class KbdLibrary {
public:
    KbdLibrary()
        : library(ExeDirectory() / L"KIVKbd.dll"),
          setKeyHook(library.Get<kiv::support::SetKeyHookProc>("SetKeyHook")),
          setMediaHook(library.Get<kiv::support::SetMediaHookProc>("SetMediaHook")),
          setMouseHook(library.Get<kiv::support::SetMouseHookProc>("SetMouseHook")),
          allowPCFriendly(library.Get<kiv::support::AllowPCFriendlyProc>("AllowPCFriendly")),
          getDVDinfo(library.Get<kiv::support::GetDVDinfoProc>("GetDVDinfo")) {}

    bool IsComplete() const {
        return library.IsLoaded() && setKeyHook && setMediaHook && setMouseHook &&
               allowPCFriendly && getDVDinfo;
    }

    // Everything off, as KIV leaves it at exit.
    void SwitchAllOff() const {
        setKeyHook(nullptr, nullptr, 0);
        setMediaHook(nullptr);
        setMouseHook(nullptr);
        allowPCFriendly(0);
    }

    Library library;
    kiv::support::SetKeyHookProc setKeyHook;
    kiv::support::SetMediaHookProc setMediaHook;
    kiv::support::SetMouseHookProc setMouseHook;
    kiv::support::AllowPCFriendlyProc allowPCFriendly;
    kiv::support::GetDVDinfoProc getDVDinfo;
};

class KbdTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mKbd.IsComplete()) << "KIVKbd.dll with all five exports beside the test";
        ASSERT_NE(mSink.Handle(), nullptr);
    }
    void TearDown() override {
        if (mKbd.IsComplete()) {
            mKbd.SwitchAllOff();
        }
        DiscardPending();
    }

    HWND Listener() const { return FindWindowW(kListenerClass, nullptr); }

    KbdLibrary mKbd;
    MessageSink mSink;
};

// ---- Hot keys -------------------------------------------------------------

// Shift+F1, Shift+Ctrl+A, F1: flags * 65536 + virtual key.
constexpr std::array<std::int32_t, 3> kCodes = {65648, 196673, 112};

class KeyHookTest : public KbdTest {
protected:
    void SetUp() override {
        KbdTest::SetUp();
        ASSERT_TRUE(mWitness.IsInstalled());
    }

    bool Install(const std::int32_t* codes, std::int16_t count) {
        return mKbd.setKeyHook(mSink.Handle(), codes, count) != 0;
    }
    bool InstallAll() { return Install(kCodes.data(), kCodes.size()); }

    // The table indices reported for these events, in order.
    std::vector<WPARAM> Reported(std::vector<INPUT> events) {
        mSink.Clear();
        EXPECT_TRUE(mWitness.SendAndSettle(std::move(events))) << "input never arrived";
        std::vector<WPARAM> indices;
        for (const ReceivedMessage& m : mSink.Received(kHotKeyMessage)) {
            EXPECT_EQ(m.lParam, 0);
            indices.push_back(m.wParam);
        }
        return indices;
    }

    InputWitness mWitness;
};

using Indices = std::vector<WPARAM>;

TEST_F(KeyHookTest, OffCallsSucceed) {
    EXPECT_NE(mKbd.setKeyHook(nullptr, kCodes.data(), 0), 0);
    EXPECT_NE(mKbd.setKeyHook(nullptr, nullptr, 0), 0);
}

TEST_F(KeyHookTest, EachCombinationReportsItsOwnIndex) {
    ASSERT_TRUE(InstallAll());
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{0});
    EXPECT_EQ(Reported(Chord({VK_SHIFT, VK_CONTROL}, 'A')), Indices{1});
    EXPECT_EQ(Reported(Chord({VK_CONTROL, VK_SHIFT}, 'A')), Indices{1});
    EXPECT_EQ(Reported(Chord({}, VK_F1)), Indices{2});
}

TEST_F(KeyHookTest, ModifiersMustMatchExactly) {
    ASSERT_TRUE(InstallAll());
    EXPECT_EQ(Reported(Chord({VK_CONTROL}, 'A')), Indices{});
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, 'A')), Indices{});
    EXPECT_EQ(Reported(Chord({}, 'A')), Indices{});
    EXPECT_EQ(Reported(Chord({VK_CONTROL}, VK_F1)), Indices{});
    EXPECT_EQ(Reported(Chord({VK_SHIFT, VK_CONTROL}, VK_F1)), Indices{});
}

TEST_F(KeyHookTest, PressesAreReportedInOrder) {
    ASSERT_TRUE(InstallAll());
    std::vector<INPUT> events = Chord({VK_SHIFT}, VK_F1);
    const std::vector<INPUT> plain = Chord({}, VK_F1);
    events.insert(events.end(), plain.begin(), plain.end());
    EXPECT_EQ(Reported(events), (Indices{0, 2}));
}

TEST_F(KeyHookTest, OffStopsReporting) {
    ASSERT_TRUE(InstallAll());
    ASSERT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{0});

    EXPECT_NE(mKbd.setKeyHook(nullptr, nullptr, 0), 0);
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{});
    EXPECT_EQ(Reported(Chord({}, VK_F1)), Indices{});
}

TEST_F(KeyHookTest, CountZeroWithAWindowInstallsNothing) {
    EXPECT_NE(mKbd.setKeyHook(mSink.Handle(), kCodes.data(), 0), 0);
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{});
}

TEST_F(KeyHookTest, OnlyTheCountedEntriesAreWatched) {
    ASSERT_TRUE(Install(kCodes.data(), 2));
    EXPECT_EQ(Reported(Chord({}, VK_F1)), Indices{});
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{0});
}

TEST_F(KeyHookTest, TableIsCopiedAtInstall) {
    std::array<std::int32_t, 3> codes = kCodes;
    ASSERT_TRUE(Install(codes.data(), codes.size()));
    codes.fill(0);
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{0});
}

TEST_F(KeyHookTest, ANewTableReplacesTheOldOne) {
    const std::int32_t plainF1 = 112;
    const std::int32_t shiftF1 = 65648;
    ASSERT_TRUE(Install(&plainF1, 1));
    ASSERT_TRUE(Install(&shiftF1, 1));
    EXPECT_EQ(Reported(Chord({}, VK_F1)), Indices{});
    EXPECT_EQ(Reported(Chord({VK_SHIFT}, VK_F1)), Indices{0});
}

TEST_F(KeyHookTest, AFullTableReportsItsLastEntry) {
    std::array<std::int32_t, kiv::support::kMaxHotKeys> codes = {};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        codes[i] = static_cast<std::int32_t>(0x20000 + 'A' + i % 26); // Ctrl+letter
    }
    codes.back() = 112;
    ASSERT_TRUE(Install(codes.data(), codes.size()));
    EXPECT_EQ(Reported(Chord({}, VK_F1)), Indices{kiv::support::kMaxHotKeys - 1});
}

TEST_F(KeyHookTest, RefusesAMissingWindowOrTable) {
    const HWND gone = DestroyedWindow();
    EXPECT_EQ(mKbd.setKeyHook(gone, kCodes.data(), kCodes.size()), 0);
    EXPECT_EQ(mKbd.setKeyHook(mSink.Handle(), nullptr, 3), 0);
}

// ---- Media arrival --------------------------------------------------------

DEV_BROADCAST_VOLUME VolumeArrival(char driveLetter) {
    DEV_BROADCAST_VOLUME volume = {};
    volume.dbcv_size = sizeof(volume);
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << (driveLetter - 'A');
    volume.dbcv_flags = DBTF_MEDIA;
    return volume;
}

class MediaHookTest : public KbdTest {
protected:
    std::vector<ReceivedMessage> ArrivalsAfter(HWND to, WPARAM event, const void* data) {
        mSink.Clear();
        SendMessageW(to, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(data));
        PumpPending();
        return mSink.Received(kMediaArrivedMessage);
    }
};

TEST_F(MediaHookTest, VolumeArrivalIsPassedOn) {
    ASSERT_NE(mKbd.setMediaHook(mSink.Handle()), 0);
    HWND listener = Listener();
    ASSERT_NE(listener, nullptr);
    EXPECT_EQ(GetWindowThreadProcessId(listener, nullptr), GetCurrentThreadId());

    const DEV_BROADCAST_VOLUME volume = VolumeArrival('R');
    const auto arrivals = ArrivalsAfter(listener, DBT_DEVICEARRIVAL, &volume);
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_EQ(arrivals[0].wParam, WPARAM{1u << ('R' - 'A')});
    EXPECT_EQ(arrivals[0].lParam, LPARAM{DBTF_MEDIA});
}

TEST_F(MediaHookTest, ArrivalReachesItAsABroadcast) {
    ASSERT_NE(mKbd.setMediaHook(mSink.Handle()), 0);
    mSink.Clear();
    DEV_BROADCAST_VOLUME volume = VolumeArrival('R');
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                        reinterpret_cast<LPARAM>(&volume), SMTO_ABORTIFHUNG, 5000, &result);
    PumpPending();
    EXPECT_EQ(mSink.Received(kMediaArrivedMessage).size(), 1u);
}

TEST_F(MediaHookTest, OtherDeviceEventsAreIgnored) {
    ASSERT_NE(mKbd.setMediaHook(mSink.Handle()), 0);
    HWND listener = Listener();
    ASSERT_NE(listener, nullptr);

    const DEV_BROADCAST_VOLUME volume = VolumeArrival('R');
    EXPECT_TRUE(ArrivalsAfter(listener, DBT_DEVICEREMOVECOMPLETE, &volume).empty());

    DEV_BROADCAST_DEVICEINTERFACE_W device = {};
    device.dbcc_size = sizeof(device);
    device.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    ASSERT_GE(sizeof(device), sizeof(volume));
    EXPECT_TRUE(ArrivalsAfter(listener, DBT_DEVICEARRIVAL, &device).empty());
    EXPECT_TRUE(ArrivalsAfter(listener, DBT_DEVNODES_CHANGED, nullptr).empty());
}

TEST_F(MediaHookTest, OffRemovesTheListener) {
    ASSERT_NE(mKbd.setMediaHook(mSink.Handle()), 0);
    ASSERT_NE(Listener(), nullptr);
    EXPECT_NE(mKbd.setMediaHook(nullptr), 0);
    EXPECT_EQ(Listener(), nullptr);
}

TEST_F(MediaHookTest, ListenerStaysWhileAnotherUserNeedsIt) {
    mKbd.allowPCFriendly(1);
    ASSERT_NE(mKbd.setMediaHook(mSink.Handle()), 0);
    ASSERT_NE(mKbd.setMediaHook(nullptr), 0);
    HWND listener = Listener();
    ASSERT_NE(listener, nullptr);

    const DEV_BROADCAST_VOLUME volume = VolumeArrival('R');
    EXPECT_TRUE(ArrivalsAfter(listener, DBT_DEVICEARRIVAL, &volume).empty());
    mKbd.allowPCFriendly(0);
    EXPECT_EQ(Listener(), nullptr);
}

TEST_F(MediaHookTest, RefusesAWindowThatIsGone) {
    const HWND gone = DestroyedWindow();
    EXPECT_EQ(mKbd.setMediaHook(gone), 0);
    EXPECT_EQ(Listener(), nullptr);
}

// ---- AutoPlay -------------------------------------------------------------

class ComApartment {
public:
    ComApartment() : mResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(mResult)) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool IsReady() const { return SUCCEEDED(mResult); }

private:
    HRESULT mResult;
};

// What the shell does before AutoPlay: find the registered object and ask
// it. Returns S_OK (go ahead), S_FALSE (cancel) or the failure of the lookup.
HRESULT AskLikeTheShell() {
    IRunningObjectTable* table = nullptr;
    IMoniker* moniker = nullptr;
    IUnknown* object = nullptr;
    IQueryCancelAutoPlay* query = nullptr;
    HRESULT result = GetRunningObjectTable(0, &table);
    if (SUCCEEDED(result)) {
        result = CreateClassMoniker(CLSID_QueryCancelAutoPlay, &moniker);
    }
    if (SUCCEEDED(result)) {
        result = table->GetObject(moniker, &object);
    }
    if (SUCCEEDED(result)) {
        result = object->QueryInterface(IID_IQueryCancelAutoPlay, reinterpret_cast<void**>(&query));
    }
    if (SUCCEEDED(result)) {
        result = query->AllowAutoPlay(L"R:\\", ARCONTENT_DVDMOVIE, L"KIVTESTDVD", 0x1234ABCD);
    }
    for (IUnknown* p : {static_cast<IUnknown*>(query), object, static_cast<IUnknown*>(moniker),
                        static_cast<IUnknown*>(table)}) {
        if (p != nullptr) {
            p->Release();
        }
    }
    return result;
}

class AutoPlayTest : public KbdTest {
protected:
    void SetUp() override {
        KbdTest::SetUp();
        ASSERT_TRUE(mCom.IsReady());
    }
    LRESULT AskTheListener() {
        HWND listener = Listener();
        return listener == nullptr
                   ? 0
                   : SendMessageW(listener, RegisterWindowMessageW(L"QueryCancelAutoPlay"), 0, 0);
    }
    ComApartment mCom;
};

TEST_F(AutoPlayTest, SuppressionCancelsAutoPlay) {
    ASSERT_NE(AskLikeTheShell(), S_FALSE);
    mKbd.allowPCFriendly(1);
    EXPECT_EQ(AskLikeTheShell(), S_FALSE);
    EXPECT_EQ(AskTheListener(), 1);
}

TEST_F(AutoPlayTest, AllowingAgainWithdrawsTheCancellation) {
    mKbd.allowPCFriendly(1);
    mKbd.allowPCFriendly(1);
    ASSERT_EQ(AskLikeTheShell(), S_FALSE);

    mKbd.allowPCFriendly(0);
    EXPECT_NE(AskLikeTheShell(), S_FALSE);
    EXPECT_EQ(AskTheListener(), 0);
    EXPECT_EQ(Listener(), nullptr);
}

// ---- Volume information ---------------------------------------------------

// The harness makes a CD-ROM drive with a known label and serial.
struct StandInDvd {
    std::string drive;
    std::string label;
    std::uint32_t serial = 0;
};

bool ReadStandInDvd(StandInDvd& dvd) {
    const char* drive = std::getenv("KIV_DVD_DRIVE");
    const char* label = std::getenv("KIV_DVD_LABEL");
    const char* serial = std::getenv("KIV_DVD_SERIAL");
    if (drive == nullptr || label == nullptr || serial == nullptr) {
        return false;
    }
    dvd = {drive, label, static_cast<std::uint32_t>(std::strtoul(serial, nullptr, 16))};
    return true;
}

struct DvdInfoResult {
    int result = 0;
    std::string volumeName;
    std::string fileSystem;
    std::uint32_t serial = 0;
};

class DvdInfoTest : public KbdTest {
protected:
    void SetUp() override {
        KbdTest::SetUp();
        if (!ReadStandInDvd(mDvd)) {
            GTEST_SKIP() << "no stand-in DVD: source tests/wine/wine-env.sh first";
        }
    }
    DvdInfoResult Read(const std::string& drive) {
        std::array<char, kiv::support::kDvdInfoBufferSize> volume;
        std::array<char, kiv::support::kDvdInfoBufferSize> system;
        volume.fill('#');
        system.fill('#');
        std::copy(drive.begin(), drive.end(), volume.begin());
        volume[drive.size()] = '\0';
        DvdInfoResult out;
        out.serial = 0xDEADBEEF;
        out.result = mKbd.getDVDinfo(volume.data(), system.data(), &out.serial);
        out.volumeName.assign(volume.data());
        out.fileSystem.assign(system.data());
        return out;
    }
    StandInDvd mDvd;
};

TEST_F(DvdInfoTest, ReadsTheDriveItIsGiven) {
    const char letter = mDvd.drive[0];
    const char lower = static_cast<char>(letter - 'A' + 'a');
    for (const std::string& drive : {std::string(1, letter), std::string{letter, ':'},
                                     std::string{letter, ':', '\\'}, std::string{lower, ':'}}) {
        SCOPED_TRACE(drive);
        const DvdInfoResult info = Read(drive);
        EXPECT_NE(info.result, 0);
        EXPECT_EQ(info.volumeName, mDvd.label);
        EXPECT_EQ(info.fileSystem, "CDFS");
        EXPECT_EQ(info.serial, mDvd.serial);
    }
}

TEST_F(DvdInfoTest, EmptyInputMeansTheFirstCdRomDrive) {
    for (char letter = 'A'; letter < mDvd.drive[0]; ++letter) {
        const char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_CDROM) {
            GTEST_SKIP() << "another CD-ROM drive comes first: " << root;
        }
    }
    const DvdInfoResult info = Read("");
    EXPECT_NE(info.result, 0);
    EXPECT_EQ(info.volumeName, mDvd.label);
    EXPECT_EQ(info.serial, mDvd.serial);
}

TEST_F(DvdInfoTest, FailureEmptiesTheOutputs) {
    for (const std::string& drive :
         {std::string("Q:"), std::string("not a drive"), std::string("R:\\folder")}) {
        SCOPED_TRACE(drive);
        const DvdInfoResult info = Read(drive);
        EXPECT_EQ(info.result, 0);
        EXPECT_EQ(info.volumeName, "");
        EXPECT_EQ(info.fileSystem, "");
        EXPECT_EQ(info.serial, 0u);
    }
}

TEST_F(DvdInfoTest, FileSystemAndSerialAreOptional) {
    std::array<char, kiv::support::kDvdInfoBufferSize> volume = {};
    std::copy(mDvd.drive.begin(), mDvd.drive.end(), volume.begin());
    EXPECT_NE(mKbd.getDVDinfo(volume.data(), nullptr, nullptr), 0);
    EXPECT_EQ(std::string(volume.data()), mDvd.label);
    EXPECT_EQ(mKbd.getDVDinfo(nullptr, nullptr, nullptr), 0);
}

// ---- Pointer hiding -------------------------------------------------------

POINT CentreOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class MouseHookTest : public KbdTest {
protected:
    void SetUp() override {
        KbdTest::SetUp();
        PlayerSpec spec;
        spec.bounds = {100, 50, 600, 300};
        spec.secondWindow = true;
        mPlayer = std::make_unique<PlayerProcess>(spec);
        ASSERT_TRUE(mPlayer->Started());
        SetForegroundWindow(mPlayer->Window(0));
    }
    void TearDown() override {
        KbdTest::TearDown();
        mPlayer.reset();
    }
    std::unique_ptr<PlayerProcess> mPlayer;
};

TEST_F(MouseHookTest, PointerRestingOverTheWindowHidesAndComesBackOnMove) {
    const POINT centre = CentreOf(mPlayer->Window(0));
    ASSERT_TRUE(MovePointerTo(centre));
    ASSERT_TRUE(PumpUntil(IsPointerShown));

    ASSERT_NE(mKbd.setMouseHook(mPlayer->Window(0)), 0);
    EXPECT_TRUE(PumpUntil([] { return !IsPointerShown(); })) << "pointer never hidden";

    ASSERT_TRUE(MovePointerTo({centre.x + 7, centre.y + 5}));
    EXPECT_TRUE(PumpUntil(IsPointerShown)) << "pointer did not come back on a move";

    // A move starts a new rest period: the pointer cannot go again within a
    // second (timers are never early, so this cannot fail on a slow machine).
    PumpUntil([] { return !IsPointerShown(); }, 1s);
    EXPECT_TRUE(IsPointerShown()) << "pointer hidden again without a rest";
}

TEST_F(MouseHookTest, PointerOverAnotherWindowStaysVisible) {
    ASSERT_TRUE(MovePointerTo(CentreOf(mPlayer->Window(1))));
    ASSERT_TRUE(PumpUntil(IsPointerShown));
    ASSERT_NE(mKbd.setMouseHook(mPlayer->Window(0)), 0);

    // Longer than the rest period; the pointer must still show.
    PumpUntil([] { return !IsPointerShown(); }, 4s);
    EXPECT_TRUE(IsPointerShown());

    // The same wait over the target does hide it, so the timer was running.
    ASSERT_TRUE(MovePointerTo(CentreOf(mPlayer->Window(0))));
    EXPECT_TRUE(PumpUntil([] { return !IsPointerShown(); }));
}

TEST_F(MouseHookTest, OffStopsWatchingAndRemovesTheListener) {
    ASSERT_NE(mKbd.setMouseHook(mPlayer->Window(0)), 0);
    ASSERT_NE(Listener(), nullptr);
    EXPECT_NE(mKbd.setMouseHook(nullptr), 0);
    EXPECT_EQ(Listener(), nullptr);
}

TEST_F(MouseHookTest, RefusesAWindowThatIsGone) {
    const HWND gone = DestroyedWindow();
    EXPECT_EQ(mKbd.setMouseHook(gone), 0);
    EXPECT_EQ(Listener(), nullptr);
}

} // namespace
