#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kiv {

// The program's three data files, kept together in one folder.
inline constexpr char kSettingsFileName[] = "KIV.dat";
inline constexpr char kOptionsFileName[] = "KIV.ini";
inline constexpr char kPlayListFileName[] = "KIVPlay.dat";
inline constexpr std::array<std::string_view, 3> kDataFileNames = {
    kSettingsFileName, kOptionsFileName, kPlayListFileName};

// What choosing the data folder asks of the file system. Folders carry a
// trailing separator.
class IDataFolderPlatform {
public:
    virtual ~IDataFolderPlatform() = default;
    // True when a file can be created in the folder (tried, not guessed).
    virtual bool CanWriteIn(const std::string& folder) = 0;
    // The user's roaming application data folder; "" when there is none.
    virtual std::string UserAppDataFolder() = 0;
    virtual bool FolderExists(const std::string& folder) = 0;
    // True when `path` names a file (not a folder).
    virtual bool HasFile(const std::string& path) = 0;
    // True when the folder exists afterwards.
    virtual bool CreateFolder(const std::string& folder) = 0;
    // Copies `from` to `to` unless `to` exists already; a missing source or a
    // failed copy is ignored.
    virtual void CopyFileIfAbsent(const std::string& from, const std::string& to) = 0;
};

// Where KIV reads and writes its data files. Once the user's application
// data folder + "KIV" holds any of them, that folder, whoever runs KIV (an
// elevated run can write beside the program, yet must not switch folders).
// Otherwise beside the program as long as that folder can be written, so a
// portable copy keeps its files with it; failing that (an installation under
// Program Files) in the user's folder, made the first time and seeded with
// the data files found beside the program. Files already there are never
// copied over, and the notice that says where the files went is given only
// the time the folder is made.
class CDataFolder {
public:
    CDataFolder(IDataFolderPlatform& platform, const std::string& programFolder);

    // The folder, with a trailing separator.
    const std::string& Path() const noexcept { return mPath; }
    // The information message to show once; "" when there is nothing to say.
    const std::string& Notice() const noexcept { return mNotice; }

private:
    std::string mPath;
    std::string mNotice;
};

} // namespace kiv
