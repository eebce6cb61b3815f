// The utilities: numbers and their text, files, profile text and the etched line.
#include "support/TestSupport.h"
#include "util/FileSystem.h"
#include "util/GDILine.h"
#include "util/IniText.h"
#include "util/KeyFilters.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#ifdef _WIN32
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32.h"

#include <chrono>
#include <thread>
#endif

namespace kiv {
namespace {

using namespace test;

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{0.5, 0},    {1.5, 2},   {2.5, 2},   {3.5, 4},
                                               {-0.5, -0},  {-1.5, -2}, {-2.5, -2}, {2.4999, 2},
                                               {2.5001, 3}, {12.5, 12}, {13.5, 14}, {-126.5, -126}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
}

TEST(NumericTest, AcceptsWholeDecimalNumbersOnly) {
    for (const char* yes : {"0", "12", " -3.5 ", "+7", "1e3", "2.", ".5", "1E-2", "  42"}) {
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    }
    for (const char* no :
         {"", " ", "abc", "12abc", "1 2", "-", ".", "1e", "0x10", "1,000", "--1", "yes", "1.2.3"}) {
        EXPECT_FALSE(IsNumeric(no)) << no;
    }
}

TEST(StrictConversion, RoundsAndRangeChecks) {
    EXPECT_EQ(StrictToInt32("12.5"), 12);
    EXPECT_EQ(StrictToInt32(" -2147483648 "), INT32_MIN);
    EXPECT_EQ(StrictToInt32("2147483647.4"), INT32_MAX);
    EXPECT_EQ(StrictToInt16("-32768"), INT16_MIN);
    EXPECT_EQ(CheckedSubtract32(INT32_MIN + 1, 1), INT32_MIN);
    for (const char* tooLarge : {"2147483647.5", "-2147483649", "1e400"}) {
        RecordingReporter reporter;
        TrapErrors(reporter, "Convert", [&] { StrictToInt32(tooLarge); });
        EXPECT_EQ(reporter.Said(), Texts{"Convert: Error: 6. Overflow"}) << tooLarge;
    }
    EXPECT_THROW(StrictToInt32("12abc"), CRuntimeError);
    EXPECT_THROW(StrictToInt16("32767.5"), CRuntimeError);
    EXPECT_THROW(CheckedAdd32(2000000000, 2000000000), CRuntimeError);
    EXPECT_THROW(CheckedSubtract32(0, INT32_MIN), CRuntimeError);
    EXPECT_THROW(RoundToInt32(std::nan("")), CRuntimeError);
}

TEST(KeyFilters, TheNumericFilterFollowsItsFlags) {
    EXPECT_EQ(FilterKeyPressNumeric('.', true, false), 0);
    EXPECT_EQ(FilterKeyPressNumeric('-', false, true), 0);
    for (int16_t code : {int16_t{'-'}, int16_t{'.'}, int16_t{'9'}, kKeyBackspace}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), code);
    }
    for (int16_t code : {int16_t{'a'}, kKeyEnter, int16_t{'/'}, int16_t{':'}}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), 0);
    }
}

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
    // name.text exists, but has a four-character extension.
    for (const auto& [name, exists] :
         {std::pair{"a.b", true}, {"readme", true}, {"name.text", false}}) {
        WriteBytes(dir.File(name), "contents");
        EXPECT_EQ(FileExists(dir.File(name)), exists) << name;
    }
    EXPECT_FALSE(FileExists(dir.File("missing.dat")));
    EXPECT_FALSE(FileExists(hidden));
    EXPECT_FALSE(FileExists(dir.File("a.b") + std::string(1, '\0')));
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
    RecordingReporter reporter;
    TrapErrors(reporter, "Read", [&] { ReadWholeFile(dir.File("missing.dat")); });
    EXPECT_EQ(reporter.Said(), Texts{"Read: Error: 53. File not found"});
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

TEST(ProfileText, LookupFollowsThePlatformRules) {
    const std::string text =
        "; comment=1\r\n[Other]\r\nKey=other\r\n[ kiv ]\r\n  key  =  spaced  \r\n"
        "Quoted=\"in quotes\"\r\nEmpty=\r\n[KIV]\r\nKey=second section\r\n";
    EXPECT_EQ(ProfileLookup(text, "KIV", "KEY"), "spaced");
    EXPECT_EQ(ProfileLookup(text, "Kiv", "Quoted"), "in quotes");
    EXPECT_EQ(ProfileLookup(text, "KIV", "Empty"), "");
    EXPECT_EQ(ProfileLookup(text, "KIV", "Missing"), std::nullopt);
    EXPECT_EQ(ProfileLookup(text, "Other", "Key"), "other");
}

#ifdef _WIN32
// Our text rules against the platform's own profile calls: the same file
// written key by key, and the same values read back.
TEST(ProfileText, UpdateAndLookupAgreeWithThePlatformsProfileCalls) {
    TempDir dir;
    const std::string path = dir.File("test.ini");
    const std::string start = "; notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=\"E\"\r\n";
    WriteBytes(path, start);
    std::string text = start;
    const std::pair<const char*, const char*> writes[] = {
        {"Drive", "F"}, {"Margin", "-1"}, {"Blank", ""}, {"Margin", "2"}};
    for (const auto& [key, value] : writes) {
        ASSERT_TRUE(::WritePrivateProfileStringA("KIV", key, value, path.c_str()));
        text = ProfileUpdate(text, "KIV", key, value);
    }
    EXPECT_EQ(ReadBytes(path), text);
    for (const char* key : {"Drive", "MARGIN", "Blank", "Missing"}) {
        char buffer[kIniValueLimit + 1] = {};
        ::GetPrivateProfileStringA("KIV", key, "~nf~", buffer, sizeof buffer, path.c_str());
        EXPECT_EQ(ProfileLookup(text, "KIV", key).value_or("~nf~"), buffer) << key;
    }
}
#endif

// Records the drawing as text; its raster operation differs from the line's.
struct RecordingCanvas : ILineCanvas {
    void BeginPen(int32_t, int32_t width, uint32_t rgb) override {
        drawn += "pen " + std::to_string(width) + " " + std::to_string(rgb) + ";";
    }
    void EndPen() override {}
    int32_t GetROP2() override { return rop; }
    int32_t SetROP2(int32_t mode) override { return std::exchange(rop, mode); }
    bool MoveTo(int32_t x, int32_t y) override {
        drawn += std::to_string(x) + "," + std::to_string(y);
        return true;
    }
    void LineTo(int32_t x, int32_t y) override {
        drawn += "-" + std::to_string(x) + "," + std::to_string(y) + ";";
    }
    uint32_t SysColor(int32_t index) override { return 0x1000u + static_cast<uint32_t>(index); }

    std::string drawn;
    int32_t rop = 7;
};

TEST(GDILine, EtchedLineDrawsTwiceAndLeavesItsPropertiesAndTheCanvasAsTheyWere) {
    RecordingCanvas canvas;
    CGDILine line;
    line.BorderColor = 0x123456;
    line.BorderWidth = 3;
    line.X1 = 1;
    line.X2 = 30;
    line.Draw3DLine(canvas, kSystemColorFlag | kColorButtonShadow,
                    kSystemColorFlag | kColorButtonHighlight);
    EXPECT_EQ(canvas.drawn, "pen 3 4112;1,0-30,0;pen 3 4116;2,1-31,1;");
    EXPECT_EQ(canvas.rop, 7);
    EXPECT_EQ(line.BorderColor, 0x123456u);
    EXPECT_EQ(line.X1 + line.Y1 + line.X2 + line.Y2, 1 + 30);
}

} // namespace
} // namespace kiv
