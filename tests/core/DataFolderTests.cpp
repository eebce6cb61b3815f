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
    std::set<std::string> folders;
    std::vector<std::string> copies;

    bool CanWriteIn(const std::string&) override { return programWritable; }
    std::string UserAppDataFolder() override { return appData; }
    bool FolderExists(const std::string& folder) override { return folders.contains(folder); }
    bool CreateFolder(const std::string& folder) override {
        return !createFails && folders.insert(folder).first != folders.end();
    }
    void CopyFileIfAbsent(const std::string& from, const std::string& to) override {
        copies.push_back(from + ">" + to);
    }
};

TEST(DataFolder, BesideTheProgramUnlessItCannotBeWrittenThenSeededAndSaidOnce) {
    const std::string sep(1, kPathSeparator), p = sep + "p" + sep, app = sep + "AppData";
    const std::string kiv = app + sep + "KIV" + sep;
    const std::vector<std::string> seeded = {p + "KIV.dat>" + kiv + "KIV.dat",
                                             p + "KIV.ini>" + kiv + "KIV.ini",
                                             p + "KIVPlay.dat>" + kiv + "KIVPlay.dat"};
    struct Case {
        bool writable, made, createFails;
        std::string appData, folder;
        std::vector<std::string> copies;
    } cases[] = {
        {true, false, false, app, p, {}},         // nothing changes
        {false, false, false, app, kiv, seeded},  // first start: made, seeded, said
        {false, true, false, app + sep, kiv, {}}, // later starts: the user's own files
        {false, false, false, "", p, {}},         // no such folder: saves fail as before
        {false, false, true, app, p, {}},
    };
    for (const Case& c : cases) {
        FakeFolders fs;
        fs.programWritable = c.writable;
        fs.createFails = c.createFails;
        fs.appData = c.appData;
        if (c.made) {
            fs.folders.insert(kiv);
        }
        const CDataFolder chosen(fs, p);
        EXPECT_EQ(chosen.Path(), c.folder);
        EXPECT_EQ(fs.copies, c.copies) << c.folder;
        const bool said = chosen.Notice().find("(" + p + ")") != std::string::npos &&
                          chosen.Notice().find(kiv + " from now on") != std::string::npos;
        EXPECT_EQ(said, !c.copies.empty()) << chosen.Notice();
    }
}

} // namespace
} // namespace kiv
