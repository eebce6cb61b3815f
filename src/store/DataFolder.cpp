#include "store/DataFolder.h"

#include "util/FileSystem.h"

namespace kiv {

namespace {
constexpr std::string_view kFallbackName = "KIV";
} // namespace

CDataFolder::CDataFolder(IDataFolderPlatform& platform, const std::string& programFolder)
    : mPath(programFolder) {
    if (programFolder.empty()) {
        return;
    }
    const std::string appData = platform.UserAppDataFolder();
    const std::string fallback = appData.empty()
                                     ? std::string()
                                     : FolderWithSeparator(appData) + std::string(kFallbackName) +
                                           std::string(1, kPathSeparator);
    const auto holdsDataFiles = [&] {
        for (std::string_view name : kDataFileNames) {
            if (platform.HasFile(fallback + std::string(name))) {
                return true;
            }
        }
        return false;
    };
    if (!fallback.empty() && platform.FolderExists(fallback) && holdsDataFiles()) {
        mPath = fallback;
        return;
    }
    if (fallback.empty() || platform.CanWriteIn(programFolder)) {
        return;
    }
    const bool firstTime = !platform.FolderExists(fallback);
    if (!platform.CreateFolder(fallback)) {
        return;
    }
    mPath = fallback;
    // A folder made before but still empty is seeded too: files an elevated
    // run saved beside the program meanwhile are not left behind.
    for (std::string_view name : kDataFileNames) {
        platform.CopyFileIfAbsent(programFolder + std::string(name), fallback + std::string(name));
    }
    if (firstTime) {
        mNotice = "KIV cannot save its files in its program folder (" + programFolder +
                  ").\r\n\r\nIts settings, options and play list are kept in " + fallback +
                  " from now on.";
    }
}

} // namespace kiv
