// Every store's save against every way the file system can fail it. Natively
// the C library's own calls fail (this program links with --wrap for write,
// fsync and rename); under Wine the conditions are real ones.
#include "store/Options.h"
#include "store/PlayList.h"
#include "store/WindowSettings.h"
#include "support/TestSupport.h"
#include "util/Numbers.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <map>

#ifdef _WIN32
#include "platform/win32/UniqueHandle.h"

#include <chrono>
#include <thread>
#else
#include <cerrno>
#include <unistd.h>
#include <utility>
#endif

namespace kiv {
namespace {

using namespace test;

#ifndef _WIN32
enum class Injected { None, FailedRead, ShortWrite, NoSpace, FailedFlush, FailedReplace };
Injected gInjected = Injected::None;
bool gWrittenShort = false;
#endif

} // namespace
} // namespace kiv

#ifndef _WIN32
extern "C" {
ssize_t __real_read(int fd, void* data, size_t size);
ssize_t __real_write(int fd, const void* data, size_t size);
int __real_fsync(int fd);
int __real_rename(const char* from, const char* to);

static bool Fails(kiv::Injected fault) {
    const bool fails = kiv::gInjected == fault;
    errno = fails ? EIO : errno;
    return fails;
}
ssize_t __wrap_read(int fd, void* data, size_t size) {
    return Fails(kiv::Injected::FailedRead) ? -1 : __real_read(fd, data, size);
}
ssize_t __wrap_write(int fd, const void* data, size_t size) {
    using kiv::Injected;
    switch (kiv::gInjected) {
    case Injected::ShortWrite: // part of the bytes, then nothing more and no error
        return std::exchange(kiv::gWrittenShort, true) ? 0 : __real_write(fd, data, size / 2);
    case Injected::NoSpace:
        errno = ENOSPC;
        return -1;
    default:
        return __real_write(fd, data, size);
    }
}
int __wrap_fsync(int fd) {
    return Fails(kiv::Injected::FailedFlush) ? -1 : __real_fsync(fd);
}
int __wrap_rename(const char* from, const char* to) {
    return Fails(kiv::Injected::FailedReplace) ? -1 : __real_rename(from, to);
}
}
#endif

namespace kiv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAccess = ": Error: 75. Path/File access error";

struct StoreKind {
    std::string_view file;
    // Who reports the failure: a store that raises is reported by the command
    // that saved it; the options report their own.
    std::string_view title;
    // In the file once the number 2 is saved.
    std::string_view savedTwo;
};
const std::array<StoreKind, 3> kStores = {{
    {"KIV.dat", "HandleSaveClick", "S3=2;"},
    {"KIVPlay.dat", "Form_Unload", "S1=2;"},
    {"KIV.ini", "SaveSettings", "TaskBarMargin=2\r\n"},
}};

// The three stores in a folder of their own, each holding one number; `store`
// is the one under test, `path` its file.
struct Stores {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings{reporter};
    CPlayList playList{reporter};
    COptions options{reporter};
    size_t store;
    std::string path = dir.File(kStores[store].file);
#ifdef _WIN32
    win32::UniqueFile held;
    std::thread releaser;
#endif

    explicit Stores(size_t store) : store(store) {
        settings.AppDataFile = dir.File("KIV.dat");
        playList.PlayListFile = dir.File("KIVPlay.dat");
        options.INIFilePath = dir.File("KIV.ini");
        settings.Add(CWindowSetting{});
        playList.Add("", "Anamorphic", "MY_MOVIE", "1A2B");
    }
    void Set(int32_t value) {
        settings.Item(1)->WindowLeft = value;
        playList.Item(1)->Title = DecimalText(value);
        options.TaskBarMargin = value;
    }
    void Save() {
        if (store == 2) {
            options.SaveSettings();
        } else {
            TrapErrors(reporter, kStores[store].title,
                       [&] { store == 0 ? settings.SaveItems() : playList.SaveItems(); });
        }
    }
    bool SavedTwo() const {
        return ReadBytes(path).find(kStores[store].savedTwo) != std::string::npos;
    }
    // The entries loaded from the file, and whether it was not read in full.
    std::pair<int32_t, bool> Load() {
        if (store == 0) {
            settings.LoadItems();
            return {settings.Count(), settings.FileUnread()};
        }
        playList.LoadItems();
        return {playList.Count(), playList.FileUnread()};
    }
    // Every entry of the folder: a file's bytes, or a mark for a folder.
    std::map<std::string, std::string> Contents() const {
        std::map<std::string, std::string> contents;
        for (const auto& entry : fs::directory_iterator(dir.Path())) {
            contents[entry.path().filename().string()] =
                entry.is_directory() ? "<folder>" : ReadBytes(entry.path().string());
        }
        return contents;
    }
};

using Step = std::function<void(Stores&)>;
struct Fault {
    std::string_view name;
    Step prepare; // before the old state is taken
    Step hold;    // after it: the file cannot be read meanwhile
    Step release; // after the save, before the old state is compared
    bool waitedFor = false;
};

void Nothing(Stores&) {}

