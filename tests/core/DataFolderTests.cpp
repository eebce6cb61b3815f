#include "store/DataFolder.h"
#include "util/FileSystem.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace kiv {
namespace {

// Folders by name; copies are recorded, not made.
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
        if (c.made != None) {
            fs.folders.insert(kiv);
        }
        if (c.made == Holding) {
            fs.files.insert(kiv + "KIVPlay.dat");
        }
        const CDataFolder chosen(fs, p);
        EXPECT_EQ(chosen.Path(), c.folder) << c.writable << c.made;
        EXPECT_EQ(fs.copies, c.copies) << c.writable << c.made;
        const bool said = chosen.Notice().find("(" + p + ")") != std::string::npos &&
                          chosen.Notice().find(kiv + " from now on") != std::string::npos;
        EXPECT_EQ(said, c.said) << chosen.Notice();
        EXPECT_EQ(chosen.Notice().empty(), !c.said);
    }
}

} // namespace
} // namespace kiv
