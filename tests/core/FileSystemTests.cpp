#include "support/TestSupport.h"
#include "util/FileSystem.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32.h"

#include <chrono>
#include <thread>
#endif

namespace kiv {
namespace {

using namespace test;

TEST(FileExists, OnlyOrdinaryFilesWithShortExtensions) {
    for (const char* name : {"", "   ", "C:\\", "D:", "name.text", "com1", "Aux", "lpt3"}) {
        EXPECT_FALSE(FileExists(name)) << "'" << name << "'";
    }
    TempDir dir;
#ifdef _WIN32
    std::string hidden = dir.File("hidden.txt");
    WriteBytes(hidden, "x");
    ::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(FileExists(dir.File("*.b")));
#else
    std::string hidden = dir.File(".hidden");
    WriteBytes(hidden, "x");
#endif
    for (const char* name : {"a.b", "readme", "name.text"}) {
        WriteBytes(dir.File(name), "contents");
    }
    EXPECT_TRUE(FileExists(dir.File("a.b")));
    EXPECT_TRUE(FileExists(dir.File("readme")));
    EXPECT_FALSE(FileExists(dir.File("name.text"))); // exists, but a four-character extension
    EXPECT_FALSE(FileExists(dir.File("missing.dat")));
    EXPECT_FALSE(FileExists(hidden));
    EXPECT_FALSE(FileExists(dir.File("a.b") + std::string(1, '\0')));
}

TEST(AppPath, IsTheProgramFolderWithOneTrailingSeparator) {
    EXPECT_EQ(AppPath().back(), kPathSeparator);
    EXPECT_EQ(FolderWithSeparator("C:\\"), "C:\\");
    EXPECT_EQ(FolderWithSeparator(std::string("dir")), std::string("dir") + kPathSeparator);
}

TEST(AtomicSave, ReplacesTheFileOrLeavesItWholeAndReadsBackEveryByte) {
    TempDir dir;
    std::string path = dir.File("data.dat");
    std::string bytes(3 << 20, 'z');
    for (int i = 0; i < 256; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>(i);
    }
    SaveFileAtomically(path, "old");
    SaveFileAtomically(path, bytes);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    SaveFileAtomically(path, "keep me");
    using std::filesystem::perms;
    std::filesystem::permissions(path,
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_THROW(SaveFileAtomically(path, "lost"), CRuntimeError);
    EXPECT_EQ(ReadBytes(path), "keep me");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    try {
        ReadWholeFile(dir.File("missing.dat"));
        ADD_FAILURE() << "a missing file must raise";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::FileNotFound);
    }
}

#ifdef _WIN32
TEST(AtomicSave, WaitsForAFileAnotherProgramHoldsOpenForAMoment) {
    TempDir dir;
    std::string path = dir.File("data.dat");
    SaveFileAtomically(path, "old");
    // Opened the way most programs read a file: it may not be replaced or
    // deleted meanwhile. Held for the whole wait, the save fails and the
    // old file stays; held for a moment, the save and the delete wait for it.
    auto holdOpen = [&] {
        return win32::UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    {
        win32::UniqueFile held = holdOpen();
        EXPECT_THROW(SaveFileAtomically(path, "new"), CRuntimeError);
    }
    EXPECT_EQ(ReadBytes(path), "old");
    for (bool remove : {false, true}) {
        win32::UniqueFile held = holdOpen();
        std::thread release([&held] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            held.Reset();
        });
        remove ? RemoveFile(path) : SaveFileAtomically(path, "new");
        release.join();
        EXPECT_EQ(std::filesystem::exists(path), !remove);
    }
}
#endif

} // namespace
} // namespace kiv
