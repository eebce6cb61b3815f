#include "store/StoreFile.h"

namespace kiv {

namespace {
constexpr std::string_view kUnreadSuffix = ".unread";

std::string FileName(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The message that says which file was kept, where, and why.
std::string KeptMessage(const std::string& path, const std::string& kept,
                        const StoreFileWords& words) {
    return "KIV could not read all of " + FileName(path) + ", so " + std::string(words.list) +
           " held only what it could read.\r\n\r\nSo that nothing is lost, the old file was kept "
           "before saving, as:\r\n" +
           kept + "\r\n\r\nAny " + std::string(words.entries) +
           " missing from the list are still in that file.";
}
} // namespace

void CUnreadFile::Save(const std::string& path, std::string_view contents, IErrorReporter& reporter,
                       const StoreFileWords& words) {
    if (!IsUnread() || path != mPath) {
        SaveFileAtomically(path, contents);
        return;
    }
    const std::string kept = SaveFileSettingOldAside(path, contents, kUnreadSuffix);
    mPath.clear();
    if (!kept.empty()) {
        reporter.ShowMessage(KeptMessage(path, kept, words), kAppTitle);
    }
}

} // namespace kiv
