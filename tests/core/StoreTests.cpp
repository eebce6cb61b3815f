// The stores: the settings file, the play list, the options, the data folder,
// the line format they share and the command line.
#include "placement/InitialSettings.h"
#include "store/CommandArgs.h"
#include "store/DataFolder.h"
#include "store/Options.h"
#include "store/PlayList.h"
#include "store/SettingNameRules.h"
#include "store/TaggedLine.h"
#include "store/WindowSettings.h"
#include "support/TestSupport.h"
#include "util/FileSystem.h"
#include "util/IniText.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace kiv {
namespace {

using namespace test;

TEST(TaggedLine, AKeyCountsOnlyWhereAFieldStartsAndOnlyBeforeAnEqualsSign) {
    const struct {
        const char* line;
        int tag;
        const char* value;
    } cases[] = {
        {"S1=Anamorphic;S2=10;S11=7;", 11, "7"},
        {"S1=Anamorphic;S2=10;S11=7;", 9, "d"},
        {"S1=open", 1, "d"}, // no terminator after the key
        {"S1=;", 1, ""},
        {"S1;", 1, "d"},         // no "=": no key
        {"s1=x;", 1, "d"},       // case matters
        {" S1=x;", 1, "d"},      // not at the start of a field
        {"S11=7;S1=x;", 1, "x"}, // the start of a longer key is not the key
        {"S1=AS2=B;S2=c;", 2, "c"},
        {"S1=PS3 Pro;S3=5;", 3, "5"}, // a key's text inside a name
        {"S1=Galaxy S20;S2=;", 20, "d"},
        {"S1=PS3;S2=x;", 3, "d"},
        {"S221=x;S2=y;S22=z;", 22, "z"},
        {"S01=x;S1=y;", 1, "y"},
        {"S1=a;S1=b;", 1, "a"}, // the first key wins
        {"S3=S4;S4=x;", 4, "x"},
        {"S1=a=b;", 1, "a=b"},
        {"S2=x;;S3=y;", 3, "y"},
    };
    for (const auto& c : cases) {
        const CTaggedLine fields(c.line);
        EXPECT_EQ(fields.Value(c.tag, "d"), c.value) << c.line << " " << c.tag;
        EXPECT_EQ(fields.Has(c.tag), std::string_view(c.value) != "d") << c.line << " " << c.tag;
    }
}

// Every field a different value, so a field written or read in another's place shows.
const CWindowSetting kFull{"Wide", "Class:Player", -5, -126, 1021, 1024, 3,  4, 60, 2, 1,
                           "1165", "Media Player", 7,  8,    9,    10,   -1, ""};

// The three stores' files in a folder of their own.
struct StoreFiles : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings{reporter};
    CPlayList list{reporter};
    COptions options{reporter};
    StoreFiles() {
        settings.AppDataFile = dir.File("KIV.dat");
        list.PlayListFile = dir.File("KIVPlay.dat");
        options.INIFilePath = dir.File("KIV.ini");
    }
    void SaveAndReload() {
        list.SaveItems();
        list.LoadItems();
    }
    COptions ReadFresh(const std::string& fileText) {
        WriteBytes(options.INIFilePath, fileText);
        COptions fresh(reporter);
        fresh.INIFilePath = options.INIFilePath;
        fresh.RetrieveSettings();
        return fresh;
    }
};
struct SettingsFixture : StoreFiles {};
struct PlayListFixture : StoreFiles {};
struct OptionsFixture : StoreFiles {};

TEST_F(SettingsFixture, SavedFileIsEveryLineWithCrLfAndNothingElse) {
    for (const auto& s : InitialSettings(1024, 768)) {
        settings.Add(s);
    }
    settings.SaveItems();
    EXPECT_EQ(ReadBytes(settings.AppDataFile),
              "S1=Anamorphic;S2=;S3=0;S4=0;S5=1024;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10112;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n"
              "S1=Letterbox;S2=;S3=0;S4=-126;S5=1024;S6=1021;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10113;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n"
              "S1=4x3;S2=;S3=128;S4=0;S5=768;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10114;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n");
}

