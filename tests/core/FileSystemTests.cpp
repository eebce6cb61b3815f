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

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string MakeHidden(const TempDir& dir) {
#ifdef _WIN32
    std::string path = dir.File("hidden.txt");
    WriteBytes(path, "x");
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
#else
    std::string path = dir.File(".hidden");
    WriteBytes(path, "x");
#endif
    return path;
}

TEST(FileExists, NamesThatCanNeverBeAFile) {
    for (const char* name :
         {"", "   ", "C:\\", "D:", "name.text", "com1", "Aux", "PRN", "lpt3", "COM"}) {
        EXPECT_FALSE(FileExists(name)) << "'" << name << "'";
    }
}

TEST(FileExists, RealFilesOnDisk) {
    TempDir dir;
    for (const char* name : {"a.b", "readme", "name.text"}) {
        WriteBytes(dir.File(name), "contents");
    }
    EXPECT_TRUE(FileExists(dir.File("a.b")));
    EXPECT_TRUE(FileExists(dir.File("readme")));
    EXPECT_FALSE(FileExists(dir.File("name.text"))); // exists, but a four-character extension
    EXPECT_FALSE(FileExists(dir.File("missing.dat")));
    EXPECT_FALSE(FileExists(MakeHidden(dir)));
    EXPECT_FALSE(FileExists(dir.File("a.b") + std::string(1, '\0')));
    std::string folder = dir.File("folder.dat");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(FileExists(folder));
#ifdef _WIN32
    EXPECT_FALSE(FileExists(dir.File("*.b")));
#endif
}

TEST(AppPath, IsTheProgramFolderWithOneTrailingSeparator) {
    std::string path = AppPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), kPathSeparator);
    EXPECT_EQ(FolderWithSeparator("C:\\"), "C:\\");
    EXPECT_EQ(FolderWithSeparator(""), "");
    EXPECT_EQ(FolderWithSeparator(std::string("dir")), std::string("dir") + kPathSeparator);
}

TEST(AtomicSave, ReplacesTheFileOrLeavesItWhole) {
    TempDir dir;
    std::string path = dir.File("data.dat");
    std::string big(3 << 20, 'z');
    SaveFileAtomically(path, big);
    EXPECT_EQ(ReadBytes(path), big);
    SaveFileAtomically(path, "");
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);

    SaveFileAtomically(path, "keep me");
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_THROW(SaveFileAtomically(path, "lost"), CRuntimeError);
    EXPECT_EQ(ReadBytes(path), "keep me");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

#ifdef _WIN32
// Opens `path` the way most programs read a file: others may read and write
// it, but not delete or replace it while it is open.
win32::UniqueFile HoldOpen(const std::string& path) {
    return win32::UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(AtomicSave, WaitsForAFileAnotherProgramHoldsOpenForAMoment) {
    using namespace std::chrono_literals;
    TempDir dir;
    std::string path = dir.File("data.dat");
    SaveFileAtomically(path, "old");

    // Held for the whole wait: the save fails and the old file stays.
    {
        win32::UniqueFile held = HoldOpen(path);
        ASSERT_TRUE(held);
        EXPECT_THROW(SaveFileAtomically(path, "new"), CRuntimeError);
        RemoveFile(path);
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    // Held for a moment: the save and the delete wait for it and succeed.
    for (bool remove : {false, true}) {
        win32::UniqueFile held = HoldOpen(path);
        ASSERT_TRUE(held);
        std::thread release([&held] {
            std::this_thread::sleep_for(300ms);
            held.Reset();
        });
        if (remove) {
            RemoveFile(path);
        } else {
            EXPECT_NO_THROW(SaveFileAtomically(path, "new"));
        }
        release.join();
        if (remove) {
            EXPECT_FALSE(std::filesystem::exists(path));
        } else {
            EXPECT_EQ(ReadBytes(path), "new");
        }
    }
}
#endif

TEST(ReadWholeFile, BytesComeBackUnchanged) {
    TempDir dir;
    std::string path = dir.File("bin.dat");
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    WriteBytes(path, bytes);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    try {
        ReadWholeFile(dir.File("missing.dat"));
        ADD_FAILURE() << "a missing file must raise";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::FileNotFound);
    }
}

} // namespace
} // namespace kiv
