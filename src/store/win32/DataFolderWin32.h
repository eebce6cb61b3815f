#pragma once

#include "store/DataFolder.h"

namespace kiv::win32 {

// The file system behind the choice of the data folder.
class CDataFolderWin32 : public IDataFolderPlatform {
public:
    bool CanWriteIn(const std::string& folder) override;
    std::string UserAppDataFolder() override;
    bool FolderExists(const std::string& folder) override;
    bool HasFile(const std::string& path) override;
    bool CreateFolder(const std::string& folder) override;
    void CopyFileIfAbsent(const std::string& from, const std::string& to) override;
};

} // namespace kiv::win32
