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

TEST(AtomicSave, ReplacesTheFileAndReadsBackEveryByte) {
    TempDir dir;
    std::string path = dir.File("data.dat");
    std::string bytes(3 << 20, 'z');
    for (int i = 0; i < 256; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>(i);
    }
    SaveFileAtomically(path, "old");
    SaveFileAtomically(path, bytes);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    try {
        ReadWholeFile(dir.File("missing.dat"));
        ADD_FAILURE() << "a missing file must raise";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::FileNotFound);
    }
}

#ifdef _WIN32
TEST(RemoveFile, WaitsForAFileAnotherProgramHoldsOpenForAMomentHandlingMessages) {
    TempDir dir;
    std::string path = dir.File("data.dat");
    WriteBytes(path, "old");
    // Opened the way most programs read a file: it may not be deleted meanwhile.
    win32::UniqueFile held(::CreateFileA(path.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    std::thread release([&held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        held.Reset();
    });
    // The thread's messages are handled while it waits.
    MSG message{};
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP, 0, 0);
    RemoveFile(path);
    release.join();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(::PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
}
#endif

} // namespace
} // namespace kiv
