#pragma once

#include "platform/win32/Win32.h"

namespace kiv::win32 {

// While it lives, reading an empty drive on this thread fails quietly instead
// of asking the user to insert a disk.
class CQuietDriveErrors {
public:
    CQuietDriveErrors() noexcept {
        ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &mPrevious);
    }
    ~CQuietDriveErrors() { ::SetThreadErrorMode(mPrevious, nullptr); }
    CQuietDriveErrors(const CQuietDriveErrors&) = delete;
    CQuietDriveErrors& operator=(const CQuietDriveErrors&) = delete;

private:
    DWORD mPrevious = 0;
};

} // namespace kiv::win32