TEST_F(SettingsFixture, EveryFieldSurvivesSaveAndLoadInOrderUnderNewKeys) {
    CWindowSetting extreme = kFull;
    extreme.WindowLeft = INT32_MIN;
    extreme.WindowTop = INT32_MAX;
    extreme.BlankingOn = INT16_MIN;
    extreme.SettingName = "PS3 S1S2S3"; // a field key's text in a text is only text
    extreme.ApplicationName = "Galaxy S20 S17 S2";
    const CWindowSetting saved[] = {kFull, extreme, CWindowSetting{}};
    for (const auto& s : saved) {
        settings.Add(s);
    }
    settings.SaveItems();
    settings.LoadItems();
    ASSERT_EQ(settings.Count(), 3);
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_TRUE(settings.Item(i)->CopyWithoutKey() == saved[i - 1]) << i;
        EXPECT_EQ(settings.Item(i)->ItemKey, "C" + std::to_string(3 + i));
    }
    EXPECT_THROW(settings.Item("C1"), CRuntimeError);
}

// All without a message.
TEST_F(SettingsFixture, ToleratesAMissingFileAFolderAndOlderHandEditedAndHostileLines) {
    settings.LoadItems();
    std::filesystem::create_directory(settings.AppDataFile);
    settings.LoadItems();
    EXPECT_EQ(settings.Count(), 0);
    settings.LoadFromText("S1=Old;S2=Class:Player;S6=40;\r\nS1=Wide S3=99;Screen;\n\rS1=Last;");
    ASSERT_EQ(settings.Count(), 4);
    EXPECT_EQ(settings.Item(1)->ApplicationName, "Class:Player"); // no S17: the class
    EXPECT_EQ(settings.Item(1)->WindowHeight, 40);
    // No escaping: a ";" ends a text; a key's text inside a text is only text.
    EXPECT_EQ(settings.Item(2)->SettingName, "Wide S3=99");
    EXPECT_EQ(settings.Item(2)->WindowLeft, 0);
    EXPECT_TRUE(settings.Item(3)->CopyWithoutKey() == CWindowSetting{}); // a blank line
    EXPECT_EQ(settings.Item(4)->SettingName, "Last"); // the last line needs no CR LF
    settings.LoadFromText("S3= 1e3 ;S4=-2.5;S15=+7;");
    EXPECT_EQ(std::tuple(settings.Item(1)->WindowLeft, settings.Item(1)->WindowTop,
                         settings.Item(1)->BlankingOn),
              std::tuple(1000, -2, int16_t{7})); // any number the strict rule reads
    settings.LoadFromText(std::string("S1=A\0B;S3=1;\r\n", 14));
    EXPECT_EQ(settings.Item(1)->SettingName, std::string("A\0B", 3));
    EXPECT_TRUE(reporter.messages.empty());
}

// The keys count on across loads; after the last one every line, in either
// list, reports its failed add and is skipped.
TEST_F(StoreFiles, AfterTheLastKeyEveryLineReportsItsFailedAddAndIsSkipped) {
    std::string text;
    for (int i = 0; i < 32767; ++i) {
        text += "S1=x;\r\n";
    }
    settings.LoadFromText(text);
    EXPECT_EQ(settings.Item(32767)->ItemKey, "C32767");
    EXPECT_TRUE(reporter.messages.empty());
    settings.LoadFromText("S1=a;\r\nS1=b;\r\n");
    EXPECT_EQ(settings.Count(), 0);
    list.LoadFromText(text + "S1=c;\r\n");
    EXPECT_EQ(list.Count(), 32767);
    EXPECT_EQ(reporter.Said(), Texts(3, "Add: Error: 6. Overflow"));
    EXPECT_EQ(list.Add("x", "", "", ""), nullptr);
}

TEST_F(SettingsFixture, AKeyIsExactlyCAndTheNumberOfAStoredSetting) {
    settings.Add({});
    settings.Add({});
    settings.Remove("C1");
    for (const char* key : {"C1", "C02", "c2", "C2 ", "C", "2", "C2x", "C65538", "C100002"}) {
        EXPECT_FALSE(settings.Contains(key)) << key;
    }
    EXPECT_EQ(settings.Item("C2"), settings.Item(1));
}