void MakeReadOnly(Stores& stores) {
    fs::permissions(stores.path,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}
void MakeWritable(Stores& stores) {
    fs::permissions(stores.path, fs::perms::owner_write, fs::perm_options::add);
}
void PutFolderInPlace(Stores& stores) {
    fs::remove(stores.path);
    fs::create_directory(stores.path);
}

#ifndef _WIN32
Step Inject(Injected injected) {
    return [injected](Stores&) { gInjected = injected; };
}
void Unblock(Stores&) {
    gInjected = Injected::None;
    gWrittenShort = false;
}

std::vector<Fault> Faults() {
    return {
        {"short write", Inject(Injected::ShortWrite), Nothing, Unblock},
        {"no space left", Inject(Injected::NoSpace), Nothing, Unblock},
        {"failed flush", Inject(Injected::FailedFlush), Nothing, Unblock},
        {"failed replace", Inject(Injected::FailedReplace), Nothing, Unblock},
        {"read-only file", MakeReadOnly, Nothing, MakeWritable},
        {"folder in the file's place", PutFolderInPlace, Nothing, Nothing},
    };
}

// The store's file cannot be read (at a load) or renamed (at a save) meanwhile.
const Step BlockReading = Inject(Injected::FailedRead);
const Step BlockSaving = Inject(Injected::FailedReplace);
#else
// Opened without sharing, as an editor or a backup program may hold it.
void HoldOpen(Stores& stores) {
    stores.held.Reset(::CreateFileA(stores.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(stores.held);
}
void Unblock(Stores& stores) {
    stores.held.Reset();
}

std::vector<Fault> Faults() {
    return {
        {"read-only file", MakeReadOnly, Nothing, MakeWritable},
        {"folder in the file's place", PutFolderInPlace, Nothing, Nothing},
        {"held open past the wait", Nothing, HoldOpen, Unblock},
        {"held open for a moment", Nothing,
         [](Stores& stores) {
             HoldOpen(stores);
             stores.releaser = std::thread([&stores] {
                 std::this_thread::sleep_for(std::chrono::milliseconds(300));
                 stores.held.Reset();
             });
         },
         [](Stores& stores) { stores.releaser.join(); }, true},
    };
}

// The store's file cannot be read (at a load) or renamed (at a save) meanwhile.
const Step BlockReading = HoldOpen;
const Step BlockSaving = HoldOpen;
#endif

TEST(SaveFaults, AFailedSaveKeepsTheOldFileLeavesNoTemporaryFileAndIsReportedOnce) {
    for (size_t store = 0; store < kStores.size(); ++store) {
        for (const Fault& fault : Faults()) {
            SCOPED_TRACE(std::string(kStores[store].file) + ", " + std::string(fault.name));
            Stores stores(store);
            stores.Set(1);
            stores.Save();
            stores.Set(2);

            fault.prepare(stores);
            const auto before = stores.Contents();
            fault.hold(stores);
            stores.Save();
            fault.release(stores);

            if (fault.waitedFor) {
                EXPECT_TRUE(stores.reporter.messages.empty());
                EXPECT_TRUE(stores.SavedTwo());
                EXPECT_EQ(stores.Contents().size(), 1u);
                continue;
            }
            EXPECT_EQ(stores.reporter.Take(), Texts{std::string(kStores[store].title) + kAccess});
            EXPECT_EQ(stores.Contents(), before);

            // The store still holds its change and saves it once the fault is gone.
            if (fs::is_directory(stores.path)) {
                fs::remove(stores.path);
            }
            stores.Save();
            EXPECT_TRUE(stores.reporter.messages.empty());
            EXPECT_TRUE(stores.SavedTwo());
        }
    }
}

TEST(SaveFaults, AFileNotReadInFullIsSetAsideBeforeTheFirstSaveReplacesItAndThatIsSaidOnce) {
    const struct {
        size_t store;
        std::string_view old;
        bool readFails;
        int32_t read; // entries loaded
        std::string_view loadMessage;
    } cases[] = {
        {0, "S1=Kept;S3=1;\r\n", true, 0, kAccess},
        // A number that does not convert stops the load, keeping the settings before it.
        {0, "S1=One;\r\nS1=Bad;S3=x;\r\nS1=Later;\r\n", false, 1, ": Error: 13. Type mismatch"},
        {0, "S1=One;\r\nS1=Two;\r\nS1=Bad;S3=12abc;\r\n", false, 2, ": Error: 13. Type mismatch"},
        {0, "S1=Bad;S15=32768;\r\nS1=After;\r\n", false, 0, ": Error: 6. Overflow"},
        {1, "S1=Kept;S2=Wide;S3=VOL;S4=1;\r\n", true, 0, kAccess},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.old));
        Stores stores(c.store);
        const std::string file(kStores[c.store].file), path = stores.path;
        WriteBytes(path, std::string(c.old));
        WriteBytes(path + ".unread", "earlier"); // a name taken: the next one is used
        if (c.readFails) {
            BlockReading(stores);
        }
        const auto [count, unread] = stores.Load();
        Unblock(stores);
        EXPECT_EQ(count, c.read);
        EXPECT_TRUE(unread);
        EXPECT_EQ(stores.reporter.Take(), Texts{"LoadItems" + std::string(c.loadMessage)});

        // A save that cannot set the file aside replaces nothing.
        BlockSaving(stores);
        stores.Save();
        Unblock(stores);
        EXPECT_EQ(stores.reporter.Take(), Texts{std::string(kStores[c.store].title) + kAccess});
        EXPECT_EQ(ReadBytes(path), c.old);
        EXPECT_FALSE(fs::exists(path + ".unread2"));

        stores.Save();
        EXPECT_EQ(ReadBytes(path + ".unread2"), c.old);
        EXPECT_EQ(ReadBytes(path + ".unread"), "earlier");
        const Texts said = stores.reporter.Take();
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].rfind("KIV: KIV could not read all of " + file, 0), 0u) << said[0];
        EXPECT_NE(said[0].find(path + ".unread2"), std::string::npos) << said[0];

        // Only once: the file now holds what the store holds.
        stores.Save();
        EXPECT_TRUE(stores.reporter.messages.empty());
        EXPECT_EQ(stores.Contents().size(), 3u);
        const auto [reloaded, stillUnread] = stores.Load();
        EXPECT_EQ(reloaded, c.read);
        EXPECT_FALSE(stillUnread);
    }
}

} // namespace
} // namespace kiv
