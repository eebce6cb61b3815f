#pragma once

#include "platform/StartWithWindows.h"

namespace kiv::win32 {

// The value "KIV" of the user's Run key
// (HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run).
class CStartWithWindowsWin32 : public IStartWithWindows {
public:
    std::optional<std::string> Entry() override;
    bool WriteEntry(const std::string& command) override;
    bool RemoveEntry() override;
    std::string ProgramPath() override;
};

} // namespace kiv::win32