TEST_F(PlayListFixture, OlderFormAndBlankLinesThroughTwoSaveLoadCycles) {
    WriteBytes(list.PlayListFile, "Casablanca=Letterbox\r\n\r\nS1=Alien; Cut;S2=4x3;S3=VOL;S4=FF;");
    list.LoadItems();
    SaveAndReload();
    EXPECT_EQ(ReadBytes(list.PlayListFile), "S1=Casablanca;S2=Letterbox;S3=;S4=;\r\n"
                                            "S1=;S2=;S3=;S4=;\r\n"
                                            "S1=Alien;S2=4x3;S3=VOL;S4=FF;\r\n");
    ASSERT_EQ(list.Count(), 3);
    // The blank entry, now written with an empty title, keeps its empty fields.
    EXPECT_EQ(list.Item(2)->Title + list.Item(2)->Setting, "");
    EXPECT_EQ(list.LocatePlayListItem("VOL", "FF"), list.Item(3));
    EXPECT_EQ(list.LocatePlayListItem("vol", "FF"), nullptr); // compared exactly
    EXPECT_TRUE(reporter.messages.empty());
}

// Every key in writing order, none at its default.
const std::string kEveryKey =
    "[KIV]\r\nSubClassWindowSize=0\r\nGlobalKeyHook=0\r\nSpecifyDimensions=1\r\n"
    "AssumedHeight=600\r\nAssumedWidth=-800\r\nTaskBarMargin=30\r\nTitleBarMargin=19\r\n"
    "SideMargin=4\r\nDrive=E\r\nPlayListAutoSelect=0\r\nPlayListAutoAdd=1\r\n"
    "PlayListDefaultSetting=Letterbox\r\nDisableDVDRomContent=0\r\nAutoMouseHide=0\r\n"
    "ShowTrayIcon=0\r\nLaunchApplication=C:\\Players\\player.exe\r\nWindowStartMode=2\r\n"
    "UseCaptionNotClass=1\r\nHotKeySetFocusApp=1165\r\nHotKeySetFocusKIV=1166\r\n"
    "HotKeyMoveUp=0038\r\nHotKeyMoveDown=0040\r\nHotKeyMoveLeft=0037\r\n"
    "HotKeyMoveRight=0039\r\nHotKeyExpand=1038\r\nHotKeyShrink=1040\r\nHotKeySave=1183\r\n"
    "HotKeyReapplyCurrent=00112\r\nStartWithWindows=1\r\nMainWindowPosition=-1280,40\r\n";

TEST_F(OptionsFixture, EveryKeyIsReadAndWrittenBackByteForByteInOrder) {
    options.RetrieveSettings(); // no file yet: reading creates none
    EXPECT_FALSE(std::filesystem::exists(options.INIFilePath));
    COptions read = ReadFresh(kEveryKey);
    read.INIFilePath = dir.File("Copy.ini");
    read.SaveSettings();
    EXPECT_EQ(ReadBytes(read.INIFilePath), kEveryKey);
}

TEST_F(OptionsFixture, UnusableValuesLeaveTheirFieldsAndNumbersRoundHalvesToEven) {
    COptions read = ReadFresh("[KIV]\r\nSubClassWindowSize=yes\r\nShowTrayIcon=-1\r\n"
                              "TitleBarMargin=12.5\r\nTaskBarMargin=abc\r\n"
                              "WindowStartMode=-1\r\nDrive=\r\nMainWindowPosition=12\r\n"
                              "LaunchApplication=" +
                              std::string(400, 'p') + "\r\n");
    EXPECT_TRUE(read.SubClassWindowSize);
    EXPECT_TRUE(read.ShowTrayIcon);
    EXPECT_EQ(read.TitleBarMargin, 12);
    EXPECT_EQ(read.TaskBarMargin, 3);
    EXPECT_EQ(read.WindowStartMode, -1);
    EXPECT_EQ(read.Drive, "D"); // an empty value counts as missing
    EXPECT_EQ(read.LaunchApplication, std::string(259, 'p'));
    EXPECT_FALSE(read.MainWindowPosition); // not "left,top"
    read.SaveSettings();
    const std::string saved = ReadBytes(read.INIFilePath);
    EXPECT_EQ(ProfileLookup(saved, "KIV", "WindowStartMode"), "1");
    EXPECT_EQ(ProfileLookup(saved, "KIV", "MainWindowPosition"), "12"); // left as it was
}

