#include "store/DataFolder.h"

#include "util/FileSystem.h"

namespace kiv {

namespace {
constexpr std::string_view kFallbackName = "KIV";
} // namespace

CDataFolder::CDataFolder(IDataFolderPlatform& platform, const std::string& programFolder)
    : mPath(programFolder) {
    if (programFolder.empty() || platform.CanWriteIn(programFolder)) {
        return;
    }
    const std::string appData = platform.UserAppDataFolder();
    if (appData.empty()) {
        return;
    }
    const std::string fallback =
        FolderWithSeparator(appData) + std::string(kFallbackName) + std::string(1, kPathSeparator);
    const bool firstTime = !platform.FolderExists(fallback);
    if (!platform.CreateFolder(fallback)) {
        return;
    }
    mPath = fallback;
    if (!firstTime) {
        return;
    }
    for (std::string_view name : kDataFileNames) {
        platform.CopyFileIfAbsent(programFolder + std::string(name), fallback + std::string(name));
    }
    mNotice = "KIV cannot save its files in its program folder (" + programFolder +
              ").\r\n\r\nIts settings, options and play list are kept in " + fallback +
              " from now on.";
}

} // namespace kiv