// A save keeps other programs' keys and replaces KIV's in place; the main
// window's place is written alone, and only once there is one.
TEST_F(OptionsFixture, SavingKeepsForeignKeysAndTheMainWindowsPlaceIsWrittenAlone) {
    WriteBytes(options.INIFilePath,
               "; notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=E\r\nMine=kept\r\n");
    options.SaveSettings();
    const std::string text = ReadBytes(options.INIFilePath);
    EXPECT_EQ(text.rfind("; notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=D\r\nMine=kept\r\n", 0),
              0u)
        << text;
    EXPECT_EQ(ProfileLookup(text, "KIV", "MainWindowPosition"), std::nullopt);
    WriteBytes(options.INIFilePath, "[KIV]\r\nDrive=E\r\nMainWindowPosition=1,2\r\n");
    options.MainWindowPosition = WindowOrigin{1100, -40};
    EXPECT_TRUE(options.SaveMainWindowPosition());
    EXPECT_EQ(ReadBytes(options.INIFilePath),
              "[KIV]\r\nDrive=E\r\nMainWindowPosition=1100,-40\r\n");
    EXPECT_EQ(ReadFresh(ReadBytes(options.INIFilePath)).MainWindowPosition,
              options.MainWindowPosition);
    options.INIFilePath = dir.File("missing/KIV.ini"); // quietly not written
    EXPECT_FALSE(options.SaveMainWindowPosition());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsFixture, NumberTooLargeStopsReadingWithEarlierKeysApplied) {
    COptions read = ReadFresh("[KIV]\r\nGlobalKeyHook=0\r\nAssumedHeight=1e12\r\nDrive=E\r\n");
    EXPECT_FALSE(read.GlobalKeyHook);
    EXPECT_EQ(read.Drive, "D");
    EXPECT_EQ(reporter.Said(), Texts{"RetrieveSettings: Error: 6. Overflow"});
}

struct FakeFolders : IDataFolderPlatform {
    bool programWritable = false, createFails = false;
    std::string appData;
    std::set<std::string> folders, files;
    std::vector<std::string> copies;

    bool CanWriteIn(const std::string&) override { return programWritable; }
    std::string UserAppDataFolder() override { return appData; }
    bool FolderExists(const std::string& folder) override { return folders.contains(folder); }
    bool HasFile(const std::string& path) override { return files.contains(path); }
    bool CreateFolder(const std::string& folder) override {
        return !createFails && folders.insert(folder).first != folders.end();
    }
    void CopyFileIfAbsent(const std::string& from, const std::string& to) override {
        copies.push_back(from + ">" + to);
    }
};

TEST(DataFolder, TheUsersFolderOnceItHoldsFilesElseBesideTheProgramIfWritableElseSeededAndSaid) {
    const std::string sep(1, kPathSeparator), p = sep + "p" + sep, app = sep + "AppData";
    const std::string kiv = app + sep + "KIV" + sep;
    const std::vector<std::string> seeded = {p + "KIV.dat>" + kiv + "KIV.dat",
                                             p + "KIV.ini>" + kiv + "KIV.ini",
                                             p + "KIVPlay.dat>" + kiv + "KIVPlay.dat"};
    enum Made { None, Empty, Holding };
    struct Case {
        bool writable;
        Made made;
        bool createFails;
        std::string appData, folder;
        std::vector<std::string> copies;
        bool said;
    } cases[] = {
        {true, None, false, app, p, {}, false},         // a portable copy
        {true, Empty, false, app, p, {}, false},        // the user's folder holds nothing yet
        {true, Holding, false, app, kiv, {}, false},    // an elevated run keeps the user's files
        {false, None, false, app, kiv, seeded, true},   // first start: made, seeded, said
        {false, Empty, false, app, kiv, seeded, false}, // seeded, not said again
        {false, Holding, false, app + sep, kiv, {}, false}, // later starts: the user's own files
        {false, None, false, "", p, {}, false},             // no such folder: saves fail as before
        {false, None, true, app, p, {}, false},
    };
    for (const Case& c : cases) {
        FakeFolders fs;
        fs.programWritable = c.writable;
        fs.createFails = c.createFails;
        fs.appData = c.appData;
        fs.folders = c.made == None ? std::set<std::string>{} : std::set{kiv};
        fs.files = c.made == Holding ? std::set{kiv + "KIVPlay.dat"} : std::set<std::string>{};
        const CDataFolder chosen(fs, p);
        EXPECT_EQ(chosen.Path(), c.folder) << c.writable << c.made;
        EXPECT_EQ(fs.copies, c.copies) << c.writable << c.made;
        const bool said = chosen.Notice().find("(" + p + ")") != std::string::npos &&
                          chosen.Notice().find(kiv + " from now on") != std::string::npos;
        EXPECT_EQ(said, c.said) << chosen.Notice();
        EXPECT_EQ(chosen.Notice().empty(), !c.said);
    }
}

TEST(SettingName, TheFileSeparatorsCannotBeTypedOrPastedAndOkNeedsACharacter) {
    for (int32_t key : std::initializer_list<int32_t>{'a', ' ', ';', '=', 8, 0xE9}) {
        EXPECT_EQ(SettingNameRules::AcceptsKeystroke(key), key != ';' && key != '=') << key;
    }
    EXPECT_EQ(SettingNameRules::WithoutSeparators("S1=a;b c"), "S1ab c");
    EXPECT_EQ(SettingNameRules::WithoutSeparators("Caf\xE9"), "Caf\xE9");
    EXPECT_FALSE(SettingNameRules::OkEnabled(""));
    EXPECT_TRUE(SettingNameRules::OkEnabled(" "));
}

struct Parsed {
    RecordingReporter reporter;
    CCommandArgs args{reporter};
    explicit Parsed(std::string commandLine, std::string delim = "/") {
        args.TestString = std::move(commandLine);
        args.Delim = std::move(delim);
        args.Parse();
    }
};

TEST(CommandArgs, ValuesByKeyOrPosition) {
    const struct {
        const char* commandLine;
        const char* delim;
        int32_t count;
        const char* index;
        const char* value;
    } cases[] = {
        {"kiv.exe ignored /S  My Setting  /R", "/", 2, "s", "My Setting"},
        {"/S Wide/Tall", "/", 2, "S", "Wide"},
        {"/S First /s Second", "/", 2, "S", "First"},
        {"/R Yes /X", "/", 2, "x", "X"}, // a bare flag: its key
        {"/S \"Player Letterbox\" /R", "/", 2, "S", "Player Letterbox"},
        {"/S Say \"Hi\" Now", "/", 1, "S", "Say \"Hi\" Now"},
        {"/ \"\" /R", "/", 1, "1", "R"}, // empty quotes alone are no argument
        {"--s Wide --R", "--", 2, "S", "Wide"},
        {"xS one", "x", 1, "S", "one"},
        {"/S x", "", 0, "S", ""},
        {"", "/", 0, "S", ""},
        {"/A one /B two", "/", 2, " 2 ", "two"},
        {"/A one /B two", "/", 2, "1.5", "two"}, // rounds half to even: 2
        {"/A one /B two", "/", 2, "0", ""},
        {"/A one /B two", "/", 2, "1e300", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.commandLine << "' [" << c.index << "]");
        Parsed p(c.commandLine, c.delim);
        EXPECT_EQ(p.args.Count(), c.count);
        EXPECT_EQ(p.args.Item(c.index), c.value);
    }
    Parsed again("/A 1 /B 2");
    again.args.TestString = "/C 3";
    again.args.Parse(); // starts afresh
    EXPECT_EQ(again.args.Item("1"), "3");
    EXPECT_THROW(again.args.Key(2), CRuntimeError);
}

TEST(CommandArgs, ArgumentsFollowTheProgramName) {
    const std::pair<const char*, const char*> cases[] = {
        {"kiv.exe /S Wide", "/S Wide"},
        {"\"C:\\Program Files\\KIV\\kiv.exe\"   /R", "/R"},
        {"\"C:\\a b\\kiv.exe\"", ""},
        {"kiv.exe", ""},
        {"", ""},
        {"\"unterminated /S x", ""},
    };
    for (const auto& [commandLine, arguments] : cases) {
        EXPECT_EQ(CommandLineArguments(commandLine), arguments) << commandLine;
    }
}

} // namespace
} // namespace kiv
